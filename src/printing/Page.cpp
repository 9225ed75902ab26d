#include "printing/Page.h"

#include "base/CartellaProgramma.h"
#include "base/Twips.h"
#include "customisation/palestra.h"
#include "editor/GGAllenHELPER.h"
#include "pictures/AdattaQuadrato.h"
#include "pictures/FileConsegnati.h"
#include "printing/ContatoreTempi.h"
#include "printing/DisegnaFoglio.h"
#include "records/cTime.h"
#include "shell/f_library_core.h"

#include <QDir>
#include <cmath>

namespace {

constexpr int numeroRiquadri = 10;
constexpr double larghezzaRiquadro = 5175;
constexpr double altezzaRiquadro = 2175;
constexpr double altezzaModalita = 480;
constexpr double spazioColonne = twips::daCentimetri(0.4); // 226.8

// A rule keeps its length and is centred on the sheet, a little to the right.
void centraLinea(ElementoFoglio& l, double y) {
    const double lunghezza = l.width;
    l.left = Foglio::larghezza / 2 - lunghezza / 2 + 100;
    l.top = y;
    l.height = 0;
}

} // namespace

const QStringList& elementiRiquadro() {
    static const QStringList nomi = {
        QStringLiteral("cornice"),   QStringLiteral("nprog"),       QStringLiteral("figura"),
        QStringLiteral("durataEti"), QStringLiteral("durata"),      QStringLiteral("frequenzaEti"),
        QStringLiteral("frequenza"), QStringLiteral("ampiezzaEti"), QStringLiteral("ampiezza"),
        QStringLiteral("serieEti"),  QStringLiteral("serie"),       QStringLiteral("recuperoEti"),
        QStringLiteral("recupero"),  QStringLiteral("modalita"),    QStringLiteral("note")};
    return nomi;
}

