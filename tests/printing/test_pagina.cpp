#include "ArchivioStampa.h"
#include "printing/Page.h"
#include "printing/StampaPdf.h"
#include "printing/pages.h"

#include <QDir>
#include <QFile>
#include <QPointF>
#include <gtest/gtest.h>

namespace {

constexpr double tolleranza = 0.01;
constexpr double H = 2175;

class Pagina : public ArchivioStampa {
protected:
    void SetUp() override {
        ArchivioStampa::SetUp();
        figura(1);
    }

    // A sheet of n platform exercises of a card with the given final notes.
    Page foglio(int n, bool ultima = true, const QString& note = QString(),
                const QString& giorni = QStringLiteral("001010100")) const {
        auto s = std::make_shared<::scheda>();
        s->nomeUtente = QStringLiteral("Mario");
        s->cognomeUtente = QStringLiteral("Rossi");
        s->Istruttore = QStringLiteral("Anna");
        s->PeriodoDal = QStringLiteral("01/12/2026");
        s->PeriodoAl = QStringLiteral("22/12/2026");
        s->FreqAllen = 3;
        s->GGAllen = giorni;
        s->note = note;
        Page p;
        p.sc = s;
        p.isLastPage = ultima;
        for (int i = 1; i <= n; ++i)
            p.esercizi.Add(esercizio(i));
        return p;
    }
};

struct CasoGriglia {
    int esercizi;
    bool ultima;
    const char* note;
    double primaRiga; // top of the first row
    double spazio;    // gap between rows; 0 with one row
};

class GrigliaRiquadri : public Pagina, public ::testing::WithParamInterface<CasoGriglia> {};

TEST_P(GrigliaRiquadri, RigheEColonneSecondoLeNoteFinali) {
    const CasoGriglia c = GetParam();
    Foglio f = superficieScheda();
    foglio(c.esercizi, c.ultima, QString::fromUtf8(c.note)).setCanvas(f);
    for (int k = 0; k < c.esercizi; ++k) {
        const ElementoFoglio& cornice = f.el(QStringLiteral("cornice"), k);
        const int riga = k / 2;
        SCOPED_TRACE(k);
        if (riga == 0)
            EXPECT_NEAR(cornice.top, c.primaRiga, tolleranza);
        else
            EXPECT_NEAR(cornice.top - f.el(QStringLiteral("cornice"), k - 2).top - H, c.spazio, tolleranza);
        const bool soloInUltimaRiga = c.esercizi % 2 == 1 && k == c.esercizi - 1;
        const double sinistra = soloInUltimaRiga ? 3211.3 : (k % 2 == 0 ? 510.3 : 5912.1);
        EXPECT_NEAR(cornice.left, sinistra, tolleranza);
        EXPECT_TRUE(cornice.visibile);
    }
    for (int k = c.esercizi; k < 10; ++k)
        EXPECT_FALSE(f.el(QStringLiteral("cornice"), k).visibile) << k;
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, GrigliaRiquadri,
    ::testing::Values(
        CasoGriglia{1, true, "", 7403.33, 0}, CasoGriglia{2, true, "", 7403.33, 0},
        CasoGriglia{4, true, "", 4135.99, 4416.38}, CasoGriglia{3, true, "", 4135.99, 4416.38},
        CasoGriglia{6, true, "", 3592.24, 1692.79}, CasoGriglia{7, true, "", 3048.49, 784.93},
        CasoGriglia{9, true, "", 2504.74, 330.99}, CasoGriglia{10, true, "", 2504.74, 330.99},
        CasoGriglia{1, true, "note", 6779.62, 0}, CasoGriglia{6, true, "note", 3280.39, 1380.94},
        CasoGriglia{3, true, "note", 3824.14, 3792.68}, CasoGriglia{8, true, "note", 2736.64, 577.03},
        CasoGriglia{10, true, "note", 1956.15, 56.70},
        // Notes count only on the card's last sheet.
        CasoGriglia{10, false, "note", 2504.74, 330.99}, CasoGriglia{1, false, "note", 7403.33, 0}));

TEST_F(Pagina, ValoriDiImpaginazioneDelFoglioPieno) {
    const Foglio f = superficieScheda();
    const ImpaginazioneRiquadri pieno = foglio(10, true, QStringLiteral("note")).impaginazione(f);
    EXPECT_DOUBLE_EQ(pieno.margineAlto, 3.45);
    EXPECT_DOUBLE_EQ(pieno.spazioTraRighe, 0.1);
    EXPECT_DOUBLE_EQ(pieno.margineSinistroUltimaRiga, 0.9);
    EXPECT_NEAR(foglio(5, true).impaginazione(f).margineSinistroUltimaRiga, 0.9 + 5402.0 / 2 / 567, 1e-9);
}

TEST_F(Pagina, GliElementiDelRiquadroSeguonoLaCornice) {
    Foglio f = superficieScheda();
    foglio(2).setCanvas(f);
    for (int k = 0; k < 2; ++k) {
        const ElementoFoglio& c = f.el(QStringLiteral("cornice"), k);
        auto rel = [&](const char* nome) {
            const ElementoFoglio& e = f.el(QLatin1String(nome), k);
            return QPointF(e.left - c.left, e.top - c.top);
        };
        EXPECT_EQ(rel("figura"), QPointF(150, 90));
        EXPECT_EQ(rel("nprog"), QPointF(180, 120));
        EXPECT_EQ(rel("note"), QPointF(2520, 1530));
        EXPECT_EQ(rel("modalita"), QPointF(2520, 1080));
        for (const char* valore : {"durata", "frequenza", "ampiezza", "recupero"}) {
            const ElementoFoglio& e = f.el(QLatin1String(valore), k);
            EXPECT_DOUBLE_EQ(e.left + e.width - c.left, 5055) << valore;
        }
    }
}

TEST_F(Pagina, TestiDelRiquadro) {
    Foglio f = superficieScheda();
    Page p = foglio(2);
    p.esercizi[2].recuperoMin = 0;
    p.esercizi[2].recuperoSec = 0;
    p.setCanvas(f);
    EXPECT_EQ(f.el(QStringLiteral("nprog"), 0).testo, QStringLiteral("1"));
    EXPECT_EQ(f.el(QStringLiteral("durata"), 0).testo, QStringLiteral("30s"));
    EXPECT_EQ(f.el(QStringLiteral("frequenza"), 0).testo, QStringLiteral("40Hz"));
    EXPECT_EQ(f.el(QStringLiteral("ampiezza"), 0).testo, QStringLiteral("H"));
    EXPECT_EQ(f.el(QStringLiteral("serie"), 0).testo, QStringLiteral("3"));
    EXPECT_EQ(f.el(QStringLiteral("recupero"), 0).testo, QStringLiteral("01:30"));
    EXPECT_EQ(f.el(QStringLiteral("recupero"), 1).testo, QStringLiteral("00:00"));
    EXPECT_EQ(f.el(QStringLiteral("modalita"), 0).testo, QStringLiteral("Modalità: Combinata 5 kg"));
    EXPECT_EQ(f.el(QStringLiteral("note"), 0).testo, QStringLiteral("Note: lento"));
    EXPECT_EQ(QDir::cleanPath(f.el(QStringLiteral("figura"), 0).immagine),
              QDir::cleanPath(cartella() + QStringLiteral("/images/esercizi/f1.jpg")));
}

TEST_F(Pagina, EsercizioLiberoMostraSoloNumeroCorniceEDescrizione) {
    Foglio f = superficieScheda();
    Page p = foglio(1);
    p.setCanvas(f); // a platform exercise first: the free one must hide what it showed
    p.esercizi[1] = libero(1, QStringLiteral("Corsa leggera 10 minuti"));
    p.setCanvas(f);
    for (const QString& nome : elementiRiquadro()) {
        const bool atteso = nome == QLatin1String("cornice") || nome == QLatin1String("nprog") ||
                            nome == QLatin1String("note");
        EXPECT_EQ(f.el(nome, 0).visibile, atteso) << nome.toStdString();
    }
    const ElementoFoglio& c = f.el(QStringLiteral("cornice"), 0);
    const ElementoFoglio& n = f.el(QStringLiteral("note"), 0);
    EXPECT_EQ(n.testo, QStringLiteral("Corsa leggera 10 minuti"));
    EXPECT_DOUBLE_EQ(n.left - c.left, 150);
    EXPECT_DOUBLE_EQ(n.top - c.top, 405);
    EXPECT_DOUBLE_EQ(n.width, 4875);
    EXPECT_DOUBLE_EQ(n.height, 1875);
}

TEST_F(Pagina, RiquadriAvanzatiNascostiAncheDopoUnFoglioPieno) {
    Foglio f = superficieScheda();
    foglio(10).setCanvas(f);
    foglio(3).setCanvas(f);
    for (int k = 0; k < 10; ++k)
        for (const QString& nome : elementiRiquadro())
            EXPECT_EQ(f.el(nome, k).visibile, k < 3) << nome.toStdString() << k;
}

TEST_F(Pagina, IntestazioneUnaRigaSottoLAltra) {
    Foglio f = superficieScheda();
    foglio(1).setCanvas(f);
    const std::tuple<const char*, const char*, double> righe[] = {{"UtenteEti", "utente", 283.5},
                                                                  {"istruttoreEti", "Istruttore", 658.5},
                                                                  {"periodoEti", "Periodo", 1003.5},
                                                                  {nullptr, "FreqAllen", 1348.5},
                                                                  {"GGAllenEti", "GGAllen", 1693.5}};
    for (const auto& [eti, valore, top] : righe) {
        const ElementoFoglio& v = f.el(QLatin1String(valore));
        EXPECT_DOUBLE_EQ(v.top, top) << valore;
        EXPECT_DOUBLE_EQ(v.left, eti ? 2142 : 567) << valore;
        if (eti) {
            EXPECT_DOUBLE_EQ(f.el(QLatin1String(eti)).top, top) << eti;
            EXPECT_DOUBLE_EQ(f.el(QLatin1String(eti)).left, 567) << eti;
        }
    }
    EXPECT_EQ(f.el(QStringLiteral("utente")).testo, QStringLiteral("Rossi Mario"));
    EXPECT_EQ(f.el(QStringLiteral("Periodo")).testo, QStringLiteral("01/12/2026 - 22/12/2026"));
    EXPECT_EQ(f.el(QStringLiteral("FreqAllen")).testo,
              QStringLiteral("Frequenza di allenamento: 3 giorni la settimana"));
    const ElementoFoglio& linea = f.el(QStringLiteral("linea"));
    EXPECT_DOUBLE_EQ(linea.top, 2058.5);
    EXPECT_DOUBLE_EQ(linea.left, 550);
    EXPECT_DOUBLE_EQ(linea.left + linea.width, 10990);
}

struct CasoPeriodo {
    const char* dal;
    const char* al;
    const char* testo; // empty: the line is left out
    const char* file;
};

// One surface for every case in turn, as the preview reuses it: a line left out comes back.
TEST_F(Pagina, PeriodoSoloConLeDateCheLaSchedaHa) {
    const CasoPeriodo casi[] = {
        {"01/12/2026", "31/12/2026", "01/12/2026 - 31/12/2026",
         "Scheda Rossi Mario dal 01-12-2026 al 31-12-2026.pdf"},
        {"", "", "", "Scheda Rossi Mario.pdf"},
        {"01/12/2026", "", "dal 01/12/2026", "Scheda Rossi Mario dal 01-12-2026.pdf"},
        {"", "", "", "Scheda Rossi Mario.pdf"},
        {"", "31/12/2026", "fino al 31/12/2026", "Scheda Rossi Mario fino al 31-12-2026.pdf"},
    };
    Foglio f = superficieScheda();
    for (const CasoPeriodo& c : casi) {
        SCOPED_TRACE(std::string(c.dal) + " / " + c.al);
        Page p = foglio(1);
        auto s = std::make_shared<::scheda>(*p.sc);
        s->PeriodoDal = QLatin1String(c.dal);
        s->PeriodoAl = QLatin1String(c.al);
        p.sc = s;
        p.setCanvas(f);
        const QString testo = QLatin1String(c.testo);
        const ElementoFoglio& periodo = f.el(QStringLiteral("Periodo"));
        const ElementoFoglio& didascalia = f.el(QStringLiteral("periodoEti"));
        EXPECT_EQ(periodo.testo, testo);
        EXPECT_EQ(periodo.visibile, !testo.isEmpty());
        EXPECT_EQ(didascalia.visibile, !testo.isEmpty());
        // The lines keep their places whether the period shows or not.
        EXPECT_DOUBLE_EQ(periodo.top, 1003.5);
        EXPECT_DOUBLE_EQ(didascalia.top, 1003.5);
        EXPECT_DOUBLE_EQ(f.el(QStringLiteral("FreqAllen")).top, 1348.5);
        EXPECT_DOUBLE_EQ(f.el(QStringLiteral("GGAllen")).top, 1693.5);
        EXPECT_DOUBLE_EQ(f.el(QStringLiteral("linea")).top, 2058.5);
        EXPECT_EQ(nomePdfScheda(*s), QLatin1String(c.file));
    }
}

struct CasoGiorni {
    const char* flag;
    bool giorniVisibili;
    bool frequenzaVisibile;
    const char* frequenza;
};

class RegoleGiorni : public Pagina, public ::testing::WithParamInterface<CasoGiorni> {};

TEST_P(RegoleGiorni, RigheNascosteETestoDellaFrequenza) {
    const CasoGiorni c = GetParam();
    Foglio f = superficieScheda();
    foglio(10, true, {}, QStringLiteral("010000000")).setCanvas(f); // a previous sheet hid the lines
    foglio(1, true, {}, QString::fromLatin1(c.flag)).setCanvas(f);
    EXPECT_EQ(f.el(QStringLiteral("GGAllen")).visibile, c.giorniVisibili);
    EXPECT_EQ(f.el(QStringLiteral("GGAllenEti")).visibile, c.giorniVisibili);
    EXPECT_EQ(f.el(QStringLiteral("FreqAllen")).visibile, c.frequenzaVisibile);
    EXPECT_EQ(f.el(QStringLiteral("FreqAllen")).testo, QString::fromUtf8(c.frequenza));
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, RegoleGiorni,
    ::testing::Values(
        CasoGiorni{"100000000", false, true, "Frequenza di allenamento: ad ogni seduta"},
        CasoGiorni{"010000000", false, false, "Frequenza di allenamento: 3 giorni la settimana"},
        CasoGiorni{"000000000", false, true, "Frequenza di allenamento: 3 giorni la settimana"},
        CasoGiorni{"001010100", true, true, "Frequenza di allenamento: 3 giorni la settimana"}));

TEST_F(Pagina, PiePaginaELoghiDelProduttore) {
    Foglio f = superficieScheda();
    foglio(3, true, QStringLiteral("Bere acqua")).setCanvas(f);
    const std::tuple<const char*, double, double> posizioni[] = {
        {"piepagina", 4582.5, 15366}, {"LogoArvel", 9297.5, 14961}, {"logoVibrana", 610.3, 15181},
        {"info", 7087.5, 15336},      {"linea2", 550, 14876},       {"NoteFinali", 510, 13778.1}};
    for (const auto& [nome, left, top] : posizioni) {
        const ElementoFoglio& e =
            f.el(QLatin1String(nome), QLatin1String(nome) == QLatin1String("NoteFinali") ? 0 : -1);
        EXPECT_NEAR(e.left, left, tolleranza) << nome;
        EXPECT_NEAR(e.top, top, tolleranza) << nome;
    }
    EXPECT_TRUE(f.el(QStringLiteral("NoteFinali"), 0).visibile);
    EXPECT_EQ(f.el(QStringLiteral("NoteFinali"), 0).testo, QStringLiteral("Bere acqua"));
    EXPECT_FALSE(f.el(QStringLiteral("info")).visibile);
}

TEST_F(Pagina, NoteFinaliSoloSullUltimoFoglioESeCiSono) {
    const std::tuple<bool, const char*, bool> casi[] = {
        {true, "note", true}, {false, "note", false}, {true, "", false}};
    for (const auto& [ultima, note, visibili] : casi) {
        Foglio f = superficieScheda();
        foglio(2, ultima, QString::fromUtf8(note)).setCanvas(f);
        EXPECT_EQ(f.el(QStringLiteral("NoteFinali"), 0).visibile, visibili) << ultima << note;
    }
}

TEST_F(Pagina, LogoDellaPalestraRidottoECentratoNelQuadrato) {
    const struct {
        int w, h;
        double left, top, width, height;
    } casi[] = {
        // 300 x 150 px = 4500 x 2250 twips: the wider side becomes 2300.
        {300, 150, 8505, 170.1 + (2300 - 1150) / 2.0, 2300, 1150},
        // A small logo keeps its size, centred in the square.
        {100, 60, 8505 + (2300 - 1500) / 2.0, 170.1 + (2300 - 900) / 2.0, 1500, 900},
    };
    for (const auto& c : casi) {
        palestraDiretta(immagine(QStringLiteral("images/logo.jpg"), Qt::red, c.w, c.h));
        Foglio f = superficieScheda();
        foglio(1).setCanvas(f);
        const ElementoFoglio& logo = f.el(QStringLiteral("logoPalestra"));
        EXPECT_TRUE(logo.visibile);
        EXPECT_NEAR(logo.left, c.left, tolleranza) << c.w;
        EXPECT_NEAR(logo.top, c.top, tolleranza) << c.w;
        EXPECT_NEAR(logo.width, c.width, tolleranza) << c.w;
        EXPECT_NEAR(logo.height, c.height, tolleranza) << c.w;
    }
}

TEST_F(Pagina, SenzaPalestraNessunLogoENessunMessaggio) {
    Foglio f = superficieScheda();
    foglio(1).setCanvas(f);
    EXPECT_FALSE(f.el(QStringLiteral("logoPalestra")).visibile);
    EXPECT_TRUE(messaggi().testi().isEmpty());
    palestraDiretta(QString());
    foglio(1).setCanvas(f);
    EXPECT_FALSE(f.el(QStringLiteral("logoPalestra")).visibile);
}

TEST_F(Pagina, LogoIllegibileLasciatoFuoriEAvvisato) {
    const QString rovinato = immagine(QStringLiteral("images/rovinato.jpg"), Qt::red, 100, 60);
    QFile file(rovinato);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("non è una foto");
    file.close();
    const QString casi[] = {cartella() + QStringLiteral("/images/spostato.jpg"), rovinato};
    for (const QString& logo : casi) {
        SCOPED_TRACE(logo.toStdString());
        palestraDiretta(logo);
        Foglio f = superficieScheda();
        foglio(1).setCanvas(f);
        EXPECT_FALSE(f.el(QStringLiteral("logoPalestra")).visibile);
        EXPECT_EQ(avvisoLogoPalestra(), QStringLiteral("Il logo della palestra \"%1\" non si può leggere: le "
                                                       "schede sono stampate senza logo.")
                                            .arg(logo));
    }
    EXPECT_TRUE(messaggi().testi().isEmpty());
    // A logo that can be read, or none, needs no warning.
    palestraDiretta(immagine(QStringLiteral("images/logo.jpg"), Qt::red, 100, 60));
    EXPECT_EQ(avvisoLogoPalestra(), QString());
    palestraDiretta(QString());
    EXPECT_EQ(avvisoLogoPalestra(), QString());
}

class Fogli : public ArchivioStampa {
protected:
    void SetUp() override {
        ArchivioStampa::SetUp();
        figura(1);
    }
};

TEST_F(Fogli, DieciEserciziPerFoglioLUltimoConLeNote) {
    const std::tuple<int, int, int> casi[] = {{10, 1, 10}, {11, 2, 1}, {25, 3, 5}, {0, 0, 0}};
    for (const auto& [esercizi, numeroFogli, nellUltimo] : casi) {
        pages p;
        p.createPages(scheda(esercizi));
        ASSERT_EQ(p.numeroPagine(), numeroFogli) << esercizi;
        for (int s = 0; s < numeroFogli; ++s) {
            EXPECT_EQ(p.pages[s].isLastPage, s == numeroFogli - 1);
            EXPECT_EQ(p.pages[s].esercizi.Count(), s == numeroFogli - 1 ? nellUltimo : 10);
            EXPECT_EQ(p.pages[s].esercizi[1].nprog, 10 * s + 1);
        }
    }
}

TEST_F(Fogli, AnteprimaScriveIlNumeroDiPagina) {
    pages p;
    p.createPages(scheda(25));
    Foglio f = superficieScheda();
    EXPECT_EQ(p.PreviewPage(2, f), QStringLiteral("Pagina 2/3"));
    EXPECT_EQ(p.currentPage, 2);
    EXPECT_EQ(f.el(QStringLiteral("piepagina")).testo, QStringLiteral("Pagina 2/3"));
    EXPECT_EQ(f.el(QStringLiteral("nprog"), 0).testo, QStringLiteral("11"));
    EXPECT_FALSE(f.el(QStringLiteral("NoteFinali"), 0).visibile);
    p.PreviewPage(3, f);
    EXPECT_TRUE(f.el(QStringLiteral("NoteFinali"), 0).visibile);
    EXPECT_FALSE(f.el(QStringLiteral("cornice"), 5).visibile);
}

TEST_F(Fogli, TestiRegistratiConAccentoGraveStampatiConApostrofo) {
    eseguiDiretto(QStringLiteral(
        "INSERT INTO utenti (id_utente, nome, cognome) VALUES (3, 'Sant`Elia', 'D`Amico');"
        "INSERT INTO schede (id_scheda, id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen, "
        "GGAllen, Obiettivo, note) VALUES (5, 3, 'Dell`Orto', '2026-12-01', '2026-12-22', 1, 3, '001010100', "
        "'tono', 'Bere l`acqua');"
        "INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, RecuperoMin, "
        "RecuperoSec, "
        "Serie, Modalita, Peso, isLibero, Note) VALUES (1, 5, 1, '30s', '35Hz', 'L', 1, 30, 3, "
        "'dell`atleta', "
        "'5 kg l`uno', 0, 'sull`avampiede');"));
    pages p;
    p.createPages(5);
    Foglio f = superficieScheda();
    p.PreviewPage(1, f);
    EXPECT_EQ(f.el(QStringLiteral("utente")).testo, QStringLiteral("D'Amico Sant'Elia"));
    EXPECT_EQ(f.el(QStringLiteral("Istruttore")).testo, QStringLiteral("Dell'Orto"));
    EXPECT_EQ(f.el(QStringLiteral("NoteFinali"), 0).testo, QStringLiteral("Bere l'acqua"));
    EXPECT_EQ(f.el(QStringLiteral("modalita"), 0).testo, QStringLiteral("Modalità: dell'atleta 5 kg l'uno"));
    EXPECT_EQ(f.el(QStringLiteral("note"), 0).testo, QStringLiteral("Note: sull'avampiede"));
}

// What a save would store, numbered as it would be: a save and a print of the stored card give the
// same sheet.
TEST_F(Fogli, SchedaInMemoriaStampataComeSeFosseSalvata) {
    figura(2, Qt::red);
    ::scheda c;
    ASSERT_TRUE(c.carica(scheda(3)));
    c.caricaEsercizi();
    c.Istruttore = QStringLiteral("Luca Verdi");
    c.esercizi[2].note = QStringLiteral("piano piano");
    c.esercizi[2].serie = 5;
    c.esercizi.Add(Esercizio(), 3);                             // no picture, not free: not stored
    c.esercizi.Add(libero(0, QStringLiteral("Corsa leggera"))); // new ones, numbered 0 until saved
    c.esercizi.Add(esercizio(0, 2));

    pages inMemoria;
    inMemoria.createPages(c);
    ASSERT_EQ(inMemoria.numeroPagine(), 1);
    Foglio f = superficieScheda();
    inMemoria.PreviewPage(1, f);
    const std::pair<const char*, const char*> attesi[] = {{"1", "Note: esercizio 1"},
                                                          {"2", "Note: piano piano"},
                                                          {"4", "Note: esercizio 3"},
                                                          {"5", "Corsa leggera"},
                                                          {"6", "Note: lento"}};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(f.el(QStringLiteral("nprog"), k).testo, QLatin1String(attesi[k].first)) << k;
        EXPECT_EQ(f.el(QStringLiteral("note"), k).testo, QLatin1String(attesi[k].second)) << k;
    }
    EXPECT_FALSE(f.el(QStringLiteral("cornice"), 5).visibile);
    EXPECT_EQ(f.el(QStringLiteral("serie"), 1).testo, QStringLiteral("5"));
    EXPECT_EQ(f.el(QStringLiteral("Istruttore")).testo, QStringLiteral("Luca Verdi"));
    // The picture of an exercise not yet stored is found by its figure.
    EXPECT_EQ(QDir::cleanPath(f.el(QStringLiteral("figura"), 4).immagine),
              QDir::cleanPath(cartella() + QStringLiteral("/images/esercizi/f2.jpg")));
    EXPECT_TRUE(f.el(QStringLiteral("figura"), 4).visibile);
    // Neither the card nor the register changed.
    EXPECT_EQ(c.esercizi.Count(), 6);
    EXPECT_EQ(c.esercizi[6].nprog, 0);
    EXPECT_EQ(c.esercizi[6].ct, 0);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM Esercizi")), 3);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM Esercizi WHERE Note = 'esercizio 2' "
                                          "AND Serie = 3")),
              1);

    ::scheda salvata = c;
    salvata.save();
    ASSERT_TRUE(salvata.isSaved);
    pages registrata;
    registrata.createPages(c.id_scheda);
    ASSERT_EQ(registrata.numeroPagine(), 1);
    Foglio g = superficieScheda();
    registrata.PreviewPage(1, g);
    for (int k = 0; k < 10; ++k)
        for (const QString& nome : elementiRiquadro()) {
            const ElementoFoglio& a = f.el(nome, k);
            const ElementoFoglio& b = g.el(nome, k);
            EXPECT_EQ(a.visibile, b.visibile) << nome.toStdString() << k;
            if (b.visibile) {
                EXPECT_EQ(a.testo, b.testo) << nome.toStdString() << k;
                EXPECT_EQ(QDir::cleanPath(a.immagine), QDir::cleanPath(b.immagine))
                    << nome.toStdString() << k;
            }
        }
}

