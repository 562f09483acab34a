#pragma once
// The table of contents of a help file: a sitemap page (".hhc") whose
// entries are <OBJECT type="text/sitemap"> elements with <param> "Name" and
// "Local", nested by <UL> lists.
#include <string>
#include <string_view>
#include <vector>

namespace tt::help {

struct SitemapEntry {
    std::string name;   // as written, HTML entities not decoded
    std::string local;  // the topic name, as written
    std::vector<SitemapEntry> children;
};

// Reads the entries of a sitemap page. Unbalanced or stray tags are
// tolerated: a list closed more often than opened stays at the top level,
// and a list that is never closed ends with the page. Lists nested deeper
// than 32 levels add to the 32nd.
std::vector<SitemapEntry> parseSitemap(std::string_view page);

}  // namespace tt::help
