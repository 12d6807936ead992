#include "reading/engine.h"
#include "reading/tables.h"

namespace modRunicAstrology {

BirthDetails CurrentBirthDetails;
std::string CurrentSunSign;

namespace {

std::string aboutYourRuneStoneOf(const LongTexts::SignTexts& texts) {
    std::string about(texts.aboutRuneStone);
    if (!texts.aboutRuneStoneSecondPart.empty()) {
        about += "\r\n";
        about += texts.aboutRuneStoneSecondPart;
    }
    return about;
}

std::string positiveTraitsOf(const LongTexts::SignTexts& texts) {
    std::string traits;
    traits.reserve(texts.positiveTraits.size() + texts.positiveTraitsSecondPart.size());
    traits += texts.positiveTraits;
    traits += texts.positiveTraitsSecondPart;
    return traits;
}

void fillSignRune(Reading& reading, const SignRow& row) {
    reading.CorrespondingRuneStone = row.CorrespondingRuneStone;
    reading.Keywords = row.Keywords;
    reading.AlternativeName = row.AlternativeName;
    reading.AboutYourRuneStone = aboutYourRuneStoneOf(signTextsOf(row));
    reading.FavorableColor = row.FavorableColor;
    reading.NordicGod = row.NordicGod;
    reading.StonePicture = pictureKeyAt(IMGStoneListKeys, row.StonePicturePosition);
}

void fillPlanet(Reading& reading, const SignRow& row) {
    reading.FavorablePlanet = row.FavorablePlanet;
    reading.StoneWithPlanet = row.StoneWithPlanet;
    if (const PlanetRuneRow* rune = findPlanetRuneRow(row.StoneWithPlanet)) {
        reading.StoneWithPlanetPicture =
            pictureKeyAt(IMGStoneListWithPlanetKeys, rune->StoneWithPlanetPicturePosition);
        reading.AlternativeNameWithPlanet = rune->AlternativeNameWithPlanet;
        reading.KeywordsWithPlanet = rune->KeywordsWithPlanet;
        reading.AboutYourRuneStoneWithPlanet = planetRuneTextOf(*rune);
        reading.GodWithPlanet = rune->GodWithPlanet;
    }
    reading.ColorWithPlanet = row.ColorWithPlanet;
}

void fillCharacteristics(Reading& reading, const SignRow& row) {
    const LongTexts::SignTexts& texts = signTextsOf(row);
    reading.SunSignElement = row.SunSignElement;
    reading.SunSignNumber = row.SunSignNumber;
    reading.SunSignColor = row.SunSignColor;
    reading.SunSignDay = row.SunSignDay;
    reading.SunSignCompatibility = row.SunSignCompatibility;
    reading.SunSignBirthStone = row.SunSignBirthStone;
    reading.SunSignQuality = row.SunSignQuality;
    reading.SunSignFamousPersonBorn = row.SunSignFamousPersonBorn;
    reading.SunSignPositiveTraits = positiveTraitsOf(texts);
    reading.SunSignNegativeTraits = texts.negativeTraits;
    reading.SunSignPicture = pictureKeyAt(IMGSunsignListKeys, row.SunSignPicturePosition);
}

} // namespace

std::optional<Reading> BuildReading(const std::string& sign) {
    const SignRow* row = findSignRow(sign);
    if (!row)
        return std::nullopt;
    Reading reading;
    reading.Sign = row->Sign;
    fillSignRune(reading, *row);
    fillPlanet(reading, *row);
    fillCharacteristics(reading, *row);
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
