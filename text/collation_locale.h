#pragma once
// Which locale's collation the code lists follow.
#include <unicode/locid.h>

namespace tt {

// The user's locale, except when it only stands for "no locale set" (the
// C or POSIX locale, which ICU turns into en_US_POSIX): that one orders
// capitals before all small letters even at primary strength, so the
// root locale takes its place.
icu::Locale collationLocale(const icu::Locale& userLocale);

}  // namespace tt
