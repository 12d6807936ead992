#pragma once

#include <QLabel>

// A label that reports a click (press and release over it), as the link labels of the
// windows need; the pointing hand is only for the labels that look like links. A screen reader
// knows it as a link it can press, which does what a click does without moving the focus.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr, bool pointingHand = true);

    // What a click does; pressing the link through a screen reader comes here too.
    void press();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
