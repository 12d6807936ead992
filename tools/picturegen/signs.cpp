#include "signs.h"

#include "figures.h"
#include "random.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <cmath>
#include <numbers>

namespace picturegen {

namespace {

const QString symbolFamily = QStringLiteral("DejaVu Sans");

QFont symbolFont() {
    QFont font(symbolFamily);
    font.setPixelSize(100);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QString symbolText(int sign) {
    return QString(QChar(0x2648 + sign));
}

QLinearGradient goldGradient(const QRectF& box) {
    QLinearGradient gold(box.topLeft(), box.bottomRight());
    gold.setColorAt(0.0, QColor(0xff, 0xf4, 0xc2));
    gold.setColorAt(0.3, QColor(0xf2, 0xc8, 0x4b));
    gold.setColorAt(0.55, QColor(0xc4, 0x8b, 0x1c));
    gold.setColorAt(0.78, QColor(0xf6, 0xd8, 0x74));
    gold.setColorAt(1.0, QColor(0x9a, 0x68, 0x0e));
    return gold;
}

void drawPanel(QPainter& painter, double size) {
    QRadialGradient panel(QPointF(size / 2, size / 2), size * 0.72);
    panel.setColorAt(0.0, QColor(0x46, 0x46, 0x46));
    panel.setColorAt(1.0, QColor(0x26, 0x26, 0x26));
    painter.fillRect(QRectF(0, 0, size, size), panel);
}

void drawField(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient field(centre - QPointF(radius * 0.25, radius * 0.3), radius * 1.25);
    field.setColorAt(0.0, QColor(0xa4, 0x1e, 0x1e));
    field.setColorAt(0.55, QColor(0x6e, 0x0e, 0x10));
    field.setColorAt(1.0, QColor(0x38, 0x04, 0x06));
    painter.setPen(Qt::NoPen);
    painter.setBrush(field);
    painter.drawEllipse(centre, radius, radius);
}

void drawSparkle(QPainter& painter, QPointF at, double reach, const QColor& colour) {
    QPainterPath sparkle;
    const double waist = reach * 0.18;
    sparkle.moveTo(at + QPointF(0, -reach));
    sparkle.lineTo(at + QPointF(waist, -waist));
    sparkle.lineTo(at + QPointF(reach, 0));
    sparkle.lineTo(at + QPointF(waist, waist));
    sparkle.lineTo(at + QPointF(0, reach));
    sparkle.lineTo(at + QPointF(-waist, waist));
    sparkle.lineTo(at + QPointF(-reach, 0));
    sparkle.lineTo(at + QPointF(-waist, -waist));
    sparkle.closeSubpath();
    painter.fillPath(sparkle, colour);
}

void drawStars(QPainter& painter, QPointF centre, double radius, const QRectF& keepClear,
               Random& random) {
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        // sqrt keeps the stars evenly spread over the disc rather than bunched in the middle
        const double distance = radius * std::sqrt(random.next());
        const double angle = random.between(0.0, 2.0 * std::numbers::pi);
        const QPointF at = centre + QPointF(distance * std::cos(angle), distance * std::sin(angle));
        if (keepClear.contains(at))
            continue;
        QColor colour(0xff, 0xec, 0xb0);
        colour.setAlphaF(static_cast<float>(random.between(0.45, 1.0)));
        if (i % 9 == 0) {
            drawSparkle(painter, at, random.between(2.6, 4.2), colour);
        } else {
            painter.setBrush(colour);
            const double dot = random.between(0.45, 1.05);
            painter.drawEllipse(at, dot, dot);
        }
    }
}

void drawRing(QPainter& painter, QPointF centre, double radius, double width) {
    const QRectF box(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x3a, 0x22, 0x02), width + 2.0));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(goldGradient(box), width));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(0xff, 0xf1, 0xbc, 170), 0.8));
    painter.drawEllipse(centre, radius - width * 0.18, radius - width * 0.18);
}

// Gold relief: a dark drop shadow, the gold face, a thin dark rim.
void drawGold(QPainter& painter, const QPainterPath& shape, double rim = 1.1) {
    const QRectF box = shape.boundingRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawPath(shape.translated(2.6, 3.2));
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPath(shape.translated(1.4, 1.8));
    painter.setBrush(goldGradient(box));
    painter.setPen(QPen(QColor(0x4a, 0x2c, 0x04), rim));
    painter.drawPath(shape);
}

void drawFigure(QPainter& painter, int sign, const QRectF& box) {
    const Figure figure = signFigure(sign);
    QTransform place;
    place.translate(box.left(), box.top());
    place.scale(box.width() / 100.0, box.height() / 100.0);
    drawGold(painter, place.map(figure.body));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5a, 0x34, 0x06, 220));
    painter.drawPath(place.map(figure.cuts).intersected(place.map(figure.body)));
}

QPainterPath symbolPath(int sign, QPointF centre, double height) {
    QPainterPath glyph;
    glyph.addText(0, 0, symbolFont(), symbolText(sign));
    const QRectF bounds = glyph.boundingRect();
    const double scale = height / std::max(bounds.height(), bounds.width() * 0.9);
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(glyph);
}

} // namespace

QStringList signNames() {
    return {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
            "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
}

QString symbolFontProblem() {
    const QRawFont font = QRawFont::fromFont(symbolFont());
    if (!font.isValid() || font.familyName() != symbolFamily)
        return QStringLiteral("the font \"%1\" is not installed").arg(symbolFamily);
    for (int sign = 0; sign < 12; ++sign) {
        if (!font.supportsCharacter(QChar(0x2648 + sign)))
            return QStringLiteral("\"%1\" lacks the zodiac symbols").arg(symbolFamily);
    }
    return {};
}

QImage drawSignPicture(int sign, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 200.0, size / 200.0);
    Random random(signNames().at(sign));

    const QPointF centre(100, 100);
    const QRectF symbolBox(82, 148, 36, 26);
    drawPanel(painter, 200);
    drawField(painter, centre, 90);
    drawStars(painter, centre, 80, symbolBox, random);
    drawRing(painter, centre, 91, 5.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xe8, 0xbe, 0x50, 200), 1.0));
    painter.drawEllipse(centre, 83.5, 83.5);
    drawFigure(painter, sign, QRectF(41, 27, 118, 118));
    drawGold(painter, symbolPath(sign, symbolBox.center(), 22), 0.7);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace picturegen
