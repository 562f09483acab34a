#include "helpviewer/help_text.h"

#include <QTextDocumentFragment>

#include <algorithm>
#include <cctype>
#include <string>

#include "text/cp1252.h"

namespace tt::help {

PageEncoding pageEncoding(std::string_view page) {
    if (page.starts_with("\xEF\xBB\xBF")) return PageEncoding::utf8;
    std::string head(page.substr(0, 1024));
    std::ranges::transform(head, head.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool saysUtf8 = head.find("charset=utf-8") != std::string::npos ||
                          head.find("charset=\"utf-8\"") != std::string::npos;
    return saysUtf8 ? PageEncoding::utf8 : PageEncoding::windows1252;
}

QString decodeText(std::string_view bytes, PageEncoding encoding) {
    if (encoding == PageEncoding::utf8)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const std::u16string text = decodeCp1252(bytes);
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

QString decodePage(std::string_view page) { return decodeText(page, pageEncoding(page)); }

QString displayLabel(std::string_view bytes, PageEncoding encoding) {
    return QTextDocumentFragment::fromHtml(decodeText(bytes, encoding)).toPlainText();
}

}  // namespace tt::help
