#pragma once

#include <QLabel>

// A label that reports a click (press and release over it), as the link labels of the
// windows need; the pointing hand is only for the labels that look like links.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr, bool pointingHand = true);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
