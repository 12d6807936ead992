#pragma once

#include <QLabel>

#include <functional>

// A picture made for the pixel ratio of the screen it is shown on: on a denser screen it comes
// from the large picture at the same size on screen, so it stays sharp; on an ordinary screen
// only the small one is decoded. Made again when the window lands on a screen of another ratio.
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    // Gives the picture for a device pixel ratio.
    using Source = std::function<QPixmap(qreal devicePixelRatio)>;

    explicit PictureLabel(QWidget* parent = nullptr);

    // Shows the source's picture for the ratio the label has now.
    void setSource(Source source);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void decode(qreal devicePixelRatio);

    Source m_source;
    qreal m_decodedFor = 0.0;
};
