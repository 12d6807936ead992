#pragma once
// The fixed content of every reading: one row per sign and one row per planet rune, whose
// pictures are positions in the picture sets of picturekeys.h. The long prose lives in
// longtexts.h.

#include "reading/longtexts.h"
#include "reading/picturekeys.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace modRunicAstrology {

struct SignRow {
    std::string_view Sign;
    std::string_view CorrespondingRuneStone, AlternativeName, Keywords, NordicGod, FavorableColor;
    int StonePicturePosition; // 1-based, IMGStoneList
    std::string_view FavorablePlanet, StoneWithPlanet, ColorWithPlanet;
    std::string_view SunSignElement, SunSignNumber, SunSignColor, SunSignDay, SunSignCompatibility,
        SunSignBirthStone, SunSignQuality, SunSignFamousPersonBorn;
    int SunSignPicturePosition; // 1-based, IMGSunsignList
};

struct PlanetRuneRow {
    std::string_view StoneWithPlanet;
    std::string_view AlternativeNameWithPlanet, KeywordsWithPlanet, GodWithPlanet;
    int StoneWithPlanetPicturePosition; // 1-based, IMGStoneListWithPlanet
};

// In sign order, "Aries" … "Pisces".
extern const std::array<SignRow, 12> SignTable;
// In planet-rune order, the order of LongTexts::PlanetRunes.
extern const std::array<PlanetRuneRow, 6> PlanetRuneTable;

// Exact, case-sensitive; nullptr for any other text.
const SignRow* findSignRow(std::string_view sign);
const PlanetRuneRow* findPlanetRuneRow(std::string_view stoneWithPlanet);

// The prose of a row of the tables above (rows are matched by their place in the table).
const LongTexts::SignTexts& signTextsOf(const SignRow& row);
std::string_view planetRuneTextOf(const PlanetRuneRow& row);

// Key of the picture at a 1-based position of a picture set; empty outside the set.
template <std::size_t N>
std::string_view pictureKeyAt(const std::array<std::string_view, N>& keys, int position) {
    if (position < 1 || position > static_cast<int>(N))
        return {};
    return keys[static_cast<std::size_t>(position - 1)];
}

} // namespace modRunicAstrology
