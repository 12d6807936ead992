#include "reading/engine.h"

namespace modRunicAstrology {

namespace {

struct MonthSigns {
    int lastDayPositionOfFirstSign;
    std::string_view firstSign, secondSign;
};

// The January and February boundaries fall a day or two earlier than in the other months.
constexpr std::array<MonthSigns, 12> SignsByMonth{{
    {18, "Capricorn", "Aquarius"},
    {17, "Aquarius", "Pisces"},
    {19, "Pisces", "Aries"},
    {19, "Aries", "Taurus"},
    {19, "Taurus", "Gemini"},
    {19, "Gemini", "Cancer"},
    {19, "Cancer", "Leo"},
    {19, "Leo", "Virgo"},
    {19, "Virgo", "Libra"},
    {19, "Libra", "Scorpio"},
    {19, "Scorpio", "Sagittarius"},
    {19, "Sagittarius", "Capricorn"},
}};

constexpr int DayPositionCount = 31;

} // namespace

std::optional<std::string> FindSunSign(int monthPosition, int dayPosition) {
    if (monthPosition < 0 || monthPosition >= static_cast<int>(SignsByMonth.size()))
        return std::nullopt;
    if (dayPosition < 0 || dayPosition >= DayPositionCount)
        return std::nullopt;
    const MonthSigns& month = SignsByMonth[static_cast<std::size_t>(monthPosition)];
    const std::string_view sign =
        dayPosition <= month.lastDayPositionOfFirstSign ? month.firstSign : month.secondSign;
    return std::string(sign);
}

const std::array<std::string_view, 12>& sunSigns() {
    static constexpr std::array<std::string_view, 12> signs{
        "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
        "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    return signs;
}

} // namespace modRunicAstrology
