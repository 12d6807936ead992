#pragma once

#include <QFrame>

// Tab 0 of the reading window, "Corresponding Rune Stone": the sign's rune stone and, in the
// green inner panel, the rune stone of the sign's favourable planet.
class RuneStonePage : public QFrame {
    Q_OBJECT
public:
    explicit RuneStonePage(QWidget* parent = nullptr);

private:
    void createSignRune();
    void createPlanetRune();
};
