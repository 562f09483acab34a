#include "helpviewer/html_tags.h"

#include <cctype>

namespace tt::help {

namespace {

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool endsName(char c) { return isBlank(c) || c == '>' || c == '=' || c == '/'; }

}  // namespace

std::optional<std::string> HtmlTag::attribute(std::string_view attributeName) const {
    for (const auto& [key, value] : attributes)
        if (key == attributeName) return value;
    return std::nullopt;
}

std::optional<HtmlTag> HtmlTagScanner::next() {
    while (!atEnd()) {
        const std::size_t open = page_.find('<', position_);
        if (open == std::string_view::npos) break;
        position_ = open + 1;
        if (skipComment()) continue;
        HtmlTag tag;
        if (!atEnd() && page_[position_] == '/') {
            tag.name = "/";
            ++position_;
        }
        tag.name += readName();
        for (;;) {
            skipBlanks();
            if (atEnd()) break;
            if (page_[position_] == '>') {
                ++position_;
                break;
            }
            if (page_[position_] == '/' || page_[position_] == '=') {
                ++position_;
                continue;
            }
            std::string key = readName();
            skipBlanks();
            std::string value;
            if (!atEnd() && page_[position_] == '=') {
                ++position_;
                skipBlanks();
                value = readValue();
            }
            tag.attributes.emplace_back(std::move(key), std::move(value));
        }
        if (tag.name.empty() || tag.name == "/") continue;
        return tag;
    }
    position_ = page_.size();
    return std::nullopt;
}

bool HtmlTagScanner::skipComment() {
    if (page_.substr(position_, 3) != "!--") return false;
    const std::size_t close = page_.find("-->", position_ + 3);
    position_ = close == std::string_view::npos ? page_.size() : close + 3;
    return true;
}

std::string HtmlTagScanner::readName() {
    std::string name;
    while (!atEnd() && !endsName(page_[position_])) name += lower(page_[position_++]);
    return name;
}

std::string HtmlTagScanner::readValue() {
    if (atEnd()) return {};
    const char quote = page_[position_];
    if (quote == '"' || quote == '\'') {
        const std::size_t close = page_.find(quote, position_ + 1);
        const std::size_t end = close == std::string_view::npos ? page_.size() : close;
        std::string value(page_.substr(position_ + 1, end - position_ - 1));
        position_ = end == page_.size() ? end : end + 1;
        return value;
    }
    std::string value;
    while (!atEnd() && !isBlank(page_[position_]) && page_[position_] != '>')
        value += page_[position_++];
    return value;
}

void HtmlTagScanner::skipBlanks() {
    while (!atEnd() && isBlank(page_[position_])) ++position_;
}

}  // namespace tt::help
