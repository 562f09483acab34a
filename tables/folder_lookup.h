#pragma once
// Finding table files in the working folder. Vestrano (under Wine too)
// may write a table's file name in any letter case: soluc.dbf, SOLUC.DBF.
#include <optional>
#include <string>

namespace tt {

std::string joinPath(const std::string& folder, const std::string& fileName);

// The path of the file fileName in the folder, found as every file of
// the system is found (findFile): the exact name when it exists, else the
// first (in byte order) whose name matches ignoring ASCII letter case;
// nothing when there is none or the folder cannot be read.
std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& fileName);

}  // namespace tt