// A card never stored is known by its athlete's number: the name comes from the register.
TEST_F(Fogli, SchedaNuovaColNomeDellAtleta) {
    scheda(0);
    ::scheda nuova;
    nuova.id_utente =
        static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_utente) FROM utenti")));
    nuova.esercizi.Add(esercizio(0));
    pages p;
    p.createPages(nuova);
    ASSERT_EQ(p.numeroPagine(), 1);
    Foglio f = superficieScheda();
    p.PreviewPage(1, f);
    EXPECT_EQ(f.el(QStringLiteral("utente")).testo, QStringLiteral("Rossi Mario"));
    EXPECT_EQ(f.el(QStringLiteral("nprog"), 0).testo, QStringLiteral("1"));
    EXPECT_TRUE(nuova.cognomeUtente.isEmpty());
    EXPECT_EQ(nuova.id_scheda, 0);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM schede")), 1);
}

TEST(NomePdf, AtletaEPeriodoSenzaCaratteriVietati) {
    ::scheda s;
    s.cognomeUtente = QStringLiteral("D'Amico");
    s.nomeUtente = QStringLiteral("Anna/Maria");
    s.PeriodoDal = QStringLiteral("01/12/2026");
    s.PeriodoAl = QStringLiteral("22/12/2026");
    EXPECT_EQ(nomePdfScheda(s), QStringLiteral("Scheda D'Amico Anna_Maria dal 01-12-2026 al 22-12-2026.pdf"));
    s.PeriodoDal.clear();
    s.PeriodoAl.clear();
    EXPECT_EQ(nomePdfScheda(s), QStringLiteral("Scheda D'Amico Anna_Maria.pdf"));
}

} // namespace
