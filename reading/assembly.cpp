#include "reading/engine.h"
#include "reading/tables.h"

#include <algorithm>

namespace modRunicAstrology {

BirthDetails CurrentBirthDetails;
std::string CurrentSunSign;

namespace {

std::string aboutYourRuneStoneOf(const longTexts::SignTexts& texts) {
    std::string about(texts.aboutRuneStone);
    if (!texts.aboutRuneStoneSecondPart.empty()) {
        about += "\r\n";
        about += texts.aboutRuneStoneSecondPart;
    }
    return about;
}

std::string positiveTraitsOf(const longTexts::SignTexts& texts) {
    std::string traits;
    traits.reserve(texts.positiveTraits.size() + texts.positiveTraitsSecondPart.size());
    traits += texts.positiveTraits;
    traits += texts.positiveTraitsSecondPart;
    return traits;
}

void fillFromSign(Reading& reading, const SignRow& row) {
    std::copy(row.columns.begin(), row.columns.end(), reading.values.begin());
    const longTexts::SignTexts& texts = signTextsOf(row);
    reading[Field::AboutYourRuneStone] = aboutYourRuneStoneOf(texts);
    reading[Field::SunSignPositiveTraits] = positiveTraitsOf(texts);
    reading[Field::SunSignNegativeTraits] = texts.negativeTraits;
    reading[Field::StonePicture] = pictureKeyAt(IMGStoneListKeys, row.picturePositions.stone);
    reading[Field::SunSignPicture] = pictureKeyAt(IMGSunsignListKeys, row.picturePositions.sign);
}

void fillFromPlanetRune(Reading& reading, const PlanetRuneRow& rune) {
    std::copy(rune.columns.begin(), rune.columns.end(), reading.values.begin() + SignColumns);
    reading[Field::AboutYourRuneStoneWithPlanet] = planetRuneTextOf(rune);
    reading[Field::StoneWithPlanetPicture] =
        pictureKeyAt(IMGStoneListWithPlanetKeys, rune.picturePosition);
}

} // namespace

std::optional<Reading> BuildReading(const std::string& sign) {
    const SignRow* row = findSignRow(sign);
    if (!row)
        return std::nullopt;
    Reading reading;
    fillFromSign(reading, *row);
    if (const PlanetRuneRow* rune = findPlanetRuneRow((*row)[Field::StoneWithPlanet]))
        fillFromPlanetRune(reading, *rune);
    return reading;
}

GenerateResult generateReading(const GenerateRequest& request) {
    GenerateResult result{ValidateBirthDetails(request.nameText, request.dayPosition,
                                               request.monthPosition, request.yearText),
                          std::nullopt};
    if (!result.validation.accepted)
        return result;

    CurrentBirthDetails =
        CaptureBirthDetails(request.nameText, request.dayText, request.monthText, request.yearText);
    // The list positions, not the captured values, decide the sign.
    if (auto sign = FindSunSign(request.monthPosition, request.dayPosition))
        CurrentSunSign = std::move(*sign);
    result.reading = BuildReading(CurrentSunSign);
    return result;
}

} // namespace modRunicAstrology
