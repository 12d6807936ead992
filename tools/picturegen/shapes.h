#pragma once
// Small drawing helpers for the figures: smooth curves, tapered strokes, spirals.

#include <QList>
#include <QPainterPath>
#include <QPointF>

namespace picturegen {

// Catmull-Rom through the points, sampled finely; the ends are kept.
QList<QPointF> smoothLine(const QList<QPointF>& points, int samplesPerSegment = 12);
QPainterPath smoothClosed(const QList<QPointF>& points);
QPainterPath polygon(const QList<QPointF>& points);

// A round-ended band along the spine whose width runs from startWidth to endWidth.
QPainterPath tapered(const QList<QPointF>& spine, double startWidth, double endWidth);
QPainterPath line(const QList<QPointF>& points, double width);
QPainterPath ellipse(QPointF centre, double radiusX, double radiusY, double degrees = 0.0);

// Points on a spiral, angles in degrees (y grows downwards, so positive turns clockwise).
QList<QPointF> spiral(QPointF centre, double startDegrees, double endDegrees, double startRadius,
                      double endRadius, int samples = 60);

QPainterPath mirrored(const QPainterPath& path, double axisX = 50.0);
QList<QPointF> mirrored(const QList<QPointF>& points, double axisX = 50.0);

} // namespace picturegen
