#include "text/large_buffer.h"

#include <new>
#include <sys/mman.h>

namespace tt {

namespace {
// Below this size a buffer comes from the ordinary heap.
constexpr std::size_t kLargeSize = 64u << 10;
// From this size on, huge pages are worth asking for.
constexpr std::size_t kHugeSize = 4u << 20;
}  // namespace

void* allocateLarge(std::size_t bytes)
{
    if (bytes < kLargeSize)
        return ::operator new(bytes);
    // Smaller buffers get all their pages at once, in one call, rather
    // than one fault at a time; larger ones ask for huge pages first.
    const int populate = bytes < kHugeSize ? MAP_POPULATE : 0;
    void* memory = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | populate, -1, 0);
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    if (!populate)
        ::madvise(memory, bytes, MADV_HUGEPAGE);  // only a wish: without huge pages the buffer works the same
#endif
    return memory;
}

void releaseLarge(void* memory, std::size_t bytes) noexcept
{
    if (bytes < kLargeSize)
        ::operator delete(memory);
    else
        ::munmap(memory, bytes);
}

}  // namespace tt
