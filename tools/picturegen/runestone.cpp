#include "runestone.h"

#include "random.h"
#include "shapes.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace picturegen {

namespace {

// A single-channel float picture, for masks and height fields.
class FloatMap {
public:
    FloatMap(int width, int height)
        : m_width(width)
        , m_height(height)
        , m_values(static_cast<std::size_t>(width * height), 0.0f) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    float at(int x, int y) const {
        x = std::clamp(x, 0, m_width - 1);
        y = std::clamp(y, 0, m_height - 1);
        return m_values[index(x, y)];
    }
    void set(int x, int y, float value) { m_values[index(x, y)] = value; }

    // Two box passes in each direction come close enough to a Gaussian.
    FloatMap blurred(int radius) const {
        FloatMap result = *this;
        for (int pass = 0; pass < 2; ++pass) {
            result = result.boxPass(radius, true);
            result = result.boxPass(radius, false);
        }
        return result;
    }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * m_width + x); }

    FloatMap boxPass(int radius, bool horizontal) const {
        FloatMap result(m_width, m_height);
        const float scale = 1.0f / static_cast<float>(2 * radius + 1);
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                float sum = 0.0f;
                for (int d = -radius; d <= radius; ++d)
                    sum += horizontal ? at(x + d, y) : at(x, y + d);
                result.set(x, y, sum * scale);
            }
        }
        return result;
    }

    int m_width;
    int m_height;
    std::vector<float> m_values;
};

FloatMap coverage(const QPainterPath& path, QSize size) {
    QImage image(size, QImage::Format_Grayscale8);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(path, Qt::white);
    }
    FloatMap map(size.width(), size.height());
    for (int y = 0; y < size.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < size.width(); ++x)
            map.set(x, y, static_cast<float>(line[x]) / 255.0f);
    }
    return map;
}

struct StoneShape {
    QPainterPath outline;
    QPointF centre;
    double halfWidth;
    double halfHeight;
};

StoneShape stoneOutline(Random& random, QSize size, bool square) {
    StoneShape shape;
    const double w = size.width();
    const double h = size.height();
    shape.halfWidth = w * (square ? 0.40 : 0.42) * random.between(0.96, 1.03);
    shape.halfHeight = h * (square ? 0.45 : 0.43) * random.between(0.96, 1.02);
    shape.centre = QPointF(w / 2.0 - w * 0.015 + random.between(-0.01, 0.01) * w,
                           h / 2.0 - h * 0.015 + random.between(-0.01, 0.01) * h);

    struct Wave {
        double amplitude;
        double phase;
    };
    QList<Wave> waves;
    for (int k = 2; k <= 6; ++k)
        waves.append({random.between(0.015, 0.05) / std::sqrt(k - 1.0),
                      random.between(0.0, 2.0 * std::numbers::pi)});

    QList<QPointF> points;
    const int count = 48;
    for (int i = 0; i < count; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / count;
        double radius = 1.0;
        for (int k = 2; k <= 6; ++k) {
            const Wave& wave = waves.at(k - 2);
            radius += wave.amplitude * std::cos(k * angle + wave.phase);
        }
        // a squarer superellipse reads as a stone rather than an egg
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const double squareness = 0.75;
        const double x = std::copysign(std::pow(std::abs(c), squareness), c);
        const double y = std::copysign(std::pow(std::abs(s), squareness), s);
        points.append(shape.centre +
                      QPointF(x * shape.halfWidth * radius, y * shape.halfHeight * radius));
    }
    shape.outline = smoothClosed(points);
    return shape;
}

QPainterPath letterGroove(const Rune& rune, const StoneShape& shape, Random& random, bool icon) {
    const double letterHeight = shape.halfHeight * (icon ? 1.25 : 1.08);
    QTransform transform;
    transform.translate(shape.centre.x() + random.between(-0.03, 0.03) * shape.halfWidth,
                        shape.centre.y() + random.between(-0.02, 0.02) * shape.halfHeight);
    transform.rotate(random.between(-4.0, 4.0));
    transform.scale(letterHeight, letterHeight);
    transform.translate(0.0, -0.5);
    const QPainterPath letter = transform.map(runePath(rune));

    QPainterPathStroker stroker;
    stroker.setWidth(std::max(1.7, letterHeight * (icon ? 0.15 : 0.125)));
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::SvgMiterJoin);
    stroker.setMiterLimit(2.0);
    return stroker.createStroke(letter).simplified();
}

struct Rgb {
    double r;
    double g;
    double b;
};

Rgb mix(const Rgb& a, const Rgb& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

int channel(double value) {
    return std::clamp(static_cast<int>(std::lround(value * 255.0)), 0, 255);
}

Rgb panelColour(int x, int y, QSize size) {
    const double dx = (x - size.width() / 2.0) / size.width();
    const double dy = (y - size.height() / 2.0) / size.height();
    const double grey = 0.27 - 0.22 * (dx * dx + dy * dy);
    return {grey, grey, grey * 1.02};
}

} // namespace

