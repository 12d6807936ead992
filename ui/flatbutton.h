#pragma once

#include <QPushButton>

// A push button with a flat grey face and a raised edge, its caption wrapped over as many lines
// as the face needs; under high contrast the desktop's button colours with a plain edge. Painted
// by hand: a style sheet would cost every window its start-up time.
class FlatButton : public QPushButton {
    Q_OBJECT
public:
    explicit FlatButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
