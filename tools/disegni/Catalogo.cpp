#include "Catalogo.h"

namespace {

const double HP = 0.20;   // standing surface of the platform
const double CAV = 0.087; // ankle joint above the sole

bool girato(const Posa& p) {
    return p.imbardata > 90 || p.imbardata < -90;
}

// Ankle targets for a figure standing on a surface of height `h`, feet `larghezza` apart,
// `avanti` metres in front of the platform centre along the figure's facing.
void piedi(Posa& p, double h, double larghezza = 0.30, double avanti = -0.05) {
    const double s = girato(p) ? -1 : 1;
    p.gdx.tallone = V3{-s * larghezza / 2, h + CAV, s * avanti};
    p.gsx.tallone = V3{s * larghezza / 2, h + CAV, s * avanti};
}

// Standing on the plate: pelvis `altezza` above the plate and `indietro` behind the feet, pelvis
// pitched forward by `busto`. Straight legs: altezza about 0.93.
Posa inPiedi(double altezza, double indietro, double busto, bool manubrio = true,
             bool spalleAllaColonna = false, double larghezza = 0.30) {
    Posa p;
    if (spalleAllaColonna)
        p.imbardata = 180;
    const double s = girato(p) ? -1 : 1;
    p.appoggio = Appoggio::Bacino;
    p.punto = V3{0, HP + altezza, s * (-0.05 - indietro)};
    p.beccheggio = busto;
    p.testa = -busto * 0.55;
    p.manubrio = manubrio;
    piedi(p, HP, larghezza);
    return p;
}

void sullePunte(Posa& p, double quanto = 0.07) {
    for (Gamba* g : {&p.gdx, &p.gsx})
        if (g->tallone) {
            g->tallone->y += quanto;
            g->caviglia = 38;
        }
}

void braccia(Posa& p, Braccio b) {
    p.dx = b, p.sx = b;
}
Braccio braccio(double flessione, double abduzione, double gomito) {
    Braccio b;
    b.flessione = flessione, b.abduzione = abduzione, b.gomito = gomito;
    return b;
}
Braccio mano(V3 polsoCorpo, std::optional<V3> gomito = std::nullopt) {
    Braccio b;
    b.polsoCorpo = polsoCorpo;
    b.versoGomito = gomito;
    return b;
}
Gamba gamba(double flessione, double ginocchio, double abduzione = 4, double caviglia = 0) {
    Gamba g;
    g.flessione = flessione, g.ginocchio = ginocchio, g.abduzione = abduzione, g.caviglia = caviglia;
    return g;
}
// Hands on the hips.
void maniAiFianchi(Posa& p) {
    braccia(p, mano({0.21, 0.13, 0.0}, V3{1, 0, -0.4}));
}

// Lying face down on the forearms, elbows on the plate, body straight down to the toes on the floor.
Posa plank(double inclinazione) {
    Posa p;
    p.appoggio = Appoggio::Gomiti;
    p.punto = V3{0, HP, 0.0};
    p.beccheggio = 90 - inclinazione;
    p.testa = -25;
    braccia(p, braccio(p.beccheggio, 12, 95));
    p.gdx = gamba(0, 0, 2, 0);
    p.gsx = gamba(0, 0, 2, 0);
    return p;
}

// Push-up on the plate with straight arms and the toes on the floor.
Posa piegamento(double inclinazione, double largMani = 14) {
    Posa p;
    p.appoggio = Appoggio::Mani;
    p.punto = V3{0, HP, -0.16};
    p.beccheggio = 90 - inclinazione;
    p.testa = -10;
    braccia(p, braccio(p.beccheggio, largMani, 0));
    p.gdx = gamba(0, 0, 2, 0);
    p.gsx = gamba(0, 0, 2, 0);
    return p;
}

// On the back on the floor, feet on the plate, hips lifted by `sollevamento` (0 = on the floor).
Posa ponte(double sollevamento, double distanza = 0.55) {
    Posa p;
    p.appoggio = Appoggio::Bacino;
    p.punto = V3{0, 0.12 + sollevamento, -distanza};
    p.beccheggio = -90 - std::atan2(sollevamento, 0.42) * 180 / std::numbers::pi;
    p.testa = 35;
    p.gdx.tallone = V3{-0.13, HP + CAV, -0.04};
    p.gsx.tallone = V3{0.13, HP + CAV, -0.04};
    p.dx.polso = V3{-0.27, 0.08, -distanza + 0.05};
    p.sx.polso = V3{0.27, 0.08, -distanza + 0.05};
    p.dx.versoGomito = p.sx.versoGomito = V3{0.6, 0, 1};
    p.elevazione = 14;
    return p;
}

// Kneeling on the floor behind the platform with the forearms on the plate.
Posa quadrupedia() {
    Posa p;
    p.appoggio = Appoggio::Bacino;
    p.punto = V3{0, 0.535, -0.60};
    p.beccheggio = 90;
    p.testa = -50;
    braccia(p, braccio(90, 10, 90));
    for (int s : {-1, 1}) {
        Gamba& g = s < 0 ? p.gdx : p.gsx;
        g.tallone = V3{s * 0.12, 0.07, -1.04};
        g.piantaOrizzontale = false;
        g.caviglia = 90;
    }
    return p;
}

// The same pose on the second machine, whose plate is lower: every point placed on the plate comes down.
Posa suOstrel(Posa p) {
    const V3 giu{0, altezzaPedana(Macchina::Ostrel) - HP, 0};
    p.punto += giu;
    for (Gamba* g : {&p.gdx, &p.gsx})
        if (g->tallone && g->tallone->y > HP)
            *g->tallone += giu;
    for (Braccio* b : {&p.dx, &p.sx})
        if (b->polso)
            *b->polso += giu;
    return p;
}

} // namespace