QImage drawRuneStone(const Rune& rune, QSize size, StoneBackground background) {
    const bool icon = background == StoneBackground::Transparent;
    Random random(rune.key + (icon ? QStringLiteral("@icon") : QString()));
    const StoneShape shape = stoneOutline(random, size, icon);
    const QPainterPath groove = letterGroove(rune, shape, random, icon);

    const double unit = shape.halfHeight / 65.0; // 1 for a full-size stone
    const auto pixels = [unit](double amount) {
        return std::max(1, static_cast<int>(amount * unit));
    };

    const FloatMap stone = coverage(shape.outline, size);
    const FloatMap dome = stone.blurred(pixels(6.0));
    const FloatMap cut = coverage(groove, size);
    const FloatMap cutSoft = cut.blurred(unit > 0.4 ? pixels(1.2) : 0);
    // a dark rim keeps a small icon apart from any background it lands on
    const FloatMap edge = stone.blurred(1);
    QPainterPath shadowPath = shape.outline.translated(3.0 * unit, 4.0 * unit);
    const FloatMap shadow = coverage(shadowPath, size).blurred(pixels(3.0));

    Noise grain(random, 16);
    Noise mottle(random, 8);
    Noise veins(random, 8);
    // turning the grain hides the square lattice of the noise
    const double grainAngle = random.between(0.0, std::numbers::pi);
    const double grainCos = std::cos(grainAngle);
    const double grainSin = std::sin(grainAngle);
    const double hue = random.between(0.39, 0.44);
    const double saturation = random.between(0.38, 0.55);
    const double lightness = random.between(0.33, 0.40);
    const QColor base = QColor::fromHslF(static_cast<float>(hue), static_cast<float>(saturation),
                                         static_cast<float>(lightness));
    const Rgb baseRgb{base.redF(), base.greenF(), base.blueF()};
    const Rgb paleRgb = mix(baseRgb, Rgb{0.75, 0.85, 0.72}, 0.35);
    const Rgb darkRgb = mix(baseRgb, Rgb{0.02, 0.08, 0.05}, 0.45);
    const Rgb cutRgb{0.025, 0.03, 0.028};

    // height: a dome, gentle lumps, fine grain, minus the groove
    FloatMap height(size.width(), size.height());
    const double domeHeight = 16.0 * unit;
    const double cutDepth = 6.0 * unit;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const double u = x / (40.0 * unit);
            const double v = y / (40.0 * unit);
            const double lumps = mottle.at(u * 0.7, v * 0.7, 2) * 3.0 * unit;
            const double fine = grain.at(u * 6.0, v * 6.0, 2) * 0.35 * unit;
            const double h = domeHeight * std::sqrt(dome.at(x, y)) +
                             (lumps + fine) * dome.at(x, y) - cutDepth * cutSoft.at(x, y);
            height.set(x, y, static_cast<float>(h));
        }
    }

    const double lightLength = std::sqrt(0.55 * 0.55 + 0.75 * 0.75 + 1.0);
    const double lx = -0.55 / lightLength;
    const double ly = -0.75 / lightLength;
    const double lz = 1.0 / lightLength;
    const double halfLength = std::sqrt(lx * lx + ly * ly + (lz + 1.0) * (lz + 1.0));
    const double hx = lx / halfLength;
    const double hy = ly / halfLength;
    const double hz = (lz + 1.0) / halfLength;

    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double gx = (height.at(x + 1, y) - height.at(x - 1, y)) / 2.0;
            const double gy = (height.at(x, y + 1) - height.at(x, y - 1)) / 2.0;
            const double normalLength = std::sqrt(gx * gx + gy * gy + 1.0);
            const double nx = -gx / normalLength;
            const double ny = -gy / normalLength;
            const double nz = 1.0 / normalLength;
            const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
            const double gloss = std::pow(std::max(0.0, nx * hx + ny * hy + nz * hz), 28.0) * 0.28;

            const double u = (x * grainCos - y * grainSin) / (40.0 * unit);
            const double v = (x * grainSin + y * grainCos) / (40.0 * unit);
            const double patch = mottle.at(u * 1.3 + 3.0, v * 1.3, 3);
            Rgb albedo =
                mix(baseRgb, patch > 0 ? paleRgb : darkRgb, std::min(1.0, std::abs(patch) * 1.5));
            // thin pale veins where the noise crosses zero, as in serpentine
            const double vein =
                1.0 - smoothstep(0.0, 0.045, std::abs(veins.at(u * 1.1, v * 2.2, 3)));
            albedo = mix(albedo, paleRgb, 0.55 * vein);
            const double fleck = grain.at(u * 11.0, v * 11.0, 2);
            albedo = mix(albedo, paleRgb, 0.45 * smoothstep(0.38, 0.55, fleck));
            albedo = mix(albedo, darkRgb, 0.5 * smoothstep(0.4, 0.6, -fleck));

            const double inCut = cutSoft.at(x, y);
            const double core = smoothstep(0.45, 0.9, cut.at(x, y) * inCut);
            albedo = mix(albedo, cutRgb, 0.35 * inCut + 0.65 * core);
            const double occlusion = 1.0 - 0.35 * inCut;
            const double light = (0.32 + 0.95 * diffuse) * occlusion;
            const double shine = gloss * (1.0 - core);
            Rgb lit{albedo.r * light + shine, albedo.g * light + shine, albedo.b * light + shine};
            if (icon)
                lit = mix(lit, Rgb{0.03, 0.12, 0.07},
                          0.7 * (1.0 - smoothstep(0.5, 0.9, edge.at(x, y))));

            const double cover = stone.at(x, y);
            const double shade = shadow.at(x, y) * (1.0 - cover);
            if (icon) {
                const double alpha = cover + 0.45 * shade;
                const double keep = alpha > 0.0 ? cover / alpha : 0.0;
                line[x] = qRgba(channel(lit.r * keep), channel(lit.g * keep), channel(lit.b * keep),
                                channel(alpha));
            } else {
                Rgb panel = panelColour(x, y, size);
                panel = mix(panel, Rgb{0.0, 0.0, 0.0}, 0.6 * shade);
                const Rgb out = mix(panel, lit, cover);
                line[x] = qRgb(channel(out.r), channel(out.g), channel(out.b));
            }
        }
    }
    return image;
}

} // namespace picturegen
