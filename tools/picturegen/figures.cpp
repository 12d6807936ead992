#include "figures.h"

#include "shapes.h"

#include <QTransform>

#include <cmath>
#include <numbers>

namespace picturegen {

namespace {

QPainterPath unite(std::initializer_list<QPainterPath> parts) {
    QPainterPath result;
    result.setFillRule(Qt::WindingFill);
    for (const QPainterPath& part : parts)
        result.addPath(part);
    return result.simplified();
}

// The front shape over the back one, parted by a thin dark gap so both read.
QPainterPath inFront(const QPainterPath& back, const QPainterPath& front, double gap) {
    QPainterPath clearance = front;
    for (QPolygonF outline : front.toSubpathPolygons()) {
        outline.append(outline.first());
        clearance.addPath(line(outline, 2.0 * gap));
    }
    return unite({back.subtracted(unite({clearance})), front});
}

QPointF along(const QList<QPointF>& points, double t) {
    const double index = t * static_cast<double>(points.size() - 1);
    const auto i = static_cast<qsizetype>(std::floor(index));
    if (i + 1 >= points.size())
        return points.last();
    const double f = index - static_cast<double>(i);
    return points.at(i) + (points.at(i + 1) - points.at(i)) * f;
}

// Short cuts across a band, like the rings of a horn or the segments of a tail.
QPainterPath ribs(const QList<QPointF>& spine, double startWidth, double endWidth, int count,
                  double from, double to, double thickness) {
    const QList<QPointF> points = smoothLine(spine);
    QPainterPath result;
    for (int i = 0; i < count; ++i) {
        const double t = from + (to - from) * (i + 0.5) / count;
        const QPointF at = along(points, t);
        const QPointF ahead = along(points, std::min(1.0, t + 0.01));
        const QPointF behind = along(points, std::max(0.0, t - 0.01));
        QPointF normal(-(ahead - behind).y(), (ahead - behind).x());
        normal /= std::hypot(normal.x(), normal.y());
        const double half = (startWidth + (endWidth - startWidth) * t) / 2.0 * 0.8;
        result.addPath(line({at - normal * half, at + normal * half}, thickness));
    }
    return result;
}

QPainterPath almondEye(QPointF centre, double length, double degrees) {
    return ellipse(centre, length / 2.0, length / 5.0, degrees);
}

Figure ram() {
    const QPainterPath face = smoothClosed({{50, 27},
                                            {60, 30},
                                            {62, 42},
                                            {59, 60},
                                            {57, 76},
                                            {56, 86},
                                            {50, 89},
                                            {44, 86},
                                            {43, 76},
                                            {41, 60},
                                            {38, 42},
                                            {40, 30}});
    const QList<QPointF> leftHorn = spiral({25, 44}, -25, -520, 21, 5);
    const QPainterPath horn = tapered(leftHorn, 13, 3.5);
    const QPainterPath ear = ellipse({35, 58}, 7.5, 3.2, 30);
    const QPainterPath behind = unite({horn, mirrored(horn), ear, mirrored(ear)});

    Figure figure;
    figure.body = inFront(behind, face, 1.3);
    const QPainterPath hornRibs = ribs(leftHorn, 13, 3.5, 13, 0.04, 0.8, 1.0);
    figure.cuts = unite({hornRibs, mirrored(hornRibs), almondEye({44.5, 50}, 7, 25),
                         almondEye({55.5, 50}, 7, -25), ellipse({46.5, 83}, 1.5, 2.2, 20),
                         ellipse({53.5, 83}, 1.5, 2.2, -20), line({{50, 56}, {50, 76}}, 0.9),
                         line(smoothLine({{44, 36}, {50, 38}, {56, 36}}), 0.9)});
    return figure;
}

Figure bull() {
    const QPainterPath head = smoothClosed({{50, 30},
                                            {64, 31},
                                            {70, 40},
                                            {66, 56},
                                            {62, 72},
                                            {64, 84},
                                            {50, 91},
                                            {36, 84},
                                            {38, 72},
                                            {34, 56},
                                            {30, 40},
                                            {36, 31}});
    const QList<QPointF> leftHorn{{38, 36}, {24, 34}, {13, 25}, {10, 14}, {15, 6}};
    const QPainterPath horn = tapered(leftHorn, 11, 2.5);
    const QPainterPath ear = ellipse({24, 46}, 9, 4, 18);

    Figure figure;
    figure.body = unite({head, horn, mirrored(horn), ear, mirrored(ear)});
    const QPainterPath hornRibs = ribs(leftHorn, 11, 2.5, 5, 0.05, 0.45, 0.9);
    QPainterPath muzzle;
    muzzle.moveTo(39, 74);
    muzzle.cubicTo(44, 70, 56, 70, 61, 74);
    QPainterPath tuft;
    for (const double x : {44.0, 50.0, 56.0})
        tuft.addPath(line({{x, 33}, {x + (x - 50) * 0.3, 40}, {x, 45}}, 1.0));
    figure.cuts =
        unite({hornRibs, mirrored(hornRibs), line(smoothLine({{39, 74}, {50, 71}, {61, 74}}), 1.0),
               tuft, almondEye({40.5, 53}, 7, 20), almondEye({59.5, 53}, 7, -20),
               ellipse({44.5, 81}, 2.2, 3, 25), ellipse({55.5, 81}, 2.2, 3, -25)});
    return figure;
}

QPainterPath twin(double x, bool leftOfPair) {
    const double inward = leftOfPair ? 1.0 : -1.0;
    const QPainterPath head = ellipse({x, 20}, 8, 8.8);
    const QPainterPath torso = smoothClosed({{x - 10, 34},
                                             {x, 31},
                                             {x + 10, 34},
                                             {x + 7, 48},
                                             {x + 9, 66},
                                             {x, 68},
                                             {x - 9, 66},
                                             {x - 7, 48}});
    const QPainterPath legs =
        unite({tapered({{x - 4, 62}, {x - 5, 78}, {x - 6, 91}}, 7, 5),
               tapered({{x + 4, 62}, {x + 5, 78}, {x + 6, 91}}, 7, 5),
               ellipse({x - 8, 92}, 4.5, 2.2), ellipse({x + 8, 92}, 4.5, 2.2)});
    const QPainterPath outerArm =
        tapered({{x - 9 * inward, 36}, {x - 13 * inward, 48}, {x - 14 * inward, 60}}, 6, 4.5);
    const QPainterPath innerArm =
        tapered({{x + 9 * inward, 36}, {x + 13 * inward, 46}, {50, 54}}, 6, 4.5);
    return unite({head, ellipse({x, 29}, 3, 4), torso, legs, outerArm, innerArm});
}

Figure twins() {
    Figure figure;
    figure.body = unite({twin(33, true), twin(67, false), ellipse({50, 54}, 4, 3.5)});
    QPainterPath cuts;
    for (const double x : {33.0, 67.0}) {
        cuts.addPath(line(smoothLine({{x - 7, 49}, {x, 50.5}, {x + 7, 49}}), 1.0));
        cuts.addPath(line({{x, 66}, {x, 84}}, 1.0));
        cuts.addPath(ellipse({x - 3, 19}, 1.1, 1.3));
        cuts.addPath(ellipse({x + 3, 19}, 1.1, 1.3));
        cuts.addPath(line(smoothLine({{x - 3, 24}, {x, 25.5}, {x + 3, 24}}), 0.9));
    }
    figure.cuts = unite({cuts});
    return figure;
}

QPainterPath crabClaw(QPointF at, double degrees) {
    // a closed claw with a wedge cut out of its tip reads as a pincer
    QPainterPath claw = ellipse(at, 11, 6.5, degrees);
    QTransform turn;
    turn.translate(at.x(), at.y());
    turn.rotate(degrees);
    const QPainterPath wedge = turn.map(polygon({{2, 0}, {13, -3.2}, {13, 2.8}}));
    return claw.subtracted(wedge);
}

Figure crab() {
    const QPainterPath shell = smoothClosed({{50, 42},
                                             {64, 44},
                                             {74, 52},
                                             {72, 62},
                                             {62, 70},
                                             {50, 72},
                                             {38, 70},
                                             {28, 62},
                                             {26, 52},
                                             {36, 44}});
    QPainterPath legs;
    for (int k = 0; k < 4; ++k) {
        const double y = 55 + k * 4.5;
        legs.addPath(tapered({{32, y}, {17, y - 2 + k * 3}, {9, y + 8 + k * 3}}, 4.2, 2));
    }
    const QPainterPath arm = tapered({{36, 47}, {27, 40}, {24, 32}}, 5.5, 4.5);
    const QPainterPath claw = crabClaw({22, 24}, -70);
    const QPainterPath stalk = unite({line({{45, 44}, {43, 36}}, 2.4), ellipse({43, 34}, 3, 3)});
    const QPainterPath left = unite({legs, arm, claw, stalk});

    Figure figure;
    figure.body = unite({shell, left, mirrored(left)});
    figure.cuts = unite({line(smoothLine({{34, 55}, {50, 50}, {66, 55}}), 1.0),
                         line(smoothLine({{38, 63}, {50, 60}, {62, 63}}), 1.0),
                         ellipse({43, 34}, 1.3, 1.3), ellipse({57, 34}, 1.3, 1.3)});
    return figure;
}

Figure lion() {
    const QPointF centre(50, 53);
    // a curly mane: two rings of rounded locks, fuller below the chin
    const int curls = 15;
    QPainterPath outerMane = ellipse(centre, 35, 37);
    QPainterPath innerMane = ellipse(centre, 29, 31);
    for (int i = 0; i < curls; ++i) {
        const double radians = (i * 360.0 / curls - 90.0) * std::numbers::pi / 180.0;
        const QPointF direction(std::cos(radians), std::sin(radians));
        const double below = std::max(0.0, direction.y());
        outerMane.addPath(ellipse(centre + direction * (37.0 + 3.0 * below), 8.5, 8.5));
        const double between = radians + std::numbers::pi / curls;
        const QPointF inward(std::cos(between), std::sin(between));
        innerMane.addPath(
            ellipse(centre + inward * (31.0 + 3.0 * std::max(0.0, inward.y())), 7, 7));
    }
    const QPainterPath mane = inFront(unite({outerMane}), unite({innerMane}), 0.8);
    const QPainterPath face = smoothClosed({{50, 32},
                                            {59, 33},
                                            {65, 40},
                                            {67, 50},
                                            {64, 60},
                                            {58, 68},
                                            {54, 74},
                                            {50, 75},
                                            {46, 74},
                                            {42, 68},
                                            {36, 60},
                                            {33, 50},
                                            {35, 40},
                                            {41, 33}});
    const QPainterPath ears = unite({ellipse({37, 34}, 6, 6), ellipse({63, 34}, 6, 6)});
    const QPainterPath head = inFront(ears, face, 0.9);

    QPainterPath curlCuts;
    for (int i = 0; i < curls; ++i) {
        const double degrees = i * 360.0 / curls - 90.0;
        const double radians = degrees * std::numbers::pi / 180.0;
        const QPointF direction(std::cos(radians), std::sin(radians));
        const QPointF at = centre + direction * (38.0 + 3.0 * std::max(0.0, direction.y()));
        curlCuts.addPath(line(spiral(at, degrees - 200.0, degrees + 40.0, 4.5, 1.5, 16), 0.9));
    }

    Figure figure;
    figure.body = inFront(mane, head, 1.8);
    const QPainterPath nose = smoothClosed({{45, 55}, {50, 54}, {55, 55}, {50, 61}});
    figure.cuts =
        unite({curlCuts, almondEye({43, 47}, 8, 16), almondEye({57, 47}, 8, -16), nose,
               line({{50, 60}, {50, 65}}, 1.1),
               line(smoothLine({{41, 63}, {45.5, 67.5}, {50, 65}, {54.5, 67.5}, {59, 63}}), 1.1),
               line(smoothLine({{47, 70}, {50, 71.5}, {53, 70}}), 1.0),
               line(smoothLine({{38, 42}, {43, 41}, {47, 43}}), 0.9),
               line(smoothLine({{62, 42}, {57, 41}, {53, 43}}), 0.9),
               line(smoothLine({{47, 44}, {48, 50}, {46, 55}}), 0.8),
               line(smoothLine({{53, 44}, {52, 50}, {54, 55}}), 0.8), ellipse({44, 62.5}, 0.8, 0.8),
               ellipse({41.5, 60.5}, 0.8, 0.8), ellipse({56, 62.5}, 0.8, 0.8),
               ellipse({58.5, 60.5}, 0.8, 0.8), ellipse({37.5, 34.5}, 2.6, 2.6),
               ellipse({62.5, 34.5}, 2.6, 2.6)});
    return figure;
}

QPainterPath wheatEar(const QList<QPointF>& stalk, int grains) {
    const QList<QPointF> points = smoothLine(stalk);
    QPainterPath ear = line(stalk, 1.8);
    for (int i = 0; i < grains; ++i) {
        const double t = 0.45 + 0.55 * i / grains;
        const QPointF at = along(points, t);
        const QPointF ahead = along(points, std::min(1.0, t + 0.02));
        const double degrees =
            std::atan2((ahead - at).y(), (ahead - at).x()) * 180.0 / std::numbers::pi;
        for (const double side : {-35.0, 35.0})
            ear.addPath(
                ellipse(at + QPointF(std::cos((degrees + side) * std::numbers::pi / 180.0),
                                     std::sin((degrees + side) * std::numbers::pi / 180.0)) *
                                 2.5,
                        3.4, 1.7, degrees + side));
    }
    ear.addPath(ellipse(points.last(), 3.2, 1.6,
                        std::atan2((points.last() - along(points, 0.97)).y(),
                                   (points.last() - along(points, 0.97)).x()) *
                            180.0 / std::numbers::pi));
    return unite({ear});
}

Figure maiden() {
    const QPainterPath hair = smoothClosed({{44, 11},
                                            {50, 8},
                                            {57, 11},
                                            {60, 20},
                                            {61, 32},
                                            {63, 44},
                                            {58, 46},
                                            {50, 40},
                                            {42, 46},
                                            {37, 44},
                                            {39, 32},
                                            {40, 20}});
    const QPainterPath face = unite({ellipse({50, 20}, 6.2, 7.8), line({{50, 26}, {50, 32}}, 4.4)});
    const QPainterPath gown = smoothClosed({{41, 34},
                                            {50, 31},
                                            {59, 34},
                                            {57, 46},
                                            {56, 54},
                                            {63, 74},
                                            {70, 92},
                                            {50, 94},
                                            {30, 92},
                                            {37, 74},
                                            {44, 54},
                                            {43, 46}});
    const QPainterPath arm = tapered({{42, 37}, {37, 50}, {43, 59}, {56, 55}}, 5.5, 4);
    const QPainterPath otherArm = tapered({{58, 37}, {64, 47}, {63, 57}}, 5.5, 4);
    const QPainterPath wheat = unite({wheatEar({{54, 72}, {60, 52}, {68, 30}, {72, 14}}, 7),
                                      wheatEar({{55, 72}, {66, 54}, {79, 38}, {87, 27}}, 5)});
    const QPainterPath figureInFront = inFront(gown, unite({arm, otherArm}), 0.8);

    Figure figure;
    figure.body = inFront(inFront(inFront(hair, figureInFront, 1.0), face, 1.1), wheat, 0.9);
    QPainterPath cuts = line(smoothLine({{45, 55}, {50, 57}, {55, 55}}), 1.0);
    cuts.addPath(line(smoothLine({{47, 60}, {42, 76}, {38, 91}}), 0.9));
    cuts.addPath(line(smoothLine({{50, 62}, {50, 77}, {50, 92}}), 0.9));
    cuts.addPath(line(smoothLine({{53, 60}, {58, 76}, {62, 91}}), 0.9));
    cuts.addPath(almondEye({47.3, 19.5}, 2.8, 0));
    cuts.addPath(almondEye({52.7, 19.5}, 2.8, 0));
    cuts.addPath(line(smoothLine({{48.3, 24}, {50, 24.8}, {51.7, 24}}), 0.8));
    figure.cuts = unite({cuts});
    return figure;
}

Figure scales() {
    const QPainterPath pillar = unite({line({{50, 16}, {50, 84}}, 4.5), ellipse({50, 12}, 4.5, 4.5),
                                       polygon({{40, 86}, {60, 86}, {56, 80}, {44, 80}}),
                                       polygon({{33, 91}, {67, 91}, {62, 86}, {38, 86}})});
    const QPainterPath beam =
        unite({line(smoothLine({{12, 30}, {30, 26}, {50, 24}, {70, 26}, {88, 30}}), 3.8),
               ellipse({12, 30}, 3, 3), ellipse({88, 30}, 3, 3)});
    QPainterPath pan;
    pan.moveTo(0, 62);
    pan.cubicTo(2, 73, 22, 73, 24, 62);
    pan.closeSubpath();
    const QPainterPath leftPan =
        unite({pan, line({{12, 31}, {2, 61}}, 1.3), line({{12, 31}, {22, 61}}, 1.3),
               line({{12, 31}, {12, 61}}, 1.1), ellipse({12, 62}, 12.5, 1.6)});

    Figure figure;
    figure.body = unite({pillar, beam, leftPan, mirrored(leftPan)});
    figure.cuts = unite({line({{44, 83}, {56, 83}}, 0.8), ellipse({50, 24}, 2.2, 2.2)});
    return figure;
}

Figure scorpion() {
    const QPainterPath head = ellipse({50, 40}, 9, 8);
    QPainterPath segments;
    for (int i = 0; i < 4; ++i)
        segments.addPath(ellipse({50, 49 + i * 5.5}, 9.5 - i * 0.9, 4.2));
    const QList<QPointF> tailSpine{{50, 64}, {51, 77}, {58, 87}, {70, 90}, {81, 85}, {87, 75}};
    const QPainterPath tail = tapered(tailSpine, 7.5, 5);
    const QPainterPath bulb = ellipse({87.5, 69}, 4.4, 5.6, 10);
    const QPainterPath sting = tapered({{87, 65}, {86, 59}, {81, 55}}, 3.6, 0.8);
    QPainterPath legs;
    for (int k = 0; k < 4; ++k) {
        const double y = 44 + k * 4.6;
        legs.addPath(tapered({{44, y}, {32, y - 4 + k * 2}, {25, y + 5 + k * 2.5}}, 3.4, 1.6));
    }
    const QPainterPath arm = tapered({{44, 36}, {36, 30}, {31, 22}}, 4.5, 3.8);
    const QPainterPath claw = crabClaw({29, 15}, -75);
    const QPainterPath left = unite({legs, arm, claw});

    Figure figure;
    figure.body = unite({head, segments, tail, bulb, sting, left, mirrored(left)});
    figure.cuts = unite(
        {ellipse({47, 36}, 1.2, 1.2), ellipse({53, 36}, 1.2, 1.2), line({{50, 42}, {50, 62}}, 0.8),
         ribs(tailSpine, 7.5, 5, 6, 0.08, 0.95, 1.0), line({{84, 68}, {90, 70}}, 0.8)});
    return figure;
}

Figure archer() {
    // the arrow flies up to the right; the bow stands across it, drawn
    const QPointF forward(std::sqrt(0.5), -std::sqrt(0.5));
    const QPointF across(std::sqrt(0.5), std::sqrt(0.5));
    const QPointF grip(56, 44);
    const QPointF nock = grip - forward * 36.0;
    const QPointF tipA = grip + across * 36.0 - forward * 10.0;
    const QPointF tipB = grip - across * 36.0 - forward * 10.0;
    const QList<QPointF> bowHalfA{grip + forward * 2.0, grip + across * 18.0 + forward * 1.0,
                                  grip + across * 30.0 - forward * 4.0, tipA,
                                  tipA + across * 2.5 + forward * 3.0};
    const QList<QPointF> bowHalfB{grip + forward * 2.0, grip - across * 18.0 + forward * 1.0,
                                  grip - across * 30.0 - forward * 4.0, tipB,
                                  tipB - across * 2.5 + forward * 3.0};
    const QPointF head = grip + forward * 30.0;
    const QPainterPath arrowHead = polygon(
        {head + forward * 9.0, head + across * 5.0, head + forward * 1.5, head - across * 5.0});
    QPainterPath fletching;
    for (const double side : {-1.0, 1.0}) {
        fletching.addPath(
            polygon({nock + forward * 3.0, nock + forward * 13.0 + across * side * 1.0,
                     nock + forward * 9.0 + across * side * 6.0,
                     nock - forward * 1.0 + across * side * 5.5}));
    }
    Figure figure;
    figure.body =
        unite({tapered(bowHalfA, 6.5, 2.5), tapered(bowHalfB, 6.5, 2.5), line({tipA, nock}, 1.2),
               line({tipB, nock}, 1.2), line({nock, head + forward * 2.0}, 2.6), arrowHead,
               fletching, ellipse(grip, 4.5, 3.5, -45)});
    figure.cuts = unite({line({grip - across * 3.0, grip + across * 3.0}, 0.9),
                         line({nock + forward * 5.0, nock + forward * 11.0}, 0.7)});
    return figure;
}

Figure seaGoat() {
    const QPainterPath head = smoothClosed(
        {{40, 20}, {46, 24}, {44, 32}, {38, 40}, {30, 46}, {24, 46}, {22, 41}, {28, 34}, {33, 24}});
    const QPainterPath beard = polygon({{30, 44}, {36, 42}, {31, 57}});
    const QList<QPointF> hornSpine{{40, 23}, {46, 12}, {57, 6}, {67, 10}, {70, 18}};
    const QPainterPath horn = tapered(hornSpine, 7, 2);
    const QPainterPath ear = ellipse({47, 30}, 6, 2.6, 20);
    const QPainterPath neckAndBody = smoothClosed({{40, 28},
                                                   {48, 30},
                                                   {58, 40},
                                                   {66, 52},
                                                   {70, 62},
                                                   {62, 68},
                                                   {48, 68},
                                                   {38, 62},
                                                   {34, 50},
                                                   {34, 40}});
    const QPainterPath foreleg = unite({tapered({{40, 58}, {30, 62}, {22, 66}, {20, 74}}, 7, 4),
                                        polygon({{16, 73}, {23, 72}, {23, 78}, {17, 79}})});
    const QPainterPath otherLeg = tapered({{46, 62}, {38, 70}, {32, 76}}, 6.5, 4);
    const QList<QPointF> tailSpine{{56, 62}, {64, 74}, {74, 82}, {84, 78}, {88, 66}, {84, 56}};
    const QPainterPath tail = tapered(tailSpine, 18, 5);
    const QPainterPath tailFin =
        smoothClosed({{84, 58}, {76, 46}, {72, 36}, {82, 44}, {88, 38}, {92, 48}, {88, 56}});

    Figure figure;
    figure.body = unite({head, beard, horn, ear, neckAndBody, foreleg, otherLeg, tail, tailFin});
    figure.cuts = unite({ribs(hornSpine, 7, 2, 6, 0.05, 0.7, 0.8), almondEye({36, 31}, 5, -30),
                         ribs(tailSpine, 18, 5, 7, 0.1, 0.85, 0.9),
                         line(smoothLine({{52, 40}, {56, 52}, {56, 64}}), 0.9),
                         line({{80, 45}, {84, 54}}, 0.8), line({{86, 44}, {86, 54}}, 0.8),
                         ellipse({25, 41}, 1, 1)});
    return figure;
}

Figure waterBearer() {
    // an amphora lying tipped, its mouth to the right, pouring into two waves
    QPainterPath vessel = smoothClosed({{-6, -26},
                                        {6, -26},
                                        {5, -18},
                                        {14, -10},
                                        {17, 4},
                                        {12, 18},
                                        {5, 24},
                                        {7, 30},
                                        {-7, 30},
                                        {-5, 24},
                                        {-12, 18},
                                        {-17, 4},
                                        {-14, -10},
                                        {-5, -18}});
    vessel.addPath(polygon({{-9, -30}, {9, -30}, {8, -25}, {-8, -25}}));
    vessel.addPath(tapered({{-5, -20}, {-15, -22}, {-18, -12}, {-14, -6}}, 3, 3));
    vessel.addPath(tapered({{5, -20}, {15, -22}, {18, -12}, {14, -6}}, 3, 3));
    QTransform tip;
    tip.translate(33, 34);
    tip.rotate(128);
    tip.scale(0.9, 0.9);
    const QPainterPath amphora = tip.map(unite({vessel}));
    const QPointF mouth = tip.map(QPointF(0, -29));

    QPainterPath bands = line(smoothLine({{-16, -2}, {0, -4}, {16, -2}}), 1.0);
    bands.addPath(line(smoothLine({{-15, 8}, {0, 6}, {15, 8}}), 1.0));

    const QPainterPath stream =
        tapered({mouth, mouth + QPointF(5, 4), QPointF(62, 60), QPointF(64, 70)}, 5.5, 8);
    QPainterPath waves;
    for (const double y : {76.0, 89.0}) {
        waves.addPath(line(smoothLine({{14, y},
                                       {22, y - 6},
                                       {30, y},
                                       {38, y - 6},
                                       {46, y},
                                       {54, y - 6},
                                       {62, y},
                                       {70, y - 6},
                                       {78, y},
                                       {86, y - 6}}),
                           4.4));
    }
    Figure figure;
    figure.body = unite({amphora, stream, waves});
    figure.cuts = unite({tip.map(bands), line(smoothLine({{58, 55}, {61, 60}, {62, 67}}), 0.9)});
    return figure;
}

QPainterPath fish(QPointF at, double length, bool facingLeft) {
    const double l = length;
    QPainterPath body;
    body.moveTo(-l * 0.5, 0);
    body.cubicTo(-l * 0.3, -l * 0.3, l * 0.2, -l * 0.28, l * 0.42, 0);
    body.cubicTo(l * 0.2, l * 0.28, -l * 0.3, l * 0.3, -l * 0.5, 0);
    body.closeSubpath();
    const QPainterPath tail =
        polygon({{l * 0.36, 0}, {l * 0.62, -l * 0.2}, {l * 0.55, 0}, {l * 0.62, l * 0.2}});
    const QPainterPath fin =
        polygon({{-l * 0.1, -l * 0.2}, {l * 0.05, -l * 0.31}, {l * 0.18, -l * 0.17}});
    QTransform place;
    place.translate(at.x(), at.y());
    if (!facingLeft)
        place.scale(-1, 1);
    return place.map(unite({body, tail, fin}));
}

QPainterPath fishCuts(QPointF at, double length, bool facingLeft) {
    const double l = length;
    QPainterPath cuts = ellipse({-l * 0.33, -l * 0.04}, 1.6, 1.6);
    cuts.addPath(
        line(smoothLine({{-l * 0.22, -l * 0.15}, {-l * 0.18, 0}, {-l * 0.22, l * 0.15}}), 1.0));
    for (int i = 0; i < 3; ++i) {
        const double x = -l * 0.05 + i * l * 0.12;
        cuts.addPath(line(smoothLine({{x, -l * 0.1}, {x + l * 0.04, 0}, {x, l * 0.1}}), 0.8));
    }
    QTransform place;
    place.translate(at.x(), at.y());
    if (!facingLeft)
        place.scale(-1, 1);
    return place.map(unite({cuts}));
}

Figure fishes() {
    const double length = 58;
    const QPointF upper(54, 27);
    const QPointF lower(46, 71);
    // a cord from the mouth of one fish to the tail of the other
    const QPainterPath cord = line(smoothLine({{upper.x() - length * 0.5, upper.y() + 1},
                                               {13, 36},
                                               {8, 52},
                                               {11, 64},
                                               {lower.x() - length * 0.56, lower.y()}}),
                                   1.6);
    Figure figure;
    figure.body = unite({fish(upper, length, true), fish(lower, length, false), cord,
                         ellipse({8.5, 52}, 2.4, 2.4)});
    figure.cuts = unite({fishCuts(upper, length, true), fishCuts(lower, length, false)});
    return figure;
}

} // namespace

Figure signFigure(int sign) {
    switch (sign) {
    case 0:
        return ram();
    case 1:
        return bull();
    case 2:
        return twins();
    case 3:
        return crab();
    case 4:
        return lion();
    case 5:
        return maiden();
    case 6:
        return scales();
    case 7:
        return scorpion();
    case 8:
        return archer();
    case 9:
        return seaGoat();
    case 10:
        return waterBearer();
    default:
        return fishes();
    }
}

} // namespace picturegen
