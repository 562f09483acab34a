#pragma once
// Text from the help file, made ready for display.
#include <QString>
#include <string_view>

namespace tt::help {

enum class PageEncoding { windows1252, utf8 };

// UTF-8 when the page says so or starts with a UTF-8 byte order mark,
// Windows-1252 otherwise.
PageEncoding pageEncoding(std::string_view page);

QString decodeText(std::string_view bytes, PageEncoding encoding);

// A page or style sheet in its own encoding.
QString decodePage(std::string_view page);

// A label from a contents file, with its HTML entities replaced by the
// characters they stand for.
QString displayLabel(std::string_view bytes, PageEncoding encoding);

}  // namespace tt::help
