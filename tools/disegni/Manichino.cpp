#include "Manichino.h"

#include "Forme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Body measures (metres) of an adult of about 1.75 m.
constexpr double coscia = 0.43, tibia = 0.43, omero = 0.29, avambraccio = 0.25;
constexpr double semiBacino = 0.09, semiSpalle = 0.175;

const QColor pelle(236, 188, 150);
const QColor maglia(36, 122, 196);
const QColor pantaloncini(44, 52, 72);
const QColor scarpe(246, 246, 246);
const QColor capelli(72, 50, 36);
const QColor contorno(38, 38, 44);

const V3 asseY{0, 1, 0};

struct Scheletro {
    V3 radice, L, U, F; // pelvis
    V3 Lc, Uc, Fc;      // chest
    V3 Lh, Uh, Fh;      // head
    V3 vita, baseCollo, centroTesta;
    V3 anca[2], ginocchio[2], caviglia[2], tallone[2], punta[2], piantaGiu[2], avantiGinocchio[2];
    V3 spalla[2], gomito[2], polso[2], direzioneMano[2];
};

// 0 = right (towards -L), 1 = left.
double lato(int s) {
    return s == 0 ? -1.0 : 1.0;
}

V3 ortogonale(const V3& v, const V3& rispetto) {
    return v - rispetto * punto(v, rispetto);
}

// Two-segment reach: returns the middle joint for a chain from `radice` towards `bersaglio`.
V3 giunto(const V3& radice, const V3& bersaglio, double l1, double l2, const V3& verso) {
    V3 d = bersaglio - radice;
    double dist = std::clamp(lunghezza(d), std::abs(l1 - l2) + 1e-3, l1 + l2 - 1e-4);
    V3 u = unitario(d);
    double a = (l1 * l1 - l2 * l2 + dist * dist) / (2 * dist);
    double h = std::sqrt(std::max(0.0, l1 * l1 - a * a));
    V3 w = ortogonale(verso, u);
    if (lunghezza(w) < 1e-6)
        w = ortogonale(V3{0, -1, 0}, u);
    return radice + u * a + unitario(w) * h;
}

