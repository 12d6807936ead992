#include "runes.h"

namespace picturegen {

namespace {
using Line = QList<QPointF>;

const Line stave{{0.0, 0.0}, {0.0, 1.0}};
const Line leftStave{{-0.2, 0.0}, {-0.2, 1.0}};

Rune fehu() {
    return {"fehu", {leftStave, {{-0.2, 0.3}, {0.24, 0.02}}, {{-0.2, 0.6}, {0.24, 0.32}}}};
}
Rune uruz() {
    return {"uruz", {{{-0.22, 1.0}, {-0.22, 0.0}, {0.22, 0.36}, {0.22, 1.0}}}};
}
Rune ehwaz() {
    return {"ehwaz", {{{-0.28, 1.0}, {-0.28, 0.0}, {0.0, 0.32}, {0.28, 0.0}, {0.28, 1.0}}}};
}
Rune algiz() {
    return {"algiz", {stave, {{-0.3, 0.06}, {0.0, 0.42}, {0.3, 0.06}}}};
}
Rune wunjo() {
    return {"wunjo", {{{-0.2, 1.0}, {-0.2, 0.0}, {0.22, 0.22}, {-0.2, 0.44}}}};
}
Rune berkano() {
    return {"berkano",
            {leftStave,
             {{-0.2, 0.0}, {0.22, 0.25}, {-0.2, 0.5}},
             {{-0.2, 0.5}, {0.22, 0.75}, {-0.2, 1.0}}}};
}
Rune tiwaz() {
    return {"tiwaz", {stave, {{-0.27, 0.3}, {0.0, 0.0}, {0.27, 0.3}}}};
}
// the top arm runs right and down, the foot left and up
Rune eihwaz() {
    return {"eihwaz", {{{0.22, 0.22}, {0.0, 0.0}, {0.0, 1.0}, {-0.22, 0.78}}}};
}
Rune raidho() {
    return {"raidho", {{{-0.2, 1.0}, {-0.2, 0.0}, {0.2, 0.22}, {-0.2, 0.46}, {0.22, 1.0}}}};
}
Rune nauthiz() {
    return {"nauthiz", {stave, {{-0.22, 0.36}, {0.22, 0.6}}}};
}
Rune hagalaz() {
    return {
        "hagalaz",
        {{{-0.22, 0.0}, {-0.22, 1.0}}, {{0.22, 0.0}, {0.22, 1.0}}, {{-0.22, 0.36}, {0.22, 0.6}}}};
}
Rune gebo() {
    return {"gebo", {{{-0.3, 0.04}, {0.3, 0.96}}, {{0.3, 0.04}, {-0.3, 0.96}}}};
}

Rune ansuz() {
    return {"ansuz", {leftStave, {{-0.2, 0.0}, {0.24, 0.3}}, {{-0.2, 0.3}, {0.24, 0.6}}}};
}
Rune isa() {
    return {"isa", {stave}};
}
Rune jera() {
    return {
        "jera",
        {{{-0.09, 0.0}, {-0.37, 0.28}, {-0.09, 0.56}}, {{0.09, 0.44}, {0.37, 0.72}, {0.09, 1.0}}}};
}
Rune mannaz() {
    return {"mannaz",
            {{{-0.28, 0.0}, {-0.28, 1.0}},
             {{0.28, 0.0}, {0.28, 1.0}},
             {{-0.28, 0.0}, {0.28, 0.4}},
             {{0.28, 0.0}, {-0.28, 0.4}}}};
}
Rune perthro() {
    return {"perthro",
            {{{-0.22, 0.0}, {-0.22, 1.0}},
             {{-0.22, 0.0}, {0.06, 0.24}, {0.26, 0.02}},
             {{-0.22, 1.0}, {0.06, 0.76}, {0.26, 0.98}}}};
}
Rune thurisaz() {
    return {"thurisaz", {leftStave, {{-0.2, 0.25}, {0.22, 0.5}, {-0.2, 0.75}}}};
}
} // namespace

QList<Rune> signRunes() {
    return {fehu(),  uruz(),   ehwaz(),  algiz(),   wunjo(),   berkano(),
            tiwaz(), eihwaz(), raidho(), nauthiz(), hagalaz(), gebo()};
}

QList<Rune> planetRunes() {
    return {ansuz(), isa(), jera(), mannaz(), perthro(), thurisaz()};
}

Rune iconRune() {
    return algiz();
}

QPainterPath runePath(const Rune& rune) {
    QPainterPath path;
    for (const Line& line : rune.strokes) {
        path.moveTo(line.first());
        for (qsizetype i = 1; i < line.size(); ++i)
            path.lineTo(line.at(i));
    }
    return path;
}

} // namespace picturegen
