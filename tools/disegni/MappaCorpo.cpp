#include "MappaCorpo.h"

#include "Forme.h"

#include "pictures/ZoneMappa.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <vector>

namespace {

// All coordinates are twips of the control's design area.
const QColor pelle(238, 224, 210);
const QColor tratto(72, 62, 58);
const QColor rosso(214, 36, 36);

QPainterPath ellisse(QPointF c, double rx, double ry) {
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

// A closed smooth outline through the points (Catmull-Rom turned into Bézier segments).
QPainterPath contornoMorbido(const std::vector<QPointF>& pt) {
    QPainterPath p;
    const int n = int(pt.size());
    p.moveTo(pt[0]);
    for (int i = 0; i < n; ++i) {
        QPointF p0 = pt[(i - 1 + n) % n], p1 = pt[i], p2 = pt[(i + 1) % n], p3 = pt[(i + 2) % n];
        p.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    p.closeSubpath();
    return p;
}

QPainterPath linea(const std::vector<QPointF>& pt) {
    QPainterPath p;
    p.moveTo(pt[0]);
    for (size_t i = 1; i + 1 < pt.size(); i += 2)
        p.quadTo(pt[i], pt[i + 1]);
    if (pt.size() % 2 == 0)
        p.lineTo(pt.back());
    return p;
}

struct Vista {
    QPainterPath sagoma; // the whole body
    std::vector<std::pair<QPainterPath, QRectF>>
        parti;                          // limbs outlined over the body, within a clip (null: none)
    std::vector<QPainterPath> dettagli; // thin anatomical lines
};

// Front and back share the frame of the body, mirrored about `asse`.
Vista figuraFrontale(double asse, bool dietro) {
    auto m = [&](double dx) { return asse + dx; }; // dx: offset from the midline
    Vista v;
    std::vector<QPointF> busto{{m(-150), 540},  {m(150), 540},   {m(290), 610},   {m(305), 900},
                               {m(275), 1200},  {m(320), 1450},  {m(290), 1610},  {m(0), 1650},
                               {m(-290), 1610}, {m(-320), 1450}, {m(-275), 1200}, {m(-305), 900},
                               {m(-290), 610}};
    QPainterPath tronco = contornoMorbido(busto);
    QPainterPath testa = ellisse({m(0), 235}, 160, 205);
    QPainterPath collo = capsula({m(0), 380}, {m(0), 560}, 100, 110);
    QPainterPath corpo = tronco.united(testa).united(collo);
    QPainterPath braccia, gambe;
    for (int s : {-1, 1}) {
        QPainterPath braccio = ellisse({m(s * 345), 690}, 130, 150)
                                   .united(capsula({m(s * 365), 700}, {m(s * 390), 1080}, 95, 80))
                                   .united(capsula({m(s * 390), 1080}, {m(s * 440), 1480}, 78, 55))
                                   .united(ellisse({m(s * 455), 1590}, 62, 112));
        QPainterPath gamba = capsula({m(s * 135), 1560}, {m(s * 85), 2130}, 150, 95)
                                 .united(capsula({m(s * 85), 2140}, {m(s * 55), 2700}, 95, 52))
                                 .united(capsula({m(s * 80), 2250}, {m(s * 65), 2520}, 100, 70))
                                 .united(ellisse({m(s * 85), 2850}, 75, 80));
        v.parti.push_back({braccio, QRectF()});
        v.parti.push_back({gamba, QRectF()});
        braccia = braccia.united(braccio);
        gambe = gambe.united(gamba);
    }
    v.sagoma = corpo.united(braccia).united(gambe);
    auto d = [&](std::vector<QPointF> pt) {
        for (QPointF& q : pt)
            q.setX(m(q.x()));
        v.dettagli.push_back(linea(pt));
    };
    // collar line where the head meets the neck
    d({{-95, 425}, {0, 470}, {95, 425}});
    if (!dietro) {
        // chest, abdominal wall, groin, knees
        d({{-250, 880}, {-130, 960}, {-10, 880}});
        d({{250, 880}, {130, 960}, {10, 880}});
        d({{0, 920}, {0, 1200}, {0, 1450}});
        d({{-110, 1050}, {0, 1075}, {110, 1050}});
        d({{-110, 1190}, {0, 1215}, {110, 1190}});
        d({{-250, 1380}, {-130, 1500}, {0, 1600}});
        d({{250, 1380}, {130, 1500}, {0, 1600}});
        d({{-140, 2110}, {-85, 2180}, {-30, 2110}});
        d({{140, 2110}, {85, 2180}, {30, 2110}});
        d({{-60, 610}, {-160, 600}, {-260, 640}});
        d({{60, 610}, {160, 600}, {260, 640}});
    } else {
        // spine, shoulder blades, buttocks, backs of the knees
        d({{0, 600}, {0, 1000}, {0, 1420}});
        d({{-60, 700}, {-210, 760}, {-150, 980}});
        d({{60, 700}, {210, 760}, {150, 980}});
        d({{0, 1430}, {0, 1560}, {0, 1650}});
        d({{-270, 1650}, {-140, 1720}, {-10, 1655}});
        d({{270, 1650}, {140, 1720}, {10, 1655}});
        d({{-150, 2150}, {-85, 2120}, {-30, 2160}});
        d({{150, 2150}, {85, 2120}, {30, 2160}});
    }
    return v;
}

Vista figuraLaterale() {
    Vista v;
    std::vector<QPointF> busto{{200, 560},  {470, 560},  {548, 760},  {522, 1010}, {470, 1250},
                               {575, 1470}, {545, 1660}, {360, 1700}, {200, 1640}, {120, 1450},
                               {95, 1200},  {88, 900},   {98, 700}};
    QPainterPath corpo = contornoMorbido(busto)
                             .united(ellisse({330, 230}, 178, 200))
                             .united(ellisse({218, 350}, 105, 75))
                             .united(ellisse({150, 255}, 40, 45))
                             .united(capsula({350, 400}, {340, 610}, 100, 105));
    QPainterPath braccio = ellisse({360, 720}, 140, 150)
                               .united(capsula({375, 740}, {375, 1120}, 120, 92))
                               .united(capsula({375, 1120}, {360, 1500}, 88, 60))
                               .united(ellisse({352, 1610}, 66, 115));
    QPainterPath gamba = capsula({340, 1560}, {370, 2130}, 185, 110)
                             .united(capsula({370, 2150}, {385, 2740}, 105, 55))
                             .united(capsula({445, 2250}, {425, 2560}, 110, 62))
                             .united(capsula({425, 2870}, {175, 2905}, 72, 48));
    v.sagoma = corpo.united(braccio).united(gamba);
    // the leg's outline only below the buttock: above it the thigh lies inside the trunk
    v.parti = {{braccio, QRectF()}, {gamba, QRectF(0, 1640, 900, 1500)}};
    v.dettagli.push_back(linea({{250, 330}, {320, 360}, {360, 320}}));    // jaw
    v.dettagli.push_back(linea({{110, 760}, {180, 880}, {260, 860}}));    // chest
    v.dettagli.push_back(linea({{560, 1500}, {520, 1600}, {430, 1640}})); // buttock
    return v;
}

} // namespace

QImage disegnaMappa(const QString& gruppo) {
    const QSize dim = ZoneMappa::dimensioneImmagine;
    QImage img(dim, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const QRect r = ZoneMappa::rettangoloImmagine;
    g.scale(double(dim.width()) / r.width(), double(dim.height()) / r.height());
    g.translate(-r.topLeft());

    const std::vector<Vista> viste{figuraLaterale(), figuraFrontale(1180, true), figuraFrontale(2270, false)};
    QPainterPath sagoma;
    for (const Vista& v : viste)
        sagoma = sagoma.united(v.sagoma);

    g.fillPath(sagoma, pelle);

    if (!gruppo.isEmpty()) {
        QPainterPath zone;
        for (const ZoneMappa::Zona& z : ZoneMappa::zoneDelGruppo(gruppo)) {
            QRectF rz = z.rettangolo();
            // an oval a little larger than the zone, cut to it: rounded muscle shapes, never outside
            QPainterPath ovale;
            ovale.addEllipse(
                rz.adjusted(-rz.width() * 0.07, -rz.height() * 0.07, rz.width() * 0.07, rz.height() * 0.07));
            QPainterPath rett;
            rett.addRect(rz);
            zone = zone.united(ovale.intersected(rett));
        }
        QPainterPath muscolo = zone.intersected(sagoma);
        QRectF b = muscolo.boundingRect();
        QRadialGradient rg(b.center(), std::max(b.width(), b.height()) * 0.7);
        rg.setColorAt(0, rosso.lighter(118));
        rg.setColorAt(1, rosso.darker(112));
        g.fillPath(muscolo, rg);
    }

    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(tratto.lighter(150), 13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Vista& v : viste)
        for (const QPainterPath& d : v.dettagli)
            g.drawPath(d);
    g.setPen(QPen(tratto, 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Vista& v : viste)
        for (const auto& [p, ritaglio] : v.parti) {
            g.save();
            if (!ritaglio.isNull())
                g.setClipRect(ritaglio);
            g.drawPath(p);
            g.restore();
        }
    g.setPen(QPen(tratto, 24, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawPath(sagoma);
    return img;
}
