#pragma once
// The keys of the three picture sets, in position order (position 1 first): the one list of the
// program's pictures. The engine names a reading's pictures by these keys, the picture
// collections find the pictures by them, and assets/CMakeLists.txt reads this file to compile
// the pictures in: a key is its picture's file name in the set's folder, ".jpg" understood
// where the key has none.

#include <array>
#include <string_view>

namespace modRunicAstrology {

inline constexpr std::array<std::string_view, 12> IMGSunsignListKeys{
    "Aries.jpg", "Taurus.jpg",  "Gemini.jpg",      "Cancer.jpg",    "Leo.jpg",      "Virgo.jpg",
    "Libra.jpg", "Scorpio.jpg", "Sagittarius.jpg", "Capricorn.jpg", "Aquarius.jpg", "Pisces.jpg"};

inline constexpr std::array<std::string_view, 12> IMGStoneListKeys{
    "fehu",  "uruz",   "ehwaz",  "algiz",   "wunjo",   "berkano",
    "tiwaz", "eihwaz", "raidho", "nauthiz", "hagalaz", "gebo"};

inline constexpr std::array<std::string_view, 6> IMGStoneListWithPlanetKeys{
    "ansuz.jpg", "isa.jpg", "jera.jpg", "mannaz.jpg", "perthro.jpg", "thurisaz.jpg"};

} // namespace modRunicAstrology
