#pragma once
// Dates kept as Julian day numbers (days since 1 January 4713 BC), as
// FoxPro and dBase 7 store their date-time fields.
#include <cstdint>
#include <string>

namespace tt {

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

CivilDate civilFromJulianDay(std::int64_t julianDay);

// "dd/mm/yyyy hh:mm:ss"; "" when the day number is 0 (an empty value).
std::string dateTimeText(std::uint32_t julianDay, std::uint32_t millisecondsOfDay);

}  // namespace tt