Scheletro calcola(const Posa& p, const V3& radice, bool conBersagli) {
    Scheletro k;
    k.radice = radice;
    V3 L{1, 0, 0}, U{0, 1, 0}, F{0, 0, 1};
    L = ruota(L, asseY, p.imbardata);
    F = ruota(F, asseY, p.imbardata);
    U = ruota(U, L, p.beccheggio);
    F = ruota(F, L, p.beccheggio);
    L = ruota(L, F, p.rollio);
    U = ruota(U, F, p.rollio);
    k.L = L, k.U = U, k.F = F;

    V3 Lc = L, Uc = U, Fc = F;
    Uc = ruota(Uc, Lc, p.busto);
    Fc = ruota(Fc, Lc, p.busto);
    Lc = ruota(Lc, Fc, p.inclinazione);
    Uc = ruota(Uc, Fc, p.inclinazione);
    Lc = ruota(Lc, Uc, p.torsione);
    Fc = ruota(Fc, Uc, p.torsione);
    k.Lc = Lc, k.Uc = Uc, k.Fc = Fc;
    k.Lh = Lc;
    k.Uh = ruota(Uc, Lc, p.testa);
    k.Fh = ruota(Fc, Lc, p.testa);

    k.vita = radice + U * 0.10;
    k.baseCollo = k.vita + Uc * 0.42;
    k.centroTesta = k.baseCollo + k.Uh * 0.135 + k.Fh * 0.015;

    for (int s = 0; s < 2; ++s) {
        const Gamba& g = s == 0 ? p.gdx : p.gsx;
        k.anca[s] = radice + L * (lato(s) * semiBacino);
        V3 cerniera = ruota(L, F, lato(s) * g.abduzione);
        V3 stinco;
        if (conBersagli && g.tallone) {
            // the knee points where the thigh is turned out
            k.ginocchio[s] = giunto(k.anca[s], *g.tallone, coscia, tibia, ruota(F, U, lato(s) * g.abduzione));
            stinco = unitario(*g.tallone - k.ginocchio[s]);
            k.caviglia[s] = k.ginocchio[s] + stinco * tibia;
            cerniera = unitario(croce(k.ginocchio[s] - k.anca[s], stinco));
            if (punto(cerniera, L) < 0)
                cerniera = -cerniera;
        } else {
            V3 femore = ruota(V3{0, 0, 0} - U, L, -g.flessione);
            femore = ruota(femore, F, lato(s) * g.abduzione);
            k.ginocchio[s] = k.anca[s] + femore * coscia;
            stinco = ruota(femore, cerniera, g.ginocchio);
            k.caviglia[s] = k.ginocchio[s] + stinco * tibia;
        }
        V3 piede;
        if (conBersagli && g.tallone && g.piantaOrizzontale) {
            V3 avanti = ortogonale(ruota(stinco, cerniera, -90), asseY);
            if (lunghezza(avanti) < 0.2)
                avanti = ortogonale(F, asseY);
            avanti = unitario(avanti);
            piede = ruota(avanti, unitario(croce(asseY, avanti)), g.caviglia);
        } else {
            piede = ruota(stinco, cerniera, -(90 - g.caviglia));
        }
        V3 giu = unitario(ortogonale(stinco, piede));
        k.piantaGiu[s] = giu;
        k.tallone[s] = k.caviglia[s] + giu * 0.045 - piede * 0.045;
        k.punta[s] = k.caviglia[s] + giu * 0.05 + piede * 0.16;
        k.avantiGinocchio[s] = unitario(ortogonale(piede, stinco));
    }

    for (int s = 0; s < 2; ++s) {
        const Braccio& b = s == 0 ? p.dx : p.sx;
        k.spalla[s] = k.vita + Uc * 0.36 + Lc * (lato(s) * semiSpalle);
        std::optional<V3> bersaglio = b.polso;
        if (b.polsoCorpo)
            bersaglio = radice + L * (lato(s) * b.polsoCorpo->x) + U * b.polsoCorpo->y + F * b.polsoCorpo->z;
        if (p.manubrio) {
            // the grip on the figure's own side
            V3 a = impugnatura(true), c = impugnatura(false);
            bersaglio = lunghezza(a - k.spalla[s]) < lunghezza(c - k.spalla[s]) ? a : c;
        }
        if (conBersagli && bersaglio) {
            V3 verso = V3{0, -0.7, 0} + Lc * (lato(s) * 0.6) - Fc * 0.3;
            if (b.versoGomito)
                verso = L * (lato(s) * b.versoGomito->x) + U * b.versoGomito->y + F * b.versoGomito->z;
            k.gomito[s] = giunto(k.spalla[s], *bersaglio, omero, avambraccio, verso);
            V3 dir = unitario(*bersaglio - k.gomito[s]);
            k.polso[s] = k.gomito[s] + dir * avambraccio;
            k.direzioneMano[s] = dir;
        } else {
            V3 o = ruota(V3{0, 0, 0} - Uc, Lc, -b.flessione);
            o = ruota(o, Fc, lato(s) * b.abduzione);
            V3 cerniera = ruota(Lc, Fc, lato(s) * b.abduzione);
            k.gomito[s] = k.spalla[s] + o * omero;
            V3 a = ruota(o, cerniera, -b.gomito);
            k.polso[s] = k.gomito[s] + a * avambraccio;
            k.direzioneMano[s] = a;
        }
    }
    return k;
}

V3 puntoAppoggio(const Scheletro& k, Appoggio a) {
    auto pianta = [&](int s) { return (k.tallone[s] + k.punta[s]) * 0.5 + k.piantaGiu[s] * 0.038; };
    auto media = [](V3 x, V3 y) { return (x + y) * 0.5; };
    switch (a) {
    case Appoggio::Bacino:
        return k.radice;
    case Appoggio::Piante:
        return media(pianta(0), pianta(1));
    case Appoggio::PiantaDx:
        return pianta(0);
    case Appoggio::PiantaSx:
        return pianta(1);
    case Appoggio::Punte:
        return media(k.punta[0], k.punta[1]) + V3{0, -0.032, 0};
    case Appoggio::Ginocchia:
        return media(k.ginocchio[0], k.ginocchio[1]) + V3{0, -0.055, 0};
    case Appoggio::Mani:
        return media(k.polso[0] + k.direzioneMano[0] * 0.1, k.polso[1] + k.direzioneMano[1] * 0.1);
    case Appoggio::Gomiti:
        return media(k.gomito[0], k.gomito[1]) + V3{0, -0.045, 0};
    case Appoggio::GomitoDx:
        return k.gomito[0] + V3{0, -0.045, 0};
    case Appoggio::Glutei:
        return k.radice - k.U * 0.10 - k.F * 0.03;
    case Appoggio::Spalle:
        return k.baseCollo - k.Uc * 0.08 - k.Fc * 0.12;
    }
    return k.radice;
}

