#pragma once
// The fields of a reading, each described once: what it is, the control that shows it, its
// heading on the tab and its caption in the report. The reading, the report values, the report
// and the tab pages (with ui/readingcontrols.cpp, which places each field's controls) are all
// made from this table.

#include <array>
#include <cstddef>
#include <string_view>

namespace modRunicAstrology {

// Grouped by where the value comes from: the assembly copies the first groups column by column
// (tables.h), so a field in them needs only its column in the table rows.
enum class Field {
    // The columns of a sign's row, in their order there.
    Sign,
    CorrespondingRuneStone,
    AlternativeName,
    Keywords,
    NordicGod,
    FavorableColor,
    FavorablePlanet,
    StoneWithPlanet,
    ColorWithPlanet,
    SunSignElement,
    SunSignNumber,
    SunSignColor,
    SunSignDay,
    SunSignCompatibility,
    SunSignBirthStone,
    SunSignQuality,
    SunSignFamousPersonBorn,
    // The columns of the planet rune's row.
    AlternativeNameWithPlanet,
    KeywordsWithPlanet,
    GodWithPlanet,
    // The prose (longtexts.h) and the picture keys (picturekeys.h), which the assembly builds.
    AboutYourRuneStone,
    AboutYourRuneStoneWithPlanet,
    SunSignPositiveTraits,
    SunSignNegativeTraits,
    StonePicture,
    StoneWithPlanetPicture,
    SunSignPicture, // the last field
};

enum class FieldKind { Text, LongText, PictureKey };

// The report's two parts, each under its heading.
enum class ReportSection { RuneStone, Characteristics };

struct FieldDescription {
    Field field;
    FieldKind kind;
    std::string_view control;       // the name of the control that shows it
    std::string_view tabCaption;    // its heading on the tab page; none for a picture
    std::string_view reportCaption; // none: not in the report (the pictures)
    ReportSection section;
};

// In the report's order.
inline constexpr auto Fields = std::to_array<FieldDescription>({
    {Field::Sign, FieldKind::Text, "lblSunSign", "Your Sun Sign", "Your Sun Sign :-",
     ReportSection::RuneStone},
    {Field::CorrespondingRuneStone, FieldKind::Text, "lblCorrespondingRuneStone",
     "Corresponding Rune Stone", "Corresponding Rune Stone :-", ReportSection::RuneStone},
    {Field::AlternativeName, FieldKind::Text, "lblAlternativeName", "Alternative Names",
     "Alternative Name :-", ReportSection::RuneStone},
    {Field::FavorableColor, FieldKind::Text, "lblFavorableColor", "Favorable Color",
     "Favorable Color :-", ReportSection::RuneStone},
    {Field::NordicGod, FieldKind::Text, "lblNordicGod", "Nordic God", "Nordic God :-",
     ReportSection::RuneStone},
    {Field::Keywords, FieldKind::Text, "lblKeywards", "Keyword", "Key Wards :-",
     ReportSection::RuneStone},
    {Field::AboutYourRuneStone, FieldKind::LongText, "txtAboutYourRuneStone", "Characteristics",
     "About Your Rune Stone :-", ReportSection::RuneStone},
    {Field::FavorablePlanet, FieldKind::Text, "lblFavorablePlanet", "Your Favorable Planet is",
     "Your Favorable Planet is :-", ReportSection::RuneStone},
    {Field::GodWithPlanet, FieldKind::Text, "lblGodWithPlanet", "God Associated With Planet",
     "God Associated With Planet :-", ReportSection::RuneStone},
    {Field::ColorWithPlanet, FieldKind::Text, "lblColorWithPlanet", "Color Associated With Planet",
     "Color Associated With Planet :-", ReportSection::RuneStone},
    {Field::StoneWithPlanet, FieldKind::Text, "lblStoneWithPlanet", "Stone Associated With Planet",
     "Stone Associated With Planet :-", ReportSection::RuneStone},
    {Field::AlternativeNameWithPlanet, FieldKind::Text, "lblAlternativeNameWithPlanet",
     "Alternative Names", "Alternative Names :-", ReportSection::RuneStone},
    {Field::KeywordsWithPlanet, FieldKind::Text, "lblKeywardsWithPlanet", "Keywords", "Keywords :-",
     ReportSection::RuneStone},
    {Field::AboutYourRuneStoneWithPlanet, FieldKind::LongText, "txtAboutYourRuneStoneWithPlanet",
     "Characteristics", "About Your Rune Stone Associate With Planet :-", ReportSection::RuneStone},
    {Field::SunSignElement, FieldKind::Text, "lblSunSignElement", "Element", "Element :-",
     ReportSection::Characteristics},
    {Field::SunSignNumber, FieldKind::Text, "lblSunSignNumber", "Lucky Number", "Lucky Number :-",
     ReportSection::Characteristics},
    {Field::SunSignColor, FieldKind::Text, "lblSunSignColor", "Lucky Color", "Lucky Color :-",
     ReportSection::Characteristics},
    {Field::SunSignDay, FieldKind::Text, "lblSunSignDay", "Lucky Day", "Lucky Day :-",
     ReportSection::Characteristics},
    {Field::SunSignCompatibility, FieldKind::Text, "lblSunSignCompatibility", "Compatibility",
     "Compatibility :-", ReportSection::Characteristics},
    {Field::SunSignBirthStone, FieldKind::Text, "lblSunSignBirthStone", "Birthstone",
     "Birth Stone :-", ReportSection::Characteristics},
    {Field::SunSignQuality, FieldKind::Text, "lblSunSignQuality", "Quality", "Quality :-",
     ReportSection::Characteristics},
    {Field::SunSignFamousPersonBorn, FieldKind::Text, "lblSunSignFamousPersonBorn",
     "Famous Personalities born under this sign", "Famous Personalities born under this sign :-",
     ReportSection::Characteristics},
    {Field::SunSignPositiveTraits, FieldKind::LongText, "txtSunSignPositiveTraits",
     "Positive Traits", "Positive Traits :-", ReportSection::Characteristics},
    {Field::SunSignNegativeTraits, FieldKind::LongText, "txtSunSignNegativeTraits",
     "Negative Traits", "Negative Traits :-", ReportSection::Characteristics},
    {Field::StonePicture, FieldKind::PictureKey, "picStone", {}, {}, ReportSection::RuneStone},
    {Field::StoneWithPlanetPicture,
     FieldKind::PictureKey,
     "picStonewithplanet",
     {},
     {},
     ReportSection::RuneStone},
    {Field::SunSignPicture,
     FieldKind::PictureKey,
     "picSunSign",
     {},
     {},
     ReportSection::Characteristics},
});

inline constexpr std::size_t FieldCount = Fields.size();

constexpr std::size_t fieldIndex(Field field) {
    return static_cast<std::size_t>(field);
}

constexpr const FieldDescription& describe(Field field) {
    for (const FieldDescription& description : Fields) {
        if (description.field == field)
            return description;
    }
    return Fields.back(); // not reached: every field is described (checked below)
}

namespace fieldChecks {
constexpr bool eachFieldDescribedOnce() {
    std::array<int, FieldCount> seen{};
    for (const FieldDescription& description : Fields) {
        const std::size_t i = fieldIndex(description.field);
        if (i >= FieldCount || seen[i]++ > 0)
            return false;
    }
    return fieldIndex(Field::SunSignPicture) + 1 == FieldCount;
}

// A text has both captions and a picture neither; each report section is one run of rows, as
// its heading stands once.
constexpr bool captionsAndSectionsFit() {
    bool inCharacteristics = false;
    for (const FieldDescription& description : Fields) {
        const bool picture = description.kind == FieldKind::PictureKey;
        if (picture != description.tabCaption.empty() ||
            picture != description.reportCaption.empty())
            return false;
        if (picture)
            continue;
        if (inCharacteristics && description.section == ReportSection::RuneStone)
            return false;
        inCharacteristics = description.section == ReportSection::Characteristics;
    }
    return true;
}
} // namespace fieldChecks
static_assert(fieldChecks::eachFieldDescribedOnce(), "every field needs one row in Fields");
static_assert(fieldChecks::captionsAndSectionsFit(), "a caption or a report section is amiss");

} // namespace modRunicAstrology