Foglio superficieScheda() {
    using namespace FamiglieFoglio;
    using namespace ElementiFoglio;
    Foglio f;
    // Header.
    f.aggiungi(etichetta(QStringLiteral("UtenteEti"), -1, 0, 0, 1575, 375, QStringLiteral("Utente: "),
                         msSansSerif(), 13.5, true));
    f.aggiungi(etichetta(QStringLiteral("utente"), -1, 0, 0, 5895, 375, {}, arial(), 14.25, false, true));
    f.aggiungi(etichetta(QStringLiteral("istruttoreEti"), -1, 0, 0, 1575, 345, QStringLiteral("Istruttore: "),
                         msSansSerif(), 12, true));
    f.aggiungi(etichetta(QStringLiteral("Istruttore"), -1, 0, 0, 6015, 345, {}, arial(), 12, false, true));
    f.aggiungi(etichetta(QStringLiteral("periodoEti"), -1, 0, 0, 1575, 345, QStringLiteral("Periodo: "),
                         msSansSerif(), 12, true));
    f.aggiungi(etichetta(QStringLiteral("Periodo"), -1, 0, 0, 6015, 345, {}, arial(), 12, false, true));
    f.aggiungi(etichetta(QStringLiteral("FreqAllen"), -1, 0, 0, 8190, 345, {}, arial(), 12, false, true));
    f.aggiungi(etichetta(QStringLiteral("GGAllenEti"), -1, 0, 0, 1575, 345, QStringLiteral("Giorni: "),
                         msSansSerif(), 12, true));
    f.aggiungi(etichetta(QStringLiteral("GGAllen"), -1, 0, 0, 6015, 345, {}, arial(), 12, false, true));
    f.aggiungi(linea(QStringLiteral("linea"), 480, 6360, 10920, 6360));
    auto& logo = f.aggiungi(immagine(QStringLiteral("logoPalestra"), -1, 7410, 2295, 1695, 1545));
    logo.visibile = false;
    // The session's time on the platform, shown only when the gym has set a limit; placed by layout at
    // the end of the period's line, which the dates never fill.
    auto& pedana = f.aggiungi(
        etichetta(QStringLiteral("tempoPedana"), -1, 0, 0, 2835, 255, {}, arial(), 9, false, true));
    pedana.allineamento = Qt::AlignRight | Qt::AlignVCenter;
    pedana.visibile = false;

    // Exercise blocks, placed by the layout.
    for (int k = 0; k < numeroRiquadri; ++k) {
        ElementoFoglio cornice;
        cornice.tipo = ElementoFoglio::Tipo::Cornice;
        cornice.nome = QStringLiteral("cornice");
        cornice.indice = k;
        cornice.width = larghezzaRiquadro;
        cornice.height = altezzaRiquadro;
        cornice.bordo = true;
        f.aggiungi(cornice);
        f.aggiungi(immagine(QStringLiteral("figura"), k, 150, 90, 2280, 1995));
        auto& n = f.aggiungi(
            etichetta(QStringLiteral("nprog"), k, 180, 120, 255, 255, {}, centuryGothic(), 9.75, true));
        n.sfondo = QColor(0xFF, 0xFF, 0x00);
        n.colore = QColor(0x00, 0x00, 0x80);
        n.allineamento = Qt::AlignHCenter | Qt::AlignVCenter;
        const auto v = verdana();
        const int destra = Qt::AlignRight;
        // Each value, bold and right-aligned, follows its caption on the same line.
        struct Voce {
            const char* nome;
            const char* didascalia;
            double leftDidascalia, top, larghezzaDidascalia, left, larghezza;
        };
        const Voce voci[] = {{"durata", "Durata: ", 2520, 120, 1035, 3210, 1845},
                             {"frequenza", "Frequenza: ", 2520, 345, 1035, 3495, 1560},
                             {"ampiezza", "Ampiezza: ", 2520, 570, 915, 3465, 1590},
                             {"serie", "Serie:", 2520, 825, 585, 3060, 375},
                             {"recupero", "Recupero: ", 3510, 825, 915, 4425, 630}};
        for (const Voce& c : voci) {
            const QString nome = QLatin1String(c.nome);
            f.aggiungi(etichetta(nome + QStringLiteral("Eti"), k, c.leftDidascalia, c.top,
                                 c.larghezzaDidascalia, 255, QString::fromUtf8(c.didascalia), v, 8.25));
            f.aggiungi(etichetta(nome, k, c.left, c.top, c.larghezza, 255, {}, v, 8.25, true)).allineamento =
                destra;
        }
        f.aggiungi(etichetta(QStringLiteral("modalita"), k, 2520, 1080, 2535, altezzaModalita, {}, v, 8.25));
        f.aggiungi(etichetta(QStringLiteral("note"), k, 2520, 1485, 2520, 600, {}, v, 6.75));
    }

    // Final notes and footer.
    auto& note = f.aggiungi(
        etichetta(QStringLiteral("NoteFinali"), 0, 510, 4815, 10485, 1170, {}, arial(), 8.25, false, true));
    note.bordo = true;
    note.visibile = false;
    f.aggiungi(linea(QStringLiteral("linea2"), 360, 4680, 10800, 4680));
    f.aggiungi(etichetta(QStringLiteral("piepagina"), -1, 0, 0, 2175, 255, {}, timesNewRoman(), 9))
        .allineamento = Qt::AlignHCenter;
    f.aggiungi(immagine(QStringLiteral("logoVibrana"), -1, 0, 0, 1350, 405,
                        percorsoProgramma(FileConsegnati::logoMacchina)));
    f.aggiungi(immagine(QStringLiteral("LogoArvel"), -1, 0, 0, 1755, 540,
                        percorsoProgramma(FileConsegnati::logoProduttore)));
    auto& info = f.aggiungi(etichetta(QStringLiteral("info"), -1, 0, 0, 2865, 270,
                                      QStringLiteral("Printed with: "), timesNewRoman(), 9, false, true));
    info.visibile = false;
    return f;
}

QString logoPalestraPerStampa() {
    palestra p;
    return p.leggi() ? p.logo : QString();
}

namespace {

bool logoLeggibile(const QString& percorso) {
    return !immagineFoglio(risolviPercorso(percorso)).isNull();
}
} // namespace

