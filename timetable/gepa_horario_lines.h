#pragma once
// The lines of GEPA_HORARIO.TXT.
#include <ctime>
#include <string>
#include <string_view>

namespace tt {

// Appends `value`, then blanks up to `width` from a filler of 95 blanks; a
// value longer than its width is written whole, moving later fields right.
void RellenarCampo(std::string& line, std::string_view value, int width);

// The local date and time as "ddmmyyyyhhnn".
std::string timestamp(const std::tm& time);

// The header ("0") and trailer ("9") lines, without line end.
std::string horarioHeader(std::string_view schoolCode, const std::tm& time);
std::string horarioTrailer(std::string_view schoolCode, const std::tm& time, std::size_t detailLines);

// The values of one detail line ("1"), in their column order.
struct HorarioEntry {
    std::string_view slotCode;
    std::string_view day;
    std::string_view teacher;
    std::string_view groupShortCode;
    std::string_view taskCode;
    std::string_view subject;
    std::string_view roomShortCode;
};
// Appends the detail line to `line`.
void appendHorarioDetail(std::string& line, const HorarioEntry& entry);

}  // namespace tt