QString idMacchina(Macchina m) {
    return m == Macchina::Ostrel ? QStringLiteral("OSTREL") : QStringLiteral("VIBRANA");
}

QString percorsoFigura(const Esercizio& e) {
    QString n = QString::number(e.numero, 'f', e.numero == int(e.numero) ? 0 : 1);
    const int punto = n.indexOf(QLatin1Char('.'));
    QString intera = punto < 0 ? n : n.left(punto);
    QString nome =
        idMacchina(e.macchina).toLower() + QLatin1Char('_') + intera.rightJustified(3, QLatin1Char('0'));
    if (punto >= 0)
        nome += QLatin1Char('_') + n.mid(punto + 1);
    return QStringLiteral("images\\esercizi\\") + nome + QStringLiteral(".JPG");
}

const std::vector<Esercizio>& catalogo() {
    static const std::vector<Esercizio> tutti = [] {
        std::vector<Esercizio> v;
        auto agg = [&](int id, double numero, const char* nome, QStringList muscoli, Posa p,
                       Macchina m = Macchina::Vibrana) {
            p.macchina = m;
            v.push_back({id, numero, m, QString::fromUtf8(nome), muscoli, p});
        };

        // --- standing on the plate, hands on the handlebar ---
        agg(1, 1, "Squat statico a 90°", {"QUA", "GLU"}, inPiedi(0.56, 0.24, 34));
        agg(2, 2, "Mezzo squat", {"QUA"}, inPiedi(0.74, 0.12, 18));
        agg(3, 3, "Squat profondo", {"QUA", "GLU", "ICI"}, inPiedi(0.46, 0.30, 44));
        {
            Posa p = inPiedi(0.64, 0.08, 14, false, true, 0.64);
            p.gdx.abduzione = p.gsx.abduzione = 30;
            braccia(p, braccio(35, 12, 75));
            p.azimut = -24;
            agg(4, 4, "Squat a gambe divaricate", {"ADU", "GLU", "QUA"}, p);
        }
        {
            Posa p = inPiedi(0.70, 0.16, 24);
            p.gsx.tallone.reset();
            p.gsx.flessione = 70, p.gsx.ginocchio = 75;
            agg(5, 5, "Squat su una gamba", {"QUA", "GLU", "FI2"}, p);
        }
        {
            Posa p = inPiedi(0.90, 0.0, 4);
            sullePunte(p);
            agg(6, 6, "Sollevamento sulle punte", {"POL"}, p);
        }
        {
            Posa p = inPiedi(0.70, 0.14, 20);
            sullePunte(p);
            agg(7, 7, "Polpacci in mezzo squat", {"POL", "QUA"}, p);
        }
        {
            Posa p;
            p.appoggio = Appoggio::Bacino;
            p.punto = V3{0, 0.78, -0.34};
            p.beccheggio = 8;
            p.manubrio = true;
            p.gdx.tallone = V3{-0.11, HP + CAV, 0.06};
            p.gsx.tallone = V3{0.11, 0.185, -0.86};
            p.gsx.caviglia = 50;
            agg(8, 8, "Affondo frontale", {"QUA", "GLU", "ICE"}, p);
        }
        {
            Posa p;
            p.imbardata = 180;
            p.appoggio = Appoggio::Bacino;
            p.punto = V3{0, 0.72, -0.62};
            p.beccheggio = 10;
            p.gdx.tallone = V3{0.11, CAV, -0.98};
            p.gsx.tallone = V3{-0.11, HP + 0.10, -0.12};
            p.gsx.piantaOrizzontale = false;
            p.gsx.caviglia = 80;
            maniAiFianchi(p);
            agg(9, 9, "Affondo con piede posteriore sulla pedana", {"GLU", "QUA", "ICI"}, p);
        }
        {
            Posa p;
            p.imbardata = 180;
            p.azimut = -18;
            p.appoggio = Appoggio::Bacino;
            p.punto = V3{-0.12, 0.72, 0.0};
            p.beccheggio = 18;
            p.testa = -10;
            p.gdx.tallone = V3{0.06, HP + CAV, 0.0};
            p.gdx.abduzione = 20;
            p.gsx.tallone = V3{-0.78, CAV, 0.0};
            p.gsx.abduzione = 40;
            braccia(p, braccio(40, 12, 75));
            agg(10, 10, "Affondo laterale", {"ADU", "FI3", "QUA"}, p);
        }
        {
            Posa p = inPiedi(0.90, 0.06, 55, false, true);
            braccia(p, braccio(55, 6, 5));
            p.cinghie = true;
            agg(11, 11, "Stacco a gambe tese con le cinghie", {"ICE", "ICI", "ERE"}, p);
        }
        {
            Posa p = quadrupedia();
            p.gsx.tallone.reset();
            p.gsx = gamba(0, 0, 3, 40);
            agg(12, 12, "Estensione dell'anca in quadrupedia", {"GLU", "ICE"}, p);
        }
        {
            Posa p = quadrupedia();
            p.gsx.tallone.reset();
            p.gsx = gamba(0, 0, 3, 40);
            p.dx = braccio(180, 4, 0);
            agg(13, 12.5, "Quadrupedia con braccio e gamba opposti", {"ERE", "GLU", "DEP"}, p);
        }
        agg(14, 13, "Ponte per i glutei", {"GLU", "ICE", "ERE"}, ponte(0.30));
        {
            Posa p = ponte(0.30);
            p.gsx.tallone.reset();
            p.gsx = gamba(0, 0, 3, 20);
            agg(15, 14, "Ponte su una gamba", {"GLU", "ICI", "FI2"}, p);
        }
        {
            Posa p = ponte(0.22, 0.78);
            for (Gamba* g : {&p.gdx, &p.gsx}) {
                g->tallone->z = 0.08;
                g->caviglia = -35;
            }
            agg(16, 15, "Ponte con i talloni sulla pedana", {"ICE", "ICI"}, p);
        }
        agg(17, 16, "Plank sugli avambracci", {"ADD", "ERE"}, plank(12.8));
        {
            Posa p;
            p.imbardata = 180;
            p.azimut = -20;
            p.elevazione = 12;
            p.rollio = 68.5;
            p.appoggio = Appoggio::GomitoDx;
            p.punto = V3{0.28, HP, -0.02};
            p.dx = braccio(0, 109, 90);
            p.sx = mano({0.21, 0.13, 0.0}, V3{1, 0, -0.4});
            p.gdx = gamba(0, 0, 0, 0);
            p.gsx = gamba(0, 0, -4, 0);
            p.testa = 0;
            agg(18, 17, "Plank laterale", {"FI1", "FI2", "ADD"}, p);
        }
        {
            Posa p = ponte(0.0, 0.62);
            p.beccheggio = -62;
            p.testa = 10;
            p.dx.polso.reset();
            p.sx.polso.reset();
            braccia(p, braccio(28, 10, 5));
            agg(19, 18, "Crunch con i piedi sulla pedana", {"ADD"}, p);
        }
        {
            Posa p;
            p.imbardata = 180;
            p.appoggio = Appoggio::Mani;
            p.punto = V3{0, HP, -0.05};
            p.beccheggio = -58;
            p.testa = 25;
            braccia(p, braccio(-58, 10, 0));
            p.gdx = gamba(0, 0, 3, 0);
            p.gsx = gamba(0, 0, 3, 0);
            agg(20, 19, "Plank inverso", {"TRI", "ERE", "GLU"}, p);
        }
        agg(21, 20, "Piegamenti sulle braccia", {"PET", "TRI", "DAL"}, piegamento(29.2));
        {
            Posa p;
            p.appoggio = Appoggio::Bacino;
            p.punto = V3{0, 0.44, -0.38};
            p.beccheggio = 28;
            p.testa = -15;
            braccia(p, braccio(28, 14, 0));
            p.dx.polso = V3{-0.2, HP + 0.1, -0.15};
            p.sx.polso = V3{0.2, HP + 0.1, -0.15};
            for (int s : {-1, 1}) {
                Gamba& g = s < 0 ? p.gdx : p.gsx;
                g.tallone = V3{s * 0.12, 0.07, -1.0};
                g.piantaOrizzontale = false;
                g.caviglia = 90;
            }
            agg(22, 21, "Piegamenti sulle ginocchia", {"PET", "TRI"}, p);
        }
        {
            Posa p = piegamento(17);
            p.appoggio = Appoggio::Bacino;
            p.punto = V3{0, 0.44, -0.56};
            p.beccheggio = 74.5;
            p.dx = mano({0.1, 0.0, 0.0}, V3{0.25, -1, 0});
            p.sx = p.dx;
            p.dx.polsoCorpo.reset();
            p.sx.polsoCorpo.reset();
            p.dx.polso = V3{-0.1, HP + 0.1, -0.12};
            p.sx.polso = V3{0.1, HP + 0.1, -0.12};
            agg(23, 22, "Piegamenti a presa stretta", {"TRI", "PET"}, p);
        }
        {
            Posa p;
            p.imbardata = 180;
            p.appoggio = Appoggio::Bacino;
            p.punto = V3{0, 0.22, -0.52};
            p.beccheggio = -4;
            p.testa = 0;
            p.dx.polso = V3{0.18, HP + 0.09, -0.24};
            p.sx.polso = V3{-0.18, HP + 0.09, -0.24};
            p.gdx.tallone = V3{0.13, CAV, -1.22};
            p.gsx.tallone = V3{-0.13, CAV, -1.22};
            agg(24, 23, "Dip alla pedana", {"TRI", "DEP"}, p);
        }
        {
            Posa p = inPiedi(0.90, 0.02, 3, false, true);
            braccia(p, braccio(8, 10, 100));
            p.cinghie = true;
            agg(25, 24, "Curl per i bicipiti con le cinghie", {"BIC"}, p);
        }
        {
            Posa p = inPiedi(0.70, 0.14, 22, false, true);
            braccia(p, braccio(30, 10, 110));
            p.cinghie = true;
            agg(26, 25, "Curl in mezzo squat", {"BIC", "QUA"}, p);
        }
        {
            Posa p = inPiedi(0.91, 0.02, 2, false, true);
            braccia(p, braccio(10, 82, 12));
            p.cinghie = true;
            p.azimut = -16;
            agg(27, 26, "Alzate laterali con le cinghie", {"DAL", "TRA"}, p);
        }
        {
            Posa p = inPiedi(0.91, 0.02, 2, false, true);
            braccia(p, mano({0.08, 0.40, 0.16}, V3{1, 1.2, 0}));
            p.cinghie = true;
            p.azimut = -22;
            agg(28, 27, "Tirata al mento con le cinghie", {"TRA", "DAL"}, p);
        }
        {
            Posa p = inPiedi(0.84, 0.10, 45, false, true);
            braccia(p, braccio(15, 18, 95));
            p.cinghie = true;
            agg(29, 28, "Rematore con le cinghie", {"DOR", "DEP", "BIC"}, p);
        }
        {
            Posa p = inPiedi(0.84, 0.10, 55, false, true);
            braccia(p, braccio(30, 75, 15));
            p.cinghie = true;
            p.azimut = -28;
            p.elevazione = 16;
            agg(30, 29, "Alzate posteriori a busto flesso", {"DEP", "TRA"}, p);
        }
        {
            Posa p = inPiedi(0.90, 0.02, 2, false, true);
            braccia(p, braccio(165, 10, 125));
            p.cinghie = true;
            agg(31, 30, "Estensioni dei tricipiti sopra la testa", {"TRI"}, p);
        }
        {
            Posa p = inPiedi(0.84, 0.10, 50, false, true);
            braccia(p, braccio(-25, 8, 5));
            p.cinghie = true;
            agg(32, 31, "Slanci dei tricipiti a busto flesso", {"TRI", "DEP"}, p);
        }
        {
            Posa p;
            p.appoggio = Appoggio::Piante;
            p.punto = V3{0, HP, -0.22};
            p.beccheggio = 22;
            p.testa = -10;
            p.gdx = gamba(0, 0, 3, -22);
            p.gsx = gamba(0, 0, 3, -22);
            p.manubrio = true;
            agg(33, 32, "Spinta inclinata sul manubrio", {"PET", "TRI", "DAL"}, p);
        }
        {
            Posa p;
            p.appoggio = Appoggio::Bacino;
            p.punto = V3{0, HP + 0.58, -0.36};
            p.beccheggio = -14;
            p.testa = 5;
            p.manubrio = true;
            p.gdx.tallone = V3{-0.14, HP + CAV, 0.12};
            p.gsx.tallone = V3{0.14, HP + CAV, 0.12};
            agg(34, 33, "Trazione al manubrio inclinati indietro", {"DOR", "BIC"}, p);
        }
        {
            Posa p = inPiedi(0.92, 0.0, 0, false, true);
            p.azimut = -12;
            p.punto.x = -0.06;
            p.gdx.tallone.reset();
            p.gdx = gamba(0, 2, 32, 0);
            p.gsx.tallone = V3{-0.10, HP + CAV, 0.05};
            p.inclinazione = -6;
            maniAiFianchi(p);
            agg(35, 34, "Abduzione della gamba in piedi", {"FI2", "FI3"}, p);
        }
        {
            Posa p = inPiedi(0.66, 0.18, 26, false, true);
            p.torsione = 38;
            braccia(p, braccio(85, 0, 10));
            p.azimut = -35;
            agg(36, 35, "Torsione del busto in squat", {"FI1", "ADD"}, p);
        }
        {
            Posa p = inPiedi(0.90, 0.0, 4);
            p.punto.x = 0.04;
            p.gsx.tallone.reset();
            p.gsx = gamba(5, 80, 4, 20);
            p.gdx.tallone->x = -0.06;
            sullePunte(p);
            agg(37, 36, "Sollevamento sulle punte su una gamba", {"POL"}, p);
        }
        {
            Posa p;
            p.appoggio = Appoggio::Bacino;
            p.punto = V3{0, 0.12, -0.78};
            p.beccheggio = -48;
            p.testa = 15;
            p.gdx.tallone = V3{-0.12, HP + CAV, -0.08};
            p.gsx.tallone = V3{0.12, HP + CAV, -0.08};
            braccia(p, braccio(55, 8, 5));
            agg(38, 37, "Addominali da seduti con i piedi sulla pedana", {"ADD"}, p);
        }
        {
            Posa p = inPiedi(0.62, 0.20, 26, false, true);
            braccia(p, braccio(105, 6, 5));
            agg(39, 38, "Squat con le braccia tese in avanti", {"QUA", "ADD"}, p);
        }
        {
            Posa p;
            p.appoggio = Appoggio::Bacino;
            p.punto = V3{0, 0.78, -0.34};
            p.beccheggio = 8;
            p.gdx.tallone = V3{-0.11, HP + CAV, 0.06};
            p.gsx.tallone = V3{0.11, 0.185, -0.86};
            p.gsx.caviglia = 50;
            braccia(p, braccio(10, 12, 105));
            p.cinghie = true;
            agg(40, 39, "Affondo frontale con curl", {"BIC", "QUA"}, p);
        }
        {
            Posa p = inPiedi(0.76, 0.12, 14, false, true);
            braccia(p, braccio(88, 8, 8));
            p.cinghie = true;
            agg(41, 40, "Alzate frontali in mezzo squat", {"DAL", "QUA"}, p);
        }

        // --- the second machine ---
        {
            Posa p = inPiedi(0.58, 0.22, 32, false);
            braccia(p, braccio(60, 10, 40));
            agg(101, 1, "Squat statico", {"QUA", "GLU"}, suOstrel(p), Macchina::Ostrel);
        }
        {
            Posa p = inPiedi(0.90, 0.0, 4, false);
            sullePunte(p);
            maniAiFianchi(p);
            agg(102, 2, "Sollevamento sulle punte", {"POL"}, suOstrel(p), Macchina::Ostrel);
        }
        {
            Posa p = inPiedi(0.74, 0.12, 18, false, false, 0.5);
            p.azimut = -26;
            p.gdx.abduzione = p.gsx.abduzione = 18;
            maniAiFianchi(p);
            agg(103, 3, "Mezzo squat a gambe larghe", {"ADU", "QUA"}, suOstrel(p), Macchina::Ostrel);
        }
        agg(104, 4, "Piegamenti sulle braccia", {"PET", "TRI"}, suOstrel(piegamento(27.1)), Macchina::Ostrel);
        agg(105, 5, "Plank sugli avambracci", {"ADD", "ERE"}, suOstrel(plank(12.65)), Macchina::Ostrel);
        return v;
    }();
    return tutti;
}

