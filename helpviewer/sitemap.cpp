#include "helpviewer/sitemap.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "helpviewer/html_tags.h"

namespace tt::help {

namespace {

constexpr std::size_t deepestLevel = 32;

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Builds the tree while the tags go by. `open_` holds the list that each
// open <UL> adds to; a list's entries are only appended to while it is the
// innermost one, so the pointers to outer lists stay valid.
class SitemapBuilder {
public:
    void onTag(const HtmlTag& tag) {
        if (tag.name == "ul") openList();
        else if (tag.name == "/ul") closeList();
        else if (tag.name == "object") startObject(tag);
        else if (tag.name == "param") takeParam(tag);
        else if (tag.name == "/object") endObject();
    }

    std::vector<SitemapEntry> finish() { return std::move(top_); }

private:
    std::vector<SitemapEntry>& current() { return open_.empty() ? top_ : *open_.back(); }

    // The outermost list holds the top entries; a nested list holds the
    // children of the entry just before it, or adds to its parent list
    // when there is no such entry or the tree is already as deep as it may
    // grow (the tree is walked recursively, so a hostile page must not make
    // it arbitrarily deep).
    void openList() {
        if (open_.empty() || current().empty() || open_.size() >= deepestLevel) {
            open_.push_back(&current());
            return;
        }
        open_.push_back(&current().back().children);
    }

    void closeList() {
        if (!open_.empty()) open_.pop_back();
    }

    void startObject(const HtmlTag& tag) {
        const std::optional<std::string> type = tag.attribute("type");
        if (type && equalsIgnoringCase(*type, "text/sitemap")) pending_ = SitemapEntry{};
    }

    void takeParam(const HtmlTag& tag) {
        if (!pending_) return;
        const std::string name = tag.attribute("name").value_or("");
        const std::string value = tag.attribute("value").value_or("");
        if (equalsIgnoringCase(name, "Name") && pending_->name.empty()) pending_->name = value;
        if (equalsIgnoringCase(name, "Local") && pending_->local.empty()) pending_->local = value;
    }

    void endObject() {
        if (!pending_) return;
        if (!pending_->name.empty() || !pending_->local.empty())
            current().push_back(std::move(*pending_));
        pending_.reset();
    }

    std::vector<SitemapEntry> top_;
    std::vector<std::vector<SitemapEntry>*> open_;
    std::optional<SitemapEntry> pending_;
};

}  // namespace

std::vector<SitemapEntry> parseSitemap(std::string_view page) {
    SitemapBuilder builder;
    HtmlTagScanner scanner(page);
    while (const std::optional<HtmlTag> tag = scanner.next()) builder.onTag(*tag);
    return builder.finish();
}

}  // namespace tt::help
