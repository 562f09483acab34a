#pragma once
// Byte buffers for whole files and whole tables. Large ones are asked of
// the system in huge pages where it has them: touching fresh memory one
// small page at a time can cost more than the work done on the bytes
// (measured on a virtual machine: the teachers builder ran twice as fast),
// and 2 MiB pages make that cost hundreds of times rarer.
#include <cstddef>
#include <string>

namespace tt {

void* allocateLarge(std::size_t bytes);
void releaseLarge(void* memory, std::size_t bytes) noexcept;

template <class T>
struct LargeBufferAllocator {
    using value_type = T;
    LargeBufferAllocator() = default;
    template <class U>
    LargeBufferAllocator(const LargeBufferAllocator<U>&) noexcept
    {
    }
    T* allocate(std::size_t n) { return static_cast<T*>(allocateLarge(n * sizeof(T))); }
    void deallocate(T* memory, std::size_t n) noexcept { releaseLarge(memory, n * sizeof(T)); }
    friend bool operator==(const LargeBufferAllocator&, const LargeBufferAllocator&) { return true; }
};

using ByteBuffer = std::basic_string<char, std::char_traits<char>, LargeBufferAllocator<char>>;

}  // namespace tt
