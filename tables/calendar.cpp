#include "tables/calendar.h"

namespace tt {

namespace {

constexpr std::int64_t kJulianDayOf1970 = 2440588;
constexpr std::int64_t kMillisecondsPerDay = 86400000;

std::string twoDigits(std::int64_t value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string fourDigits(std::int64_t value)
{
    std::string text = std::to_string(value < 0 ? -value : value);
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), '0');
    return (value < 0 ? "-" : "") + text;
}

}  // namespace

CivilDate civilFromJulianDay(std::int64_t julianDay)
{
    // Days since 1970-01-01 to the proleptic Gregorian calendar, counting
    // in eras of 400 years that start on 1 March.
    const std::int64_t days = julianDay - kJulianDayOf1970 + 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

std::string dateTimeText(std::uint32_t julianDay, std::uint32_t millisecondsOfDay)
{
    if (julianDay == 0)
        return "";
    const std::int64_t day = julianDay + millisecondsOfDay / kMillisecondsPerDay;
    const std::int64_t seconds = (millisecondsOfDay % kMillisecondsPerDay) / 1000;
    const CivilDate date = civilFromJulianDay(day);
    return twoDigits(date.day) + "/" + twoDigits(date.month) + "/" + fourDigits(date.year) + " " +
           twoDigits(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" + twoDigits(seconds % 60);
}

}  // namespace tt
