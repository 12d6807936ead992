#include "shell/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef VELMORA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

FontWarmUp::FontWarmUp() {
#ifdef VELMORA_FONTCONFIG
#ifdef __GLIBC__
    // Every thread allocates from the one heap: a heap of its own would keep what the reading
    // thread frees out of the main thread's reach, half a megabyte more for the whole run.
    mallopt(M_ARENA_MAX, 1);
#endif
    // One thread for both steps. fontconfig reads its configuration once and keeps it, so Qt
    // finds it read.
    m_reading = std::async(std::launch::async, [goOn = m_goOn.get_future()]() mutable {
        FcInit();
        if (goOn.get())
            (void)QFontDatabase::families();
    });
#endif
}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::loadFontList() {
    if (m_told)
        return;
    m_told = true;
    m_goOn.set_value(true);
}

void FontWarmUp::wait() {
    if (!m_told) {
        m_told = true;
        m_goOn.set_value(false);
    }
    if (m_reading.valid())
        m_reading.wait();
}
