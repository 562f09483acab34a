#include "helpviewer/help_archive.h"

#include "helpviewer/context_table.h"

namespace tt::help {

HelpArchive::HelpArchive(std::filesystem::path file, ChmFile chm, ArchiveSettings settings)
    : file_(std::move(file)), chm_(std::move(chm)), settings_(std::move(settings)) {}

std::optional<HelpArchive> HelpArchive::open(const std::filesystem::path& file) {
    std::optional<ChmFile> chm = ChmFile::open(file);
    if (!chm) return std::nullopt;
    // Every compiled help file has its settings object; a file whose
    // settings cannot be read is too damaged to show anything of.
    const std::optional<std::string> system = chm->read("/#SYSTEM");
    if (!system) return std::nullopt;
    return HelpArchive(file, std::move(*chm), parseSystemRecords(*system));
}

std::optional<std::string> HelpArchive::contentsPath() const {
    if (!settings_.contentsFile.empty()) {
        if (std::optional<TopicLocation> named = locate(settings_.contentsFile))
            return named->path;
    }
    return chm_.firstPathEndingIn(".hhc");
}

std::optional<TopicLocation> HelpArchive::defaultTopic() const {
    if (settings_.defaultTopic.empty()) return std::nullopt;
    return locate(settings_.defaultTopic);
}

std::optional<TopicLocation> HelpArchive::topicForContext(std::uint32_t context) const {
    const std::optional<std::string> ivb = chm_.read("/#IVB");
    const std::optional<std::string> strings = chm_.read("/#STRINGS");
    if (!ivb || !strings) return std::nullopt;
    const std::optional<std::string> name = findContextName(*ivb, *strings, context);
    if (!name) return std::nullopt;
    return locate(*name);
}

std::optional<TopicLocation> HelpArchive::locate(std::string_view name) const {
    return locateTopic(name, [this](const std::string& path) { return chm_.contains(path); });
}

}  // namespace tt::help
