#pragma once
// A fixed, ordered set of pictures compiled into the program, reached by 1-based position or
// by key; both name the same picture. Pictures are decoded when asked for.

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
    QPixmap picture(int position) const;    // null outside 1…count()
    QPixmap picture(const QString& key) const;
    QString resourcePath(int position) const; // e.g. ":/IMGStoneList/fehu"; empty outside 1…count()

    // The three collections of the main window, in the order of the engine's tables.
    static PictureCollection sunSigns(); // IMGSunsignList, "Aries.jpg" … "Pisces.jpg"
    static PictureCollection stones();   // IMGStoneList, "fehu" … "gebo"
    static PictureCollection
    stonesWithPlanet(); // IMGStoneListWithPlanet, "ansuz.jpg" … "thurisaz.jpg"

private:
    QStringList m_keys;
    QString m_folder;
};
