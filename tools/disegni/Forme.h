#pragma once

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

// Two circles joined by their outer tangents: a limb segment of varying thickness.
// United, not added: sub-paths of opposite winding would cancel where they overlap.
inline QPainterPath capsula(QPointF a, QPointF b, double ra, double rb) {
    QPainterPath p;
    p.addEllipse(a, ra, ra);
    QPainterPath eb;
    eb.addEllipse(b, rb, rb);
    p = p.united(eb);
    const QPointF ab = b - a;
    const double d = std::hypot(ab.x(), ab.y());
    if (d > std::abs(ra - rb) + 1e-6) {
        const QPointF u = ab / d, n(-u.y(), u.x());
        const double s = (ra - rb) / d, c = std::sqrt(std::max(0.0, 1 - s * s));
        const QPointF m1 = n * c + u * s, m2 = -n * c + u * s;
        QPainterPath poligono;
        poligono.addPolygon(QPolygonF{a + m1 * ra, b + m1 * rb, b + m2 * rb, a + m2 * ra});
        poligono.closeSubpath();
        p = p.united(poligono);
    }
    return p;
}
