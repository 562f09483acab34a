#include "text/collation_locale.h"

#include <string_view>

#include "text/bytes.h"

namespace tt {

namespace {

bool standsForNoLocale(const icu::Locale& locale)
{
    const std::string_view language = locale.getLanguage();
    return equalsIgnoringAsciiCase(locale.getName(), "en_US_POSIX")
        || equalsIgnoringAsciiCase(locale.getVariant(), "POSIX")
        || language.empty()
        || equalsIgnoringAsciiCase(language, "c");
}

}  // namespace

icu::Locale collationLocale(const icu::Locale& userLocale)
{
    if (standsForNoLocale(userLocale))
        return icu::Locale::getRoot();
    return userLocale;
}

}  // namespace tt
