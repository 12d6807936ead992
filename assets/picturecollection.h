#pragma once
// A fixed, ordered set of pictures compiled into the program, reached by 1-based position or
// by key; both name the same picture. Pictures are decoded when asked for. Each picture also
// comes drawn at twice its size ("fehu@2x", "Aries@2x.jpg") for screens of a higher density.

#include <QPixmap>
#include <QString>
#include <QStringList>

class PictureCollection {
public:
    // keys in position order; resourceFolder e.g. ":/IMGStoneList"
    PictureCollection(QStringList keys, QString resourceFolder);

    int count() const { return static_cast<int>(m_keys.size()); }
    QString key(int position) const;        // empty outside 1…count()
    int position(const QString& key) const; // 0 for an unknown key
    // Null outside 1…count(). For a device pixel ratio above 1 the picture is made from the
    // large one, at the same size in logical pixels and the given ratio; at 1 only the small
    // one is decoded.
    QPixmap picture(int position, qreal devicePixelRatio = 1.0) const;
    QPixmap picture(const QString& key, qreal devicePixelRatio = 1.0) const;
    QString resourcePath(int position) const; // e.g. ":/IMGStoneList/fehu"; empty outside 1…count()
    QString largeResourcePath(int position) const; // e.g. ":/IMGSunsignList/Aries@2x.jpg"

    // The three collections of the main window, keyed as reading/picturekeys.h lists them.
    static PictureCollection sunSigns();         // IMGSunsignList
    static PictureCollection stones();           // IMGStoneList
    static PictureCollection stonesWithPlanet(); // IMGStoneListWithPlanet

private:
    QStringList m_keys;
    QString m_folder;
};