QString avvisoLogoPalestra() {
    const QString percorso = logoPalestraPerStampa();
    if (percorso.isEmpty() || logoLeggibile(percorso))
        return {};
    return QStringLiteral(
               "Il logo della palestra \"%1\" non si può leggere: le schede sono stampate senza logo.")
        .arg(QDir::toNativeSeparators(percorso));
}

QString testoPeriodo(const QString& dal, const QString& al) {
    const QString inizio = dal.trimmed();
    const QString fine = al.trimmed();
    if (inizio.isEmpty())
        return fine.isEmpty() ? QString() : QStringLiteral("fino al ") + fine;
    if (fine.isEmpty())
        return QStringLiteral("dal ") + inizio;
    return inizio + QStringLiteral(" - ") + fine;
}

int Page::righe() const {
    return arrotondaSuperiore(static_cast<double>(esercizi.Count()) / 2);
}

void Page::setCanvas(Foglio& f) const {
    // The surface is 20 x 28 cm by construction (Foglio::larghezza x Foglio::altezza).
    scriviIntestazione(f);
    scriviEsercizi(f);
    setPiePagina(f);
}

void Page::scriviIntestazione(Foglio& f) const {
    const scheda& s = *sc;
    const QString giorni = GGAllenHELPER::descriviGiorni(s.GGAllen);
    f.el(QStringLiteral("utente")).testo = s.cognomeUtente + QLatin1Char(' ') + s.nomeUtente;
    f.el(QStringLiteral("Istruttore")).testo = s.Istruttore;
    f.el(QStringLiteral("FreqAllen")).testo = QStringLiteral("Frequenza di allenamento: ") +
                                              QString::number(static_cast<int>(s.FreqAllen)) +
                                              QStringLiteral(" giorni la settimana");
    f.el(QStringLiteral("GGAllen")).testo = giorni;
    ElementoFoglio& periodo = f.el(QStringLiteral("Periodo"));
    periodo.testo = testoPeriodo(s.PeriodoDal, s.PeriodoAl);
    // With neither date the line stays empty: the lines under it keep their places.
    periodo.visibile = !periodo.testo.isEmpty();
    f.el(QStringLiteral("periodoEti")).visibile = periodo.visibile;
    f.el(QStringLiteral("NoteFinali"), 0).testo = s.note;

    const double sinistra = twips::daCentimetri(1);
    const std::pair<const char*, const char*> righe[] = {{"UtenteEti", "utente"},
                                                         {"istruttoreEti", "Istruttore"},
                                                         {"periodoEti", "Periodo"},
                                                         {nullptr, "FreqAllen"},
                                                         {"GGAllenEti", "GGAllen"}};
    double top = twips::daCentimetri(0.5);
    for (const auto& [eti, valore] : righe) {
        ElementoFoglio& v = f.el(QLatin1String(valore));
        if (eti) {
            ElementoFoglio& e = f.el(QLatin1String(eti));
            e.left = sinistra;
            e.top = top;
            v.left = sinistra + e.width;
        } else {
            v.left = sinistra;
        }
        v.top = top;
        top += v.height;
    }

    const bool senzaGiorni =
        giorni.isEmpty() || giorni == QLatin1String("GIORNALIERO") || giorni == QLatin1String("NESSUNO");
    f.el(QStringLiteral("GGAllen")).visibile = !senzaGiorni;
    f.el(QStringLiteral("GGAllenEti")).visibile = !senzaGiorni;
    f.el(QStringLiteral("FreqAllen")).visibile = giorni != QLatin1String("NESSUNO");
    if (giorni == QLatin1String("GIORNALIERO"))
        f.el(QStringLiteral("FreqAllen")).testo = QStringLiteral("Frequenza di allenamento: ad ogni seduta");

    const ElementoFoglio& gg = f.el(QStringLiteral("GGAllen"));
    centraLinea(f.el(QStringLiteral("linea")), gg.top + gg.height + 20);

    ElementoFoglio& pedana = f.el(QStringLiteral("tempoPedana"));
    pedana.visibile = (limitePedana ? *limitePedana : palestra::leggiLimitePedana()) > 0;
    if (pedana.visibile) {
        pedana.testo = QStringLiteral("Tempo sulla pedana: ") +
                       ContatoreTempi::testoDurata(ContatoreTempi::secondiSuPedana(s));
        pedana.left = periodo.left + periodo.width - pedana.width;
        pedana.top = periodo.top + periodo.height - pedana.height;
    }

    ElementoFoglio& logo = f.el(QStringLiteral("logoPalestra"));
    const QString percorso = logoPalestra ? *logoPalestra : logoPalestraPerStampa();
    // A logo that cannot be read is left out rather than printed as an empty box on every sheet.
    logo.visibile = !percorso.isEmpty() && logoLeggibile(percorso);
    if (logo.visibile) {
        logo.immagine = risolviPercorso(percorso);
        // Measured on the picture the sheet draws, turned upright.
        const QSize dimensione = immagineFoglio(logo.immagine).size();
        const RettangoloTwips r =
            adattaAlQuadrato(twips::daPixel(dimensione.width()), twips::daPixel(dimensione.height()), 2300,
                             twips::daCentimetri(15), twips::daCentimetri(0.3));
        logo.left = r.left;
        logo.top = r.top;
        logo.width = r.width;
        logo.height = r.height;
    }
}

