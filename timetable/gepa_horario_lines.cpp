#include "timetable/gepa_horario_lines.h"

#include <algorithm>
#include <cstdio>

namespace tt {

namespace {
constexpr std::string_view kBlankFiller =
    "                                                                                               ";
static_assert(kBlankFiller.size() == 95);
constexpr std::string_view kFileName = "GEPA_HORARIO.TXT";

std::string headOrTail(char kind, std::string_view schoolCode, const std::tm& time)
{
    std::string line(1, kind);
    RellenarCampo(line, kFileName, 50);
    RellenarCampo(line, schoolCode, 8);
    line += timestamp(time);
    return line;
}
}  // namespace

void RellenarCampo(std::string& line, std::string_view value, int width)
{
    line += value;
    const long blanks = static_cast<long>(width) - static_cast<long>(value.size());
    if (blanks > 0)
        line += kBlankFiller.substr(0, std::min<std::size_t>(static_cast<std::size_t>(blanks), kBlankFiller.size()));
}

std::string timestamp(const std::tm& time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d%02d%04d%02d%02d", time.tm_mday, time.tm_mon + 1, time.tm_year + 1900,
                  time.tm_hour, time.tm_min);
    return text;
}

std::string horarioHeader(std::string_view schoolCode, const std::tm& time)
{
    return headOrTail('0', schoolCode, time);
}

std::string horarioTrailer(std::string_view schoolCode, const std::tm& time, std::size_t detailLines)
{
    return headOrTail('9', schoolCode, time) + std::to_string(detailLines);
}

void appendHorarioDetail(std::string& line, const HorarioEntry& entry)
{
    line += '1';
    RellenarCampo(line, entry.slotCode, 4);
    RellenarCampo(line, entry.day, 1);
    RellenarCampo(line, entry.teacher, 4);
    RellenarCampo(line, entry.groupShortCode, 4);
    RellenarCampo(line, entry.taskCode, 4);
    RellenarCampo(line, entry.subject, 4);
    RellenarCampo(line, entry.roomShortCode, 4);
}

}  // namespace tt
