#pragma once
// The long prose of the readings. Each text is stored once; the two texts that a reading
// shows joined from two parts keep their parts apart here and are joined by the assembly.

#include <array>
#include <string_view>

namespace modRunicAstrology::longTexts {

struct SignTexts {
    std::string_view aboutRuneStone;           // the sign rune's meaning
    std::string_view aboutRuneStoneSecondPart; // only "Aries": joined after "\r\n"
    std::string_view positiveTraits;
    std::string_view positiveTraitsSecondPart; // only "Leo": joined directly, nothing between
    std::string_view negativeTraits;
};

// In sign order, "Aries" … "Pisces".
extern const std::array<SignTexts, 12> Signs;

// In planet-rune order: Ansuz, Isa, Jera, Mannaz, Perthro, Thurisaz.
extern const std::array<std::string_view, 6> PlanetRunes;

} // namespace modRunicAstrology::longTexts
