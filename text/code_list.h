#pragma once
// Code lists: lists of strings compared as the user's locale compares
// them, ignoring letter case (secondary strength): "abcd" = "ABCD",
// "Ñ" = "ñ", "a" ≠ "á". Lookups are hashed or binary searches, never scans.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/first_index_map.h"

namespace tt {

// The comparison of every code list: a collator of the user's default
// locale at secondary strength over the bytes read as Windows-1252. When
// the process has no locale of its own (C or POSIX) the root collation is
// used, which still ignores letter case. One object must not be used by
// two threads at once: it keeps working buffers between calls.
class LocaleComparison {
public:
    LocaleComparison();
    ~LocaleComparison();
    LocaleComparison(const LocaleComparison&) = delete;
    LocaleComparison& operator=(const LocaleComparison&) = delete;
    LocaleComparison(LocaleComparison&&) noexcept;
    LocaleComparison& operator=(LocaleComparison&&) noexcept;

    // Two texts compare equal exactly when their sort keys are equal.
    std::string sortKey(std::string_view text) const;
    // The same sort key without copying it: valid until the next call.
    std::string_view sortKeyView(std::string_view text) const;
    int compare(std::string_view a, std::string_view b) const;  // <0, 0, >0

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// An unsorted list kept in the order of adding; find gives the position
// of the first item equal to the value.
class CodeList {
public:
    CodeList();
    void add(std::string_view value);
    std::optional<std::size_t> find(std::string_view value) const;
    bool contains(std::string_view value) const { return find(value).has_value(); }
    // Adds the value unless an equal one is already there; answers whether
    // it was added. One sort key instead of the two of contains and add.
    bool addIfAbsent(std::string_view value);
    std::size_t size() const { return items_.size(); }
    const std::string& operator[](std::size_t i) const { return items_[i]; }

private:
    LocaleComparison comparison_;
    std::vector<std::string> items_;
    FirstIndexMap firstByKey_;  // sort key -> position of the first item with it
};

// A list kept in ascending order; adding a value it already holds does
// nothing; find gives the position by binary search.
class SortedCodeList {
public:
    SortedCodeList();
    void add(std::string_view value);
    std::optional<std::size_t> find(std::string_view value) const;
    std::size_t size() const { return items_.size(); }
    const std::string& operator[](std::size_t i) const { return items_[i].text; }

private:
    struct Item {
        std::string key;
        std::string text;
    };
    LocaleComparison comparison_;
    std::vector<Item> items_;
};

}  // namespace tt
