#include "shell/fontwarmup.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#ifdef VELMORA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The stand-ins for a missing family are looked up once and kept for every thread; measuring
// a line of text in each font looks them up.
void lookUpStandIns(const QList<QFont>& fonts) {
    for (const QFont& font : fonts) {
        const QFontMetrics metrics(font);
        (void)metrics.height();
        (void)metrics.horizontalAdvance(QStringLiteral("Velmora"));
    }
}

} // namespace

FontWarmUp::FontWarmUp() {
#ifdef VELMORA_FONTCONFIG
#ifdef __GLIBC__
    // Every thread allocates from the one heap: a heap of its own would keep what the reading
    // thread frees out of the main thread's reach, half a megabyte more for the whole run.
    mallopt(M_ARENA_MAX, 1);
#endif
    // One thread for both steps. fontconfig reads its configuration once and keeps it, so Qt
    // finds it read.
    m_reading = std::async(std::launch::async, [fontsInUse = m_fontsInUse.get_future()]() mutable {
        FcInit();
        const std::optional<QList<QFont>> fonts = fontsInUse.get();
        if (!fonts)
            return;
        (void)QFontDatabase::families();
        lookUpStandIns(*fonts);
    });
#endif
}

FontWarmUp::~FontWarmUp() {
    wait();
}

void FontWarmUp::loadFontList(const QList<QFont>& fontsInUse) {
    if (m_told)
        return;
    m_told = true;
    m_fontsInUse.set_value(fontsInUse);
}

void FontWarmUp::wait() {
    if (!m_told) {
        m_told = true;
        m_fontsInUse.set_value(std::nullopt);
    }
    if (m_reading.valid())
        m_reading.wait();
}
