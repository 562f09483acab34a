#pragma once
// The settings a compiled help file keeps in its /#SYSTEM object: a 32-bit
// version, then records of a 16-bit code, a 16-bit length and that many
// bytes of data.
#include <string>
#include <string_view>

namespace tt::help {

struct ArchiveSettings {
    std::string contentsFile;  // record code 0
    std::string defaultTopic;  // record code 2
    std::string title;         // record code 3
};

// Reads the records that lie wholly inside `bytes`; a record that runs past
// the end stops the reading, and what came before it is kept.
ArchiveSettings parseSystemRecords(std::string_view bytes);

}  // namespace tt::help
