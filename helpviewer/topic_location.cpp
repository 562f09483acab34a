#include "helpviewer/topic_location.h"

#include <vector>

namespace tt::help {

namespace {

std::vector<std::string_view> pathSegments(std::string_view path) {
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        const std::string_view segment = path.substr(start, end - start);
        if (!segment.empty() && segment != ".") segments.push_back(segment);
        start = end + 1;
    }
    return segments;
}

std::string joinFrom(const std::vector<std::string_view>& segments, std::size_t first) {
    std::string path;
    for (std::size_t i = first; i < segments.size(); ++i) {
        path += '/';
        path += segments[i];
    }
    return path;
}

}  // namespace

TopicLocation splitTopicName(std::string_view name) {
    std::string slashed(name);
    for (char& c : slashed)
        if (c == '\\') c = '/';
    const std::size_t hash = slashed.find('#');
    TopicLocation location;
    if (hash != std::string::npos) location.anchor = slashed.substr(hash + 1);
    location.path = joinFrom(pathSegments(std::string_view(slashed).substr(0, hash)), 0);
    return location;
}

std::optional<TopicLocation> locateTopic(std::string_view name, const ObjectExists& exists) {
    const TopicLocation whole = splitTopicName(name);
    const std::vector<std::string_view> segments = pathSegments(whole.path);
    for (std::size_t first = 0; first < segments.size(); ++first) {
        std::string candidate = joinFrom(segments, first);
        if (exists(candidate)) return TopicLocation{std::move(candidate), whole.anchor};
    }
    return std::nullopt;
}

}  // namespace tt::help
