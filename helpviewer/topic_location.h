#pragma once
// Where a topic lies inside a compiled help file: the object's path in the
// archive ("/sub/page.htm") and an optional anchor to scroll to.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tt::help {

struct TopicLocation {
    std::string path;
    std::string anchor;

    bool operator==(const TopicLocation&) const = default;
};

// Splits a topic name as the help file stores it: "\" counts as "/", the
// text after the first "#" is the anchor, and the path gets one leading "/"
// with empty and "." folders left out.
TopicLocation splitTopicName(std::string_view name);

// Finds a topic whose name may carry folders that are not in the archive,
// such as the folder the help file was compiled in: tries the whole path,
// then drops leading folders one at a time until `exists` accepts a path.
using ObjectExists = std::function<bool(const std::string& path)>;
std::optional<TopicLocation> locateTopic(std::string_view name, const ObjectExists& exists);

}  // namespace tt::help
