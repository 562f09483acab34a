#pragma once
// A compiled help file as the viewer needs it: its contents file, its
// default topic, its title, its context numbers and the bytes of its pages.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "helpviewer/chm_file.h"
#include "helpviewer/system_records.h"
#include "helpviewer/topic_location.h"

namespace tt::help {

class HelpArchive {
public:
    // No value when the file is missing, is not an archive, or its settings
    // object cannot be read.
    static std::optional<HelpArchive> open(const std::filesystem::path& file);

    const std::filesystem::path& file() const { return file_; }
    const std::string& title() const { return settings_.title; }

    // The contents file named in the settings, or else the first ".hhc"
    // object of the archive.
    std::optional<std::string> contentsPath() const;

    // The default topic named in the settings, when it is in the archive.
    std::optional<TopicLocation> defaultTopic() const;

    // The topic that the help file maps this context number to, when the
    // mapping is intact and names an object of the archive.
    std::optional<TopicLocation> topicForContext(std::uint32_t context) const;

    // A topic name as a contents file or a link gives it, when it names an
    // object of the archive.
    std::optional<TopicLocation> locate(std::string_view name) const;

    bool contains(const std::string& path) const { return chm_.contains(path); }
    std::optional<std::string> read(const std::string& path) const { return chm_.read(path); }

private:
    HelpArchive(std::filesystem::path file, ChmFile chm, ArchiveSettings settings);

    std::filesystem::path file_;
    ChmFile chm_;
    ArchiveSettings settings_;
};

}  // namespace tt::help
