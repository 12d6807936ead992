#include "support/shownreading.h"

#include "ui/frmmain.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace shownreading {

using R = Reading;

const std::array<TextControl, 24> TextControls = {{
    {"lblSunSign", &R::Sign},
    {"lblCorrespondingRuneStone", &R::CorrespondingRuneStone},
    {"lblKeywards", &R::Keywords},
    {"lblAlternativeName", &R::AlternativeName},
    {"txtAboutYourRuneStone", &R::AboutYourRuneStone},
    {"lblFavorableColor", &R::FavorableColor},
    {"lblNordicGod", &R::NordicGod},
    {"lblFavorablePlanet", &R::FavorablePlanet},
    {"lblStoneWithPlanet", &R::StoneWithPlanet},
    {"lblAlternativeNameWithPlanet", &R::AlternativeNameWithPlanet},
    {"lblKeywardsWithPlanet", &R::KeywordsWithPlanet},
    {"txtAboutYourRuneStoneWithPlanet", &R::AboutYourRuneStoneWithPlanet},
    {"lblGodWithPlanet", &R::GodWithPlanet},
    {"lblColorWithPlanet", &R::ColorWithPlanet},
    {"lblSunSignElement", &R::SunSignElement},
    {"lblSunSignNumber", &R::SunSignNumber},
    {"lblSunSignColor", &R::SunSignColor},
    {"lblSunSignDay", &R::SunSignDay},
    {"lblSunSignCompatibility", &R::SunSignCompatibility},
    {"lblSunSignBirthStone", &R::SunSignBirthStone},
    {"lblSunSignQuality", &R::SunSignQuality},
    {"lblSunSignFamousPersonBorn", &R::SunSignFamousPersonBorn},
    {"txtSunSignPositiveTraits", &R::SunSignPositiveTraits},
    {"txtSunSignNegativeTraits", &R::SunSignNegativeTraits},
}};

const std::array<PictureControl, 3> PictureControls = {{
    {"picStone", &R::StonePicture, &frmMain::IMGStoneList},
    {"picStonewithplanet", &R::StoneWithPlanetPicture, &frmMain::IMGStoneListWithPlanet},
    {"picSunSign", &R::SunSignPicture, &frmMain::IMGSunsignList},
}};

QString textOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return box->toPlainText();
    return QStringLiteral("<no such control>");
}

QString asShown(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString textDifference(const QWidget& readingWindow, const Reading& reading) {
    for (const TextControl& control : TextControls) {
        const QString shown =
            textOf(readingWindow.findChild<QWidget*>(QLatin1String(control.name)));
        if (shown != asShown(reading.*control.field))
            return QLatin1String(control.name) + QStringLiteral(" shows ") + shown.left(60);
    }
    return {};
}

} // namespace shownreading
