#pragma once
// The fixed content of every reading: one row per sign and one row per planet rune, whose
// columns are fields of the reading (fields.h) and whose pictures are positions in the picture
// sets of picturekeys.h. The long prose lives in longtexts.h.

#include "reading/fields.h"
#include "reading/longtexts.h"
#include "reading/picturekeys.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace modRunicAstrology {

// A sign's row holds the fields from Sign up to the planet rune's, in field order; the planet
// rune's row the fields from AlternativeNameWithPlanet up to the prose.
inline constexpr std::size_t SignColumns = fieldIndex(Field::AlternativeNameWithPlanet);
inline constexpr std::size_t PlanetRuneColumns =
    fieldIndex(Field::AboutYourRuneStone) - SignColumns;

struct SignRow {
    struct {
        int stone; // 1-based, IMGStoneList
        int sign;  // 1-based, IMGSunsignList
    } picturePositions;
    std::array<std::string_view, SignColumns> columns;

    // Empty for a field that is not a column of the row.
    constexpr std::string_view operator[](Field field) const {
        const std::size_t column = fieldIndex(field);
        return column < SignColumns ? columns[column] : std::string_view();
    }
};

struct PlanetRuneRow {
    std::string_view StoneWithPlanet;
    std::array<std::string_view, PlanetRuneColumns> columns;
    int picturePosition; // 1-based, IMGStoneListWithPlanet

    // Empty for a field that is not a column of the row.
    constexpr std::string_view operator[](Field field) const {
        const std::size_t column = fieldIndex(field) - SignColumns; // wraps below the first
        return column < PlanetRuneColumns ? columns[column] : std::string_view();
    }
};

// In sign order, "Aries" … "Pisces".
extern const std::array<SignRow, 12> SignTable;
// In planet-rune order, the order of longTexts::PlanetRunes.
extern const std::array<PlanetRuneRow, 6> PlanetRuneTable;

// Exact, case-sensitive; nullptr for any other text.
const SignRow* findSignRow(std::string_view sign);
const PlanetRuneRow* findPlanetRuneRow(std::string_view stoneWithPlanet);

// The prose of a row of the tables above (rows are matched by their place in the table).
const longTexts::SignTexts& signTextsOf(const SignRow& row);
std::string_view planetRuneTextOf(const PlanetRuneRow& row);

// Key of the picture at a 1-based position of a picture set; empty outside the set.
template <std::size_t N>
std::string_view pictureKeyAt(const std::array<std::string_view, N>& keys, int position) {
    if (position < 1 || position > static_cast<int>(N))
        return {};
    return keys[static_cast<std::size_t>(position - 1)];
}

} // namespace modRunicAstrology
