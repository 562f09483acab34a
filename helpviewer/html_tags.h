#pragma once
// A forgiving scanner of HTML tags, enough for sitemap pages: it yields each
// tag's lower-case name and its attributes, and skips text and comments.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tt::help {

struct HtmlTag {
    std::string name;  // lower case; "/ul" for a closing tag
    std::vector<std::pair<std::string, std::string>> attributes;  // names in lower case

    // The value of an attribute, by its lower-case name.
    std::optional<std::string> attribute(std::string_view attributeName) const;
};

class HtmlTagScanner {
public:
    explicit HtmlTagScanner(std::string_view page) : page_(page) {}

    // The next tag, or no value at the end of the page.
    std::optional<HtmlTag> next();

private:
    bool skipComment();
    std::string readName();
    std::string readValue();
    void skipBlanks();
    bool atEnd() const { return position_ >= page_.size(); }

    std::string_view page_;
    std::size_t position_ = 0;
};

}  // namespace tt::help
