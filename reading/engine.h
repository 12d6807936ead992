#pragma once
// The reading engine: birth details in, a complete runic-astrology reading out.
// Plain C++20 with no Qt, no I/O and no windows; the windows hand plain values in and
// show the results (messages, readings) that come back.

#include "reading/fields.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace modRunicAstrology {

enum class MessageIcon { None, Information, Critical };

struct BirthDetails {
    std::string Name;
    std::int16_t Day = 0;
    std::string Month;
    std::int16_t Year = 0;
};

// code 0: the keystroke is discarded
struct NameKey {
    int code;
    bool showMessage;
};
NameKey FilterNameKey(int characterCode);

struct Validation {
    bool accepted;
    std::string message;
    MessageIcon icon;
    bool focusName;
};
Validation ValidateBirthDetails(const std::string& nameText, int dayPosition, int monthPosition,
                                const std::string& yearText);
BirthDetails CaptureBirthDetails(const std::string& nameText, const std::string& dayText,
                                 const std::string& monthText, const std::string& yearText);

std::optional<std::string> FindSunSign(int monthPosition, int dayPosition);

// One value per field (fields.h): the texts as shown, the pictures by their keys.
struct Reading {
    std::array<std::string, FieldCount> values;

    std::string& operator[](Field field) { return values[fieldIndex(field)]; }
    const std::string& operator[](Field field) const { return values[fieldIndex(field)]; }
};
// no value for a name that is not one of the twelve signs
std::optional<Reading> BuildReading(const std::string& sign);

extern BirthDetails CurrentBirthDetails;
extern std::string CurrentSunSign;

// The entries of the three pick-only lists of the main window, in list order.
const std::array<std::string_view, 12>& monthEntries();
const std::array<std::string_view, 31>& dayEntries();   // "1" … "31"
const std::array<std::string_view, 151>& yearEntries(); // "1900" … "2050"

// The twelve signs in the engine's order, "Aries" … "Pisces".
const std::array<std::string_view, 12>& sunSigns();

// The four inputs of the main window as the generate command reads them.
struct GenerateRequest {
    std::string nameText; // untrimmed
    int dayPosition = 0;  // zero-based positions in the day and month lists
    int monthPosition = 0;
    std::string dayText; // texts of the selected list entries
    std::string monthText;
    std::string yearText;
};

struct GenerateResult {
    Validation validation;          // a rejection carries the message to show
    std::optional<Reading> reading; // set when accepted and a sign was found
};

// The engine half of Generate: validate; on acceptance capture and store the details,
// find and store the sign, and build its reading. A rejection changes no state.
GenerateResult generateReading(const GenerateRequest& request);

} // namespace modRunicAstrology
