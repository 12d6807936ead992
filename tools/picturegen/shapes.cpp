#include "shapes.h"

#include <QTransform>

#include <cmath>
#include <numbers>

namespace picturegen {

namespace {
QPointF catmullRom(const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3,
                   double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    return 0.5 * ((2.0 * p1) + (-p0 + p2) * t + (2.0 * p0 - 5.0 * p1 + 4.0 * p2 - p3) * t2 +
                  (-p0 + 3.0 * p1 - 3.0 * p2 + p3) * t3);
}

QPointF unitNormal(const QPointF& from, const QPointF& to) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0.0)
        return {0.0, 0.0};
    return {-d.y() / length, d.x() / length};
}
} // namespace

QList<QPointF> smoothLine(const QList<QPointF>& points, int samplesPerSegment) {
    if (points.size() < 3)
        return points;
    QList<QPointF> result;
    const qsizetype n = points.size();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        const QPointF& p0 = points.at(std::max<qsizetype>(i - 1, 0));
        const QPointF& p1 = points.at(i);
        const QPointF& p2 = points.at(i + 1);
        const QPointF& p3 = points.at(std::min(i + 2, n - 1));
        for (int s = 0; s < samplesPerSegment; ++s)
            result.append(catmullRom(p0, p1, p2, p3, static_cast<double>(s) / samplesPerSegment));
    }
    result.append(points.last());
    return result;
}

QPainterPath smoothClosed(const QList<QPointF>& points) {
    QPainterPath path;
    const qsizetype n = points.size();
    path.moveTo(points.first());
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF& p0 = points.at((i + n - 1) % n);
        const QPointF& p1 = points.at(i);
        const QPointF& p2 = points.at((i + 1) % n);
        const QPointF& p3 = points.at((i + 2) % n);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath polygon(const QList<QPointF>& points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath tapered(const QList<QPointF>& spine, double startWidth, double endWidth) {
    const QList<QPointF> points = smoothLine(spine);
    const qsizetype n = points.size();
    QList<QPointF> left;
    QList<QPointF> right;
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF normal =
            unitNormal(points.at(std::max<qsizetype>(i - 1, 0)), points.at(std::min(i + 1, n - 1)));
        const double t = n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0.0;
        const double half = (startWidth + (endWidth - startWidth) * t) / 2.0;
        left.append(points.at(i) + normal * half);
        right.prepend(points.at(i) - normal * half);
    }
    QPainterPath band = polygon(left + right);
    band.setFillRule(Qt::WindingFill);
    band.addEllipse(points.first(), startWidth / 2.0, startWidth / 2.0);
    band.addEllipse(points.last(), endWidth / 2.0, endWidth / 2.0);
    return band.simplified();
}

QPainterPath line(const QList<QPointF>& points, double width) {
    return tapered(points, width, width);
}

QPainterPath ellipse(QPointF centre, double radiusX, double radiusY, double degrees) {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), radiusX, radiusY);
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(degrees);
    return transform.map(path);
}

QList<QPointF> spiral(QPointF centre, double startDegrees, double endDegrees, double startRadius,
                      double endRadius, int samples) {
    QList<QPointF> points;
    for (int i = 0; i <= samples; ++i) {
        const double t = static_cast<double>(i) / samples;
        const double angle =
            (startDegrees + (endDegrees - startDegrees) * t) * std::numbers::pi / 180.0;
        const double radius = startRadius + (endRadius - startRadius) * t;
        points.append(centre + QPointF(radius * std::cos(angle), radius * std::sin(angle)));
    }
    return points;
}

QPainterPath mirrored(const QPainterPath& path, double axisX) {
    QTransform transform(-1.0, 0.0, 0.0, 1.0, 2.0 * axisX, 0.0);
    return transform.map(path);
}

QList<QPointF> mirrored(const QList<QPointF>& points, double axisX) {
    QList<QPointF> result;
    for (const QPointF& point : points)
        result.append(QPointF(2.0 * axisX - point.x(), point.y()));
    return result;
}

} // namespace picturegen