// ---- drawing ----

struct Camera {
    V3 r, u, v; // screen right, screen up, towards the viewer
    double scala = 1;
    QPointF origine;
    QPointF proietta(const V3& p) const {
        return origine + QPointF(punto(p, r) * scala, -punto(p, u) * scala);
    }
    double profondita(const V3& p) const { return -punto(p, v); }
};

struct Capsula {
    Capsula(V3 a_, V3 b_, double ra_, double rb_, QColor c) : a(a_), b(b_), ra(ra_), rb(rb_), colore(c) {}
    V3 a, b;
    double ra, rb;
    QColor colore;
    // elliptic cross-section (trunk): half-widths along asseL and asseF
    bool ellittica = false;
    V3 asseL, asseF;
    double la = 0, fa = 0, lb = 0, fb = 0;
};

struct Gruppo {
    std::vector<Capsula> pezzi;
    double spostamento = 0; // depth bias
    std::function<void(QPainter&, const Camera&)> dopo;
};

struct Scatola {
    V3 minimo, massimo;
    QColor colore;
    QColor sopra;
};

QPointF dir2(const QPointF& d) {
    double l = std::hypot(d.x(), d.y());
    return l > 1e-9 ? d / l : QPointF(1, 0);
}

// Projected radii of a capsule's ends across its on-screen direction.
std::pair<double, double> raggi(const Capsula& c, const Camera& cam) {
    if (!c.ellittica)
        return {c.ra * cam.scala, c.rb * cam.scala};
    QPointF d = dir2(cam.proietta(c.b) - cam.proietta(c.a));
    QPointF n(-d.y(), d.x());
    auto sul = [&](const V3& asse) {
        QPointF s(punto(asse, cam.r), -punto(asse, cam.u));
        return std::abs(s.x() * n.x() + s.y() * n.y());
    };
    double kl = sul(c.asseL), kf = sul(c.asseF);
    return {std::hypot(c.la * kl, c.fa * kf) * cam.scala, std::hypot(c.lb * kl, c.fb * kf) * cam.scala};
}

QPainterPath forma(QPointF a, QPointF b, double ra, double rb) {
    return capsula(a, b, ra, rb);
}

const QPointF luce = dir2(QPointF(-0.55, -0.85));

void riempi(QPainter& g, const Capsula& c, const Camera& cam, double extra, bool contornoSolo) {
    auto [ra, rb] = raggi(c, cam);
    QPointF a = cam.proietta(c.a), b = cam.proietta(c.b);
    QPainterPath p = forma(a, b, ra + extra, rb + extra);
    if (contornoSolo) {
        g.fillPath(p, contorno);
        return;
    }
    QPointF ab = b - a;
    double r = std::max(ra, rb);
    if (std::hypot(ab.x(), ab.y()) < r * 0.6) {
        QPointF c0 = (a + b) / 2;
        QRadialGradient rg(c0 + luce * r * 0.45, r * 1.5);
        rg.setColorAt(0, c.colore.lighter(122));
        rg.setColorAt(0.55, c.colore);
        rg.setColorAt(1, c.colore.darker(135));
        g.fillPath(p, rg);
        return;
    }
    QPointF u = dir2(ab), n(-u.y(), u.x());
    if (n.x() * luce.x() + n.y() * luce.y() < 0)
        n = -n;
    QPointF m = (a + b) / 2;
    QLinearGradient lg(m + n * r, m - n * r);
    lg.setColorAt(0, c.colore.lighter(124));
    lg.setColorAt(0.38, c.colore);
    lg.setColorAt(1, c.colore.darker(140));
    g.fillPath(p, lg);
}