void Page::mostraRiquadro(Foglio& f, int k, bool visibile) {
    for (const QString& nome : elementiRiquadro())
        f.el(nome, k).visibile = visibile;
}

void Page::scriviEsercizi(Foglio& f) const {
    for (long i = 1; i <= esercizi.Count(); ++i) {
        const Esercizio& e = esercizi[i];
        const int k = static_cast<int>(i - 1);
        const ElementoFoglio& cornice = f.el(QStringLiteral("cornice"), k);
        f.el(QStringLiteral("nprog"), k).testo = QString::number(e.nprog);
        ElementoFoglio& note = f.el(QStringLiteral("note"), k);
        if (e.isLibero) {
            mostraRiquadro(f, k, false);
            f.el(QStringLiteral("nprog"), k).visibile = true;
            f.el(QStringLiteral("cornice"), k).visibile = true;
            note.visibile = true;
            note.testo = e.note;
            const double larghezzaNumero = f.el(QStringLiteral("nprog"), k).width;
            note.left = cornice.left + 150;
            note.top = cornice.top + 150 + larghezzaNumero;
            note.width = cornice.width - 300;
            note.height = cornice.height - 300;
            continue;
        }
        f.el(QStringLiteral("figura"), k).immagine = percorsoProgramma(e.getFoto());
        f.el(QStringLiteral("durata"), k).testo = e.durata;
        f.el(QStringLiteral("frequenza"), k).testo = e.frequenza;
        f.el(QStringLiteral("ampiezza"), k).testo = e.ampiezza;
        cTime recupero;
        recupero.setTime(0, static_cast<std::int16_t>(static_cast<int>(e.recuperoMin)),
                         static_cast<std::int16_t>(static_cast<int>(e.recuperoSec)));
        f.el(QStringLiteral("recupero"), k).testo = recupero.getTime();
        f.el(QStringLiteral("serie"), k).testo = QString::number(static_cast<int>(e.serie));
        ElementoFoglio& modalita = f.el(QStringLiteral("modalita"), k);
        modalita.testo = QStringLiteral("Modalità: ") + e.modalita + QLatin1Char(' ') + e.peso;
        note.left = modalita.left;
        note.width = modalita.width;
        note.top = modalita.top + altezzaModalita - 30;
        // The notes start inside the mode's box: its text may only use the space above them.
        modalita.height = note.top - modalita.top;
        note.height = 600;
        note.testo = QStringLiteral("Note: ") + e.note;
        mostraRiquadro(f, k, true);
    }
    for (int k = static_cast<int>(esercizi.Count()); k < numeroRiquadri; ++k)
        mostraRiquadro(f, k, false);
    if (esercizi.isEmpty())
        return;
    posizionaRiquadri(f, impaginazione(f));
}

