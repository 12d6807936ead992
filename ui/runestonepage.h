#pragma once

#include <QFrame>

class ReadingControls;

// Tab 0 of the reading window, "Corresponding Rune Stone": the sign's rune stone and, in the
// green inner panel, the rune stone of the sign's favourable planet.
class RuneStonePage : public QFrame {
    Q_OBJECT
public:
    // Creates the page's value controls into `shown`.
    explicit RuneStonePage(ReadingControls& shown, QWidget* parent = nullptr);
};
