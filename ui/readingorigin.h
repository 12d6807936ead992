#pragma once

#include <QObject>
#include <QString>

class PictureCollection;

// What the reading window needs of the window its reading came from, so that it never needs
// that window's class: the picture sets, the date of birth as that window shows it now, and
// the way back.
class ReadingOrigin {
public:
    // The texts of the date lists, as the report's date line takes them.
    struct BirthDate {
        QString monthText, dayText, yearText;
    };

    virtual const PictureCollection& IMGSunsignList() const = 0;
    virtual const PictureCollection& IMGStoneList() const = 0;
    virtual const PictureCollection& IMGStoneListWithPlanet() const = 0;
    virtual BirthDate shownBirthDate() const = 0;
    // Back: the origin comes again, with the inputs it held.
    virtual void showAgain() = 0;

protected:
    ~ReadingOrigin() = default;
};

Q_DECLARE_INTERFACE(ReadingOrigin, "com.quorvanesoftwares.velmora.ReadingOrigin")