std::vector<Posa> posizioniSbagliate() {
    std::vector<Posa> v;
    {
        // bending forward with straight knees to stretch
        Posa p = inPiedi(0.935, -0.02, 88, false);
        braccia(p, braccio(80, 6, 5));
        p.testa = 10;
        v.push_back(p);
    }
    {
        // standing passively with straight knees
        Posa p = inPiedi(0.935, 0.0, 0, false);
        braccia(p, braccio(0, 6, 5));
        v.push_back(p);
    }
    {
        // sitting on the plate
        Posa p;
        p.imbardata = 180;
        p.appoggio = Appoggio::Bacino;
        p.punto = V3{0, HP + 0.11, 0.08};
        p.beccheggio = 4;
        p.gdx.tallone = V3{0.12, CAV, -0.55};
        p.gsx.tallone = V3{-0.12, CAV, -0.55};
        braccia(p, braccio(20, 10, 40));
        v.push_back(p);
    }
    {
        // sitting on the plate to train the abdominals
        Posa p = v.back();
        p.beccheggio = -40;
        p.testa = 25;
        braccia(p, braccio(150, 40, 140));
        v.push_back(p);
    }
    {
        // weight on the heels, toes lifted
        Posa p = inPiedi(0.93, 0.04, -6, false);
        for (Gamba* g : {&p.gdx, &p.gsx})
            g->caviglia = -22;
        braccia(p, braccio(0, 8, 10));
        v.push_back(p);
    }
    return v;
}
