#pragma once

#include <QFrame>

class ReadingControls;

// Tab 1 of the reading window, "Sun Sign Characteristics": the sign, its lucky things, its
// famous people and its traits, beside the sign's picture.
class SunSignPage : public QFrame {
    Q_OBJECT
public:
    // Creates the page's value controls into `shown`.
    explicit SunSignPage(ReadingControls& shown, QWidget* parent = nullptr);
};
