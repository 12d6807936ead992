#pragma once
// Reading the system's fonts is the costliest single step of start-up, and the first window
// cannot be measured out without it. FontWarmUp reads them on a second thread while the main
// thread gets on with the rest: the system's font configuration from the moment it is made,
// then, once the application object exists, Qt's list of fonts. The main thread needs no
// hand-over: Qt's font list waits for a reader that is still at work, and is whole when it
// goes on.
//
// It stops there. The fonts themselves are opened where they are drawn: Qt keeps opened fonts
// per thread, and opening one holds the font list's lock, so opening them here would only keep
// the main thread waiting.

#include <future>

class FontWarmUp {
public:
    // Starts reading the system's font configuration; made before the application object.
    // Does nothing where the fonts are not described by fontconfig.
    FontWarmUp();
    // Waits for the reading thread: the application object must outlive it.
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Goes on to Qt's list of fonts; call once the application object exists.
    void loadFontList();
    // Returns once the reading thread is done; it reads no further than it has been told to.
    void wait();

private:
    std::promise<bool> m_goOn;
    bool m_told = false;
    std::future<void> m_reading;
};
