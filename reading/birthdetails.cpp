#include "reading/engine.h"

#include <charconv>
#include <limits>
#include <system_error>
#include <utility>

namespace modRunicAstrology {

namespace {

// Positions in the month and day lists, which begin at 0: January is 0, day 1 is 0.
constexpr int February = 1;
constexpr int April = 3, June = 5, September = 8, November = 10;
constexpr int LastDayPosition = 30; // the 31st

// The keys the name box lets through besides letters, by their character codes.
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Space = 32;

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The whole trimmed text must be a decimal integer that fits the 16-bit fields; anything else
// (empty, junk, trailing letters, out of range) is not a number. Capture stores such a value as
// 0 rather than clamping it, so that no nonsense text turns into a plausible date.
std::optional<std::int16_t> parseInt16(std::string_view text) {
    text = trimSpaces(text);
    if (text.empty())
        return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

bool isLeapYear(const std::string& yearText) {
    const auto year = parseInt16(yearText);
    if (!year)
        return false;
    return (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
}

bool isThirtyDayMonth(int monthPosition) {
    return monthPosition == April || monthPosition == June || monthPosition == September ||
           monthPosition == November;
}

Validation rejection(std::string message, MessageIcon icon, bool focusName) {
    return {false, std::move(message), icon, focusName};
}

constexpr int FirstYear = 1900;
constexpr std::size_t YearCount = 151;
constexpr std::size_t YearLength = 4;

// The year entries are views into this one block of digits, "19001901…2050".
constexpr auto YearDigits = [] {
    std::array<char, YearCount * YearLength> digits{};
    for (std::size_t i = 0; i < YearCount; ++i) {
        int year = FirstYear + static_cast<int>(i);
        for (std::size_t d = YearLength; d-- > 0; year /= 10)
            digits[YearLength * i + d] = static_cast<char>('0' + year % 10);
    }
    return digits;
}();

} // namespace

NameKey FilterNameKey(int characterCode) {
    if (characterCode >= 'A' && characterCode <= 'Z')
        return {characterCode, false};
    if (characterCode >= 'a' && characterCode <= 'z')
        return {characterCode - ('a' - 'A'), false};
    if (characterCode == Backspace || characterCode == Enter || characterCode == Space)
        return {characterCode, false};
    return {0, true};
}

Validation ValidateBirthDetails(const std::string& nameText, int dayPosition, int monthPosition,
                                const std::string& yearText) {
    // Trimmed, so a name of spaces only cannot make a reading with an empty name.
    if (trimSpaces(nameText).empty())
        return rejection("Please Enter Your Name !", MessageIcon::None, true);

    // The two messages differ by the space before the exclamation mark, and are meant to: each
    // is the program's own text, as users and its other versions know it.
    if (monthPosition == February) {
        const int firstBadDay = isLeapYear(yearText) ? 29 : 28;
        if (dayPosition >= firstBadDay && dayPosition <= LastDayPosition)
            return rejection("Please Enter Correct Date Or Month!", MessageIcon::Information,
                             false);
    }
    if (isThirtyDayMonth(monthPosition) && dayPosition == LastDayPosition)
        return rejection("Please Enter Correct Date Or Month !", MessageIcon::Information, false);

    return {true, {}, MessageIcon::None, false};
}

BirthDetails CaptureBirthDetails(const std::string& nameText, const std::string& dayText,
                                 const std::string& monthText, const std::string& yearText) {
    BirthDetails details;
    details.Name = trimSpaces(nameText);
    details.Year = parseInt16(yearText).value_or(0);
    details.Month = trimSpaces(monthText);
    details.Day = parseInt16(dayText).value_or(0);
    return details;
}

const std::array<std::string_view, 12>& monthEntries() {
    static constexpr std::array<std::string_view, 12> entries{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    return entries;
}

const std::array<std::string_view, 31>& dayEntries() {
    static constexpr std::array<std::string_view, 31> entries{
        "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
        "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22",
        "23", "24", "25", "26", "27", "28", "29", "30", "31"};
    return entries;
}

const std::array<std::string_view, 151>& yearEntries() {
    static constexpr auto entries = [] {
        std::array<std::string_view, YearCount> views{};
        for (std::size_t i = 0; i < YearCount; ++i)
            views[i] = std::string_view(YearDigits.data() + YearLength * i, YearLength);
        return views;
    }();
    return entries;
}

} // namespace modRunicAstrology
