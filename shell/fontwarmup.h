#pragma once
// Reading the system's fonts is the costliest single step of start-up, and the first window
// cannot be measured out without it. FontWarmUp reads them on a second thread while the main
// thread gets on with the rest: the system's font configuration from the moment it is made,
// then, once the application object exists, Qt's list of fonts and the stand-ins the font
// system picks for the fonts the first window asks for by name. The main thread needs no
// hand-over: Qt's font list waits for a reader that is still at work, and is whole when it
// goes on.

#include <QFont>
#include <QList>

#include <future>
#include <optional>

class FontWarmUp {
public:
    // Starts reading the system's font configuration; made before the application object.
    // Does nothing where the fonts are not described by fontconfig.
    FontWarmUp();
    // Waits for the reading thread: the application object must outlive it.
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Goes on to Qt's list of fonts and the stand-ins for the given fonts; call once the
    // application object exists.
    void loadFontList(const QList<QFont>& fontsInUse);
    // Returns once the reading thread is done; it reads no further than it has been told to.
    void wait();

private:
    std::promise<std::optional<QList<QFont>>> m_fontsInUse;
    bool m_told = false;
    std::future<void> m_reading;
};
