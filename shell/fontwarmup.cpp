#include "shell/fontwarmup.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#ifdef VELMORA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

// Measured where the system's fonts are described by fontconfig (Linux); elsewhere the main
// thread reads them itself, as it always has.
#ifdef VELMORA_FONTCONFIG

FontWarmUp::FontWarmUp()
    // fontconfig reads its configuration once and keeps it; Qt finds it read.
    : m_configuration(std::async(std::launch::async, [] { FcInit(); })) {
}

void FontWarmUp::LoadFontList(const QList<QFont>& fontsInUse) {
    if (m_fontList.valid())
        return;
    m_fontList = std::async(std::launch::async, [this, fontsInUse] {
        m_configuration.wait();
        (void)QFontDatabase::families();
        // The stand-ins for a missing family are looked up once and kept for every thread;
        // measuring a line of text in each font looks them up here.
        for (const QFont& font : fontsInUse) {
            const QFontMetrics metrics(font);
            (void)metrics.height();
            (void)metrics.horizontalAdvance(QStringLiteral("Velmora"));
        }
    });
}

#else

FontWarmUp::FontWarmUp() = default;

void FontWarmUp::LoadFontList(const QList<QFont>&) {
}

#endif

FontWarmUp::~FontWarmUp() {
    Wait();
}

void FontWarmUp::Wait() {
    if (m_fontList.valid())
        m_fontList.wait();
    if (m_configuration.valid())
        m_configuration.wait();
}