ImpaginazioneRiquadri Page::impaginazione(const Foglio& f) const {
    ImpaginazioneRiquadri posti;
    if (esercizi.Count() % 2 == 1) {
        // The block alone in the last row stands in the middle.
        const ElementoFoglio& c = f.el(QStringLiteral("cornice"), 0);
        const auto passo = static_cast<std::int16_t>(std::nearbyint(c.width + spazioColonne));
        posti.margineSinistroUltimaRiga = 0.9 + twips::aCentimetri(passo / 2.0);
    }
    // The free height is shared out between the rows, unless a full sheet must leave room for the
    // final notes.
    const bool note = !sc->note.isEmpty() && isLastPage;
    const int r = righe();
    if (r == 5 && note)
        return posti;
    const double disponibile = twips::daCentimetri(28 - posti.margineAlto - (note ? 3.7 : 1.5));
    const double libero = disponibile - r * f.el(QStringLiteral("cornice"), 0).height;
    posti.margineAlto += twips::aCentimetri(r == 1 ? libero / 2 : libero / 4);
    if (r >= 2)
        posti.spazioTraRighe += twips::aCentimetri(libero / 2 / (r - 1));
    return posti;
}

void Page::posizionaRiquadri(Foglio& f, const ImpaginazioneRiquadri& posti) const {
    const ElementoFoglio& c0 = f.el(QStringLiteral("cornice"), 0);
    const double w = c0.width;
    const double h = c0.height;
    const int n = static_cast<int>(esercizi.Count());
    const int r = righe();
    for (int riga = 1; riga <= r; ++riga)
        for (int colonna = 1; colonna <= 2; ++colonna) {
            const int e = 2 * (riga - 1) + colonna;
            if (e > n)
                break;
            const double top = (twips::daCentimetri(posti.spazioTraRighe) + h) * (riga - 1) +
                               twips::daCentimetri(posti.margineAlto);
            const double margine = riga < r ? 0.9 : posti.margineSinistroUltimaRiga;
            const double left = (colonna - 1) * (w + spazioColonne) + twips::daCentimetri(margine);
            spostaRiquadro(f, e - 1, top, left);
        }
}

void Page::spostaRiquadro(Foglio& f, int k, double top, double left) {
    ElementoFoglio& cornice = f.el(QStringLiteral("cornice"), k);
    const QStringList& nomi = elementiRiquadro();
    for (qsizetype i = 1; i < nomi.size(); ++i) {
        ElementoFoglio& e = f.el(nomi[i], k);
        e.left = left + (e.left - cornice.left);
        e.top = top + (e.top - cornice.top);
    }
    cornice.left = left;
    cornice.top = top;
}

void Page::setPiePagina(Foglio& f) const {
    const double p = Foglio::altezza;
    centraLinea(f.el(QStringLiteral("linea2")), p - 1000);
    ElementoFoglio& pie = f.el(QStringLiteral("piepagina"));
    pie.top = p - 2 * pie.height;
    pie.left = Foglio::larghezza / 2 - pie.width / 2;
    ElementoFoglio& info = f.el(QStringLiteral("info"));
    info.top = p - 2 * info.height;
    info.left = Foglio::larghezza * 0.625;
    ElementoFoglio& arvel = f.el(QStringLiteral("LogoArvel"));
    arvel.top = p - 2 * arvel.height + 165;
    arvel.left = info.left + info.width - arvel.width + 1100;
    ElementoFoglio& vibrana = f.el(QStringLiteral("logoVibrana"));
    vibrana.top = p - 2 * vibrana.height + 115;
    vibrana.left = twips::daCentimetri(0.9) + 100;
    ElementoFoglio& note = f.el(QStringLiteral("NoteFinali"), 0);
    note.visibile = !note.testo.isEmpty() && isLastPage;
    if (isLastPage)
        note.top = twips::daCentimetri(24.3);
}