void disegnaScatola(QPainter& g, const Scatola& s, const Camera& cam) {
    const V3& a = s.minimo;
    const V3& b = s.massimo;
    auto v = [&](int i) { return V3{i & 1 ? b.x : a.x, i & 2 ? b.y : a.y, i & 4 ? b.z : a.z}; };
    struct Faccia {
        int i[4];
        V3 n;
    };
    const Faccia facce[6] = {{{0, 1, 3, 2}, {0, 0, -1}}, {{4, 5, 7, 6}, {0, 0, 1}},
                             {{0, 2, 6, 4}, {-1, 0, 0}}, {{1, 3, 7, 5}, {1, 0, 0}},
                             {{0, 1, 5, 4}, {0, -1, 0}}, {{2, 3, 7, 6}, {0, 1, 0}}};
    for (const Faccia& f : facce) {
        double vis = punto(f.n, cam.v);
        if (vis <= 1e-6)
            continue;
        QPolygonF poly;
        for (int i : f.i)
            poly << cam.proietta(v(i));
        QColor col = f.n.y > 0.5 ? s.sopra : s.colore;
        if (f.n.y < 0.5)
            col = col.darker(100 + int(35 * (1 - vis)) + (f.n.x > 0.5 ? 12 : 0));
        g.setPen(
            QPen(contorno, std::max(1.0, cam.scala * 0.006), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.setBrush(col);
        g.drawPolygon(poly);
    }
}

void aggiungiMacchina(Macchina m, std::vector<Scatola>& scatole, std::vector<Gruppo>& gruppi) {
    if (m == Macchina::Nessuna)
        return;
    if (m == Macchina::Ostrel) {
        scatole.push_back({{-0.46, 0.0, -0.36}, {0.46, 0.07, 0.36}, QColor(60, 66, 62), QColor(80, 86, 82)});
        scatole.push_back(
            {{-0.461, 0.025, -0.361}, {0.461, 0.045, 0.361}, QColor(46, 160, 90), QColor(46, 160, 90)});
        scatole.push_back(
            {{-0.42, 0.07, -0.32}, {0.42, 0.15, 0.32}, QColor(190, 200, 195), QColor(58, 62, 60)});
        return;
    }
    scatole.push_back({{-0.42, 0.0, -0.34}, {0.42, 0.11, 0.52}, QColor(74, 79, 87), QColor(96, 101, 110)});
    scatole.push_back(
        {{-0.421, 0.045, -0.341}, {0.421, 0.07, 0.521}, QColor(232, 115, 26), QColor(232, 115, 26)});
    scatole.push_back({{-0.38, 0.11, -0.30}, {0.38, 0.20, 0.30}, QColor(196, 202, 210), QColor(56, 60, 66)});
    scatole.push_back({{-0.13, 0.11, 0.34}, {0.13, 0.24, 0.50}, QColor(84, 89, 97), QColor(104, 109, 118)});

    const QColor metallo(170, 176, 184), nero(40, 40, 44);
    Gruppo colonna;
    colonna.spostamento = 0.02;
    colonna.pezzi.push_back(Capsula{{0, 0.22, 0.43}, {0, 0.96, 0.40}, 0.05, 0.045, metallo});
    colonna.pezzi.push_back(Capsula{{-0.12, 1.02, 0.41}, {0.12, 1.02, 0.41}, 0.06, 0.06, QColor(60, 64, 72)});
    gruppi.push_back(colonna);
    for (bool destra : {true, false}) {
        Gruppo manubrio;
        manubrio.spostamento = 0.06;
        V3 i = impugnatura(destra);
        manubrio.pezzi.push_back(Capsula{{0, 1.0, 0.40}, {i.x, i.y, 0.36}, 0.02, 0.02, metallo});
        manubrio.pezzi.push_back(Capsula{{i.x, i.y, 0.36}, {i.x, i.y, i.z - 0.05}, 0.026, 0.026, nero});
        gruppi.push_back(manubrio);
    }
}

} // namespace

double altezzaPedana(Macchina m) {
    switch (m) {
    case Macchina::Vibrana:
        return 0.20;
    case Macchina::Ostrel:
        return 0.15;
    case Macchina::Nessuna:
        return 0.0;
    }
    return 0.0;
}

V3 impugnatura(bool destra) {
    return {destra ? -0.25 : 0.25, 1.0, 0.22};
}

namespace {
Scheletro posiziona(const Posa& p) {
    if (p.appoggio == Appoggio::Bacino)
        return calcola(p, p.punto, true);
    Scheletro prova = calcola(p, V3{}, false);
    return calcola(p, p.punto - puntoAppoggio(prova, p.appoggio), true);
}
} // namespace

double quotaMinima(const Posa& p) {
    Scheletro k = posiziona(p);
    double q = k.centroTesta.y - 0.105;
    for (int s = 0; s < 2; ++s) {
        q = std::min({q, k.tallone[s].y - 0.044, k.punta[s].y - 0.033, k.ginocchio[s].y - 0.052,
                      k.gomito[s].y - 0.042, (k.polso[s] + k.direzioneMano[s] * 0.085).y - 0.03});
    }
    q = std::min(q, k.radice.y - 0.1);
    if (qEnvironmentVariableIsSet("VIBRANA_DISEGNI_DETTAGLIO"))
        std::printf("   testa %.3f talloni %.3f %.3f punte %.3f %.3f ginocchia %.3f %.3f gomiti %.3f %.3f "
                    "bacino %.3f\n",
                    k.centroTesta.y - 0.105, k.tallone[0].y - 0.044, k.tallone[1].y - 0.044,
                    k.punta[0].y - 0.033, k.punta[1].y - 0.033, k.ginocchio[0].y - 0.052,
                    k.ginocchio[1].y - 0.052, k.gomito[0].y - 0.042, k.gomito[1].y - 0.042, k.radice.y - 0.1);
    return q;
}

QImage disegnaPosa(const Posa& p, int larghezza, int altezza) {
    const int latoImg = std::min(larghezza, altezza);
    Scheletro k = posiziona(p);

    std::vector<Scatola> scatole;
    std::vector<Gruppo> gruppi;
    aggiungiMacchina(p.macchina, scatole, gruppi);

    // legs
    for (int s = 0; s < 2; ++s) {
        Gruppo g;
        g.spostamento = 0.05;
        V3 fem = unitario(k.ginocchio[s] - k.anca[s]);
        V3 sti = unitario(k.caviglia[s] - k.ginocchio[s]);
        V3 dietro = -k.avantiGinocchio[s];
        g.pezzi.push_back(Capsula{k.anca[s] + fem * 0.16, k.ginocchio[s], 0.078, 0.056, pelle});
        g.pezzi.push_back(Capsula{k.ginocchio[s] + sti * 0.1 + dietro * 0.014,
                                  k.ginocchio[s] + sti * 0.3 + dietro * 0.01, 0.058, 0.045, pelle});
        g.pezzi.push_back(Capsula{k.ginocchio[s], k.caviglia[s], 0.052, 0.036, pelle});
        g.pezzi.push_back(Capsula{k.tallone[s], k.punta[s], 0.044, 0.033, scarpe});
        g.pezzi.push_back(Capsula{k.anca[s] - fem * 0.01, k.anca[s] + fem * 0.2, 0.09, 0.083, pantaloncini});
        gruppi.push_back(g);
    }
    // trunk
    {
        Gruppo g;
        auto ell = [&](V3 a, V3 b, V3 asseL, V3 asseF, double la, double fa, double lb, double fb, QColor c) {
            Capsula x(a, b, 0, 0, c);
            x.ellittica = true;
            x.asseL = asseL, x.asseF = asseF, x.la = la, x.fa = fa, x.lb = lb, x.fb = fb;
            g.pezzi.push_back(x);
        };
        g.pezzi.push_back(Capsula{k.baseCollo - k.Uc * 0.04, k.baseCollo + k.Uh * 0.07, 0.05, 0.046, pelle});
        ell(k.radice - k.U * 0.03, k.radice + k.U * 0.11, k.L, k.F, 0.165, 0.105, 0.155, 0.1, pantaloncini);
        ell(k.vita, k.vita + k.Uc * 0.2, k.Lc, k.Fc, 0.148, 0.1, 0.152, 0.105, maglia);
        ell(k.vita + k.Uc * 0.17 + k.Fc * 0.01, k.vita + k.Uc * 0.33 + k.Fc * 0.005, k.Lc, k.Fc, 0.165, 0.115,
            0.17, 0.1, maglia);
        g.pezzi.push_back(Capsula{k.spalla[0], k.spalla[1], 0.062, 0.062, maglia});
        gruppi.push_back(g);
    }
    // head
    {
        Gruppo g;
        g.spostamento = -0.001;
        const double rt = 0.105;
        g.pezzi.push_back(Capsula{k.centroTesta, k.centroTesta, rt, rt, pelle});
        // jaw and nose give the head its facing
        g.pezzi.push_back(Capsula{k.centroTesta + k.Fh * 0.035 - k.Uh * 0.04,
                                  k.centroTesta + k.Fh * 0.06 - k.Uh * 0.075, 0.06, 0.04, pelle});
        g.pezzi.push_back(Capsula{k.centroTesta + k.Fh * 0.09 + k.Uh * 0.0,
                                  k.centroTesta + k.Fh * 0.108 - k.Uh * 0.012, 0.016, 0.012, pelle});
        g.dopo = [k, rt](QPainter& pt, const Camera& cam) {
            QPointF c = cam.proietta(k.centroTesta);
            double r = rt * cam.scala;
            QPointF fS(punto(k.Fh, cam.r), -punto(k.Fh, cam.u));
            QPointF uS(punto(k.Uh, cam.r), -punto(k.Uh, cam.u));
            double verso = punto(k.Fh, cam.v); // > 0: the face turns towards the viewer
            QPainterPath testa;
            testa.addEllipse(c, r, r);
            QPainterPath viso;
            if (verso > -0.55) {
                double rv = r * (0.62 + 0.25 * std::max(0.0, verso));
                viso.addEllipse(c + fS * r * 0.62 - uS * r * 0.22, rv, rv * 1.05);
            }
            QPainterPath chioma = testa.subtracted(viso);
            // the hair covers the top and back of the head, not the chin
            QPainterPath sopra;
            sopra.addEllipse(c + uS * r * 0.35 - fS * r * 0.25, r * 1.05, r * 1.0);
            chioma = chioma.intersected(sopra);
            QLinearGradient lg(c - QPointF(r, r), c + QPointF(r, r));
            lg.setColorAt(0, capelli.lighter(135));
            lg.setColorAt(1, capelli.darker(120));
            pt.fillPath(chioma, lg);
            pt.setPen(QPen(contorno, std::max(1.0, cam.scala * 0.0075)));
            pt.setBrush(Qt::NoBrush);
            pt.drawPath(chioma);
            // eyes on the visible side of the face
            for (int s = 0; s < 2; ++s) {
                V3 occhio =
                    k.centroTesta + k.Fh * (rt * 0.86) + k.Uh * (rt * 0.12) + k.Lh * (lato(s) * rt * 0.36);
                if (punto(occhio - k.centroTesta, cam.v) > rt * 0.25) {
                    pt.setPen(Qt::NoPen);
                    pt.setBrush(QColor(40, 30, 30));
                    pt.drawEllipse(cam.proietta(occhio), r * 0.09, r * 0.11);
                }
            }
        };
        gruppi.push_back(g);
    }
    // arms
    for (int s = 0; s < 2; ++s) {
        Gruppo g;
        g.spostamento = -0.02;
        V3 o = unitario(k.gomito[s] - k.spalla[s]);
        V3 mano = k.polso[s] + k.direzioneMano[s] * 0.085;
        g.pezzi.push_back(Capsula{k.spalla[s] + o * 0.1, k.gomito[s], 0.05, 0.04, pelle});
        g.pezzi.push_back(Capsula{k.gomito[s], k.polso[s], 0.042, 0.03, pelle});
        g.pezzi.push_back(Capsula{k.polso[s] + k.direzioneMano[s] * 0.01, mano, 0.034, 0.03, pelle});
        g.pezzi.push_back(Capsula{k.spalla[s] - k.Uc * 0.005, k.spalla[s] + o * 0.11, 0.066, 0.058, maglia});
        gruppi.push_back(g);
        if (p.cinghie) {
            Gruppo c;
            V3 attacco{lato(s) * (p.imbardata > 90 || p.imbardata < -90 ? -1 : 1) * 0.40, 0.08, 0.0};
            c.pezzi.push_back(
                Capsula{attacco, k.polso[s] + k.direzioneMano[s] * 0.04, 0.011, 0.011, QColor(70, 70, 78)});
            c.spostamento = -0.03;
            gruppi.push_back(c);
        }
    }

    // camera and framing
    Camera cam;
    const double az = rad(p.azimut + p.imbardata), el = rad(p.elevazione);
    cam.v = {std::sin(az) * std::cos(el), std::sin(el), std::cos(az) * std::cos(el)};
    cam.r = {std::cos(az), 0, -std::sin(az)};
    cam.u = croce(cam.v, cam.r);
    cam.scala = 1;
    QRectF box;
    auto estendi = [&](const V3& x, double raggio) {
        QPointF q = cam.proietta(x);
        QRectF r(q.x() - raggio, q.y() - raggio, 2 * raggio, 2 * raggio);
        box = box.isNull() ? r : box.united(r);
    };
    for (const Gruppo& g : gruppi)
        for (const Capsula& c : g.pezzi) {
            double r = c.ellittica ? std::max({c.la, c.fa, c.lb, c.fb}) : std::max(c.ra, c.rb);
            estendi(c.a, r);
            estendi(c.b, r);
        }
    estendi(k.centroTesta, 0.12);
    for (const Scatola& s : scatole)
        for (int i = 0; i < 8; ++i)
            estendi({i & 1 ? s.massimo.x : s.minimo.x, i & 2 ? s.massimo.y : s.minimo.y,
                     i & 4 ? s.massimo.z : s.minimo.z},
                    0.01);
    const double margine = latoImg * 0.06;
    double scala = std::min({(larghezza - 2 * margine) / box.width(), (altezza - 2 * margine) / box.height(),
                             p.scalaMassima * latoImg / 400.0});
    cam.scala = scala;
    cam.origine =
        QPointF(larghezza / 2.0 - box.center().x() * scala, altezza / 2.0 - box.center().y() * scala);

    QImage img(larghezza, altezza, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);

    // floor and shadow
    {
        double minX = 1e9, maxX = -1e9;
        for (const Gruppo& gr : gruppi)
            for (const Capsula& c : gr.pezzi)
                for (const V3& x : {c.a, c.b}) {
                    if (x.y > 0.5)
                        continue;
                    QPointF q = cam.proietta(V3{x.x, 0, x.z});
                    minX = std::min(minX, q.x());
                    maxX = std::max(maxX, q.x());
                }
        QPointF centro = cam.proietta(V3{0, 0, 0});
        for (const Scatola& s : scatole) {
            minX = std::min(minX, cam.proietta(s.minimo).x());
            maxX = std::max(maxX, cam.proietta(s.massimo).x());
        }
        if (minX > maxX)
            minX = maxX = centro.x();
        double y = cam.proietta(V3{0, 0, 0}).y();
        QRectF ombra(minX - 20, y - 9, maxX - minX + 40, 22);
        QRadialGradient rg(ombra.center(), ombra.width() / 2);
        rg.setColorAt(0, QColor(0, 0, 0, 60));
        rg.setColorAt(1, QColor(0, 0, 0, 0));
        g.save();
        g.translate(ombra.center());
        g.scale(1, ombra.height() / ombra.width());
        g.translate(-ombra.center());
        g.setPen(Qt::NoPen);
        g.setBrush(rg);
        g.drawEllipse(ombra.center(), ombra.width() / 2, ombra.width() / 2);
        g.restore();
        g.setPen(QPen(QColor(200, 200, 204), 1.2));
        g.drawLine(QPointF(margine * 0.5, y + 4), QPointF(larghezza - margine * 0.5, y + 4));
    }

    for (const Scatola& s : scatole)
        disegnaScatola(g, s, cam);

    auto profondita = [&](const Gruppo& gr) {
        double t = 0;
        for (const Capsula& c : gr.pezzi)
            t += cam.profondita((c.a + c.b) * 0.5);
        return t / gr.pezzi.size() + gr.spostamento;
    };
    std::vector<std::pair<double, const Gruppo*>> ordine;
    for (const Gruppo& gr : gruppi)
        ordine.push_back({profondita(gr), &gr});
    std::stable_sort(ordine.begin(), ordine.end(), [](auto& a, auto& b) { return a.first > b.first; });

    const double tratto = std::max(1.2, scala * 0.0085);
    for (auto& [d, gr] : ordine) {
        for (const Capsula& c : gr->pezzi)
            riempi(g, c, cam, tratto, true);
        for (const Capsula& c : gr->pezzi)
            riempi(g, c, cam, 0, false);
        if (gr->dopo)
            gr->dopo(g, cam);
    }
    return img;
}

void barraConCroce(QImage& img) {
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const double m = img.width() * 0.1, w = img.width() * 0.045;
    g.setPen(QPen(QColor(210, 20, 20, 215), w, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(m, m), QPointF(img.width() - m, img.height() - m));
    g.drawLine(QPointF(img.width() - m, m), QPointF(m, img.height() - m));
}
