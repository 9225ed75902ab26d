#include "base/CartellaProgramma.h"
#include "base/Orologio.h"
#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "comune/Modale.h"
#include "comune/RigheElenco.h"
#include "data/CopieAutomatiche.h"
#include "data/CreaArchivio.h"
#include "data/db.h"
#include "shell/FinestraGuida.h"
#include "shell/Finestre.h"
#include "shell/ModuloBase.h"
#include "shell/Principale.h"
#include "shell/RipristinaCopia.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

const QDateTime adessoProva(QDate(2026, 12, 11), QTime(9, 15, 0));

// Copies of the register made at three moments: Rossi alone, then with Verdi and a card, and a file
// that is not a register; the register itself holds a third athlete.
class Ripristino : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           cartella() + QStringLiteral("/impostazioni"));
        impostaOrologio(adessoProva);
        salvato_ = finestre();
        registraFinestreProgramma();
        finestre().scaricaEditorScheda = [this] { chiamate_ << QStringLiteral("scarica"); };
        finestre().caricaEditorScheda = [this](AvanzamentoBarra&) { chiamate_ << QStringLiteral("carica"); };
        impostaFileGuida(QStringLiteral(VIBRANA_SQL_DIR "/../help/HELP.hlp"));

        QDir().mkpath(cartellaBackup());
        atleta(QStringLiteral("Rossi"));
        vecchia_ = nomeCopia(percorsoArchivio(), QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
        copiaArchivio(percorsoArchivio(), vecchia_);
        atleta(QStringLiteral("Verdi"));
        eseguiDiretto(QStringLiteral("INSERT INTO schede (id_utente, Istruttore, id_cat, FreqAllen) "
                                     "SELECT id_utente, 'Luca', 1, 3 FROM utenti WHERE cognome = 'Verdi'"));
        recente_ = nomeCopia(percorsoArchivio(), QDateTime(QDate(2026, 12, 10), QTime(8, 0, 30)));
        copiaArchivio(percorsoArchivio(), recente_);
        rovinata_ = nomeCopia(percorsoArchivio(), QDateTime(QDate(2026, 12, 10), QTime(20, 0)));
        QFile f(rovinata_);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Elenco atleti: Rossi, Bianchi\n");
        f.close();
        atleta(QStringLiteral("Bianchi"));
        archivioPrima_ = leggi(percorsoArchivio());
    }
    void TearDown() override {
        if (FinestraGuida* g = finestraGuida())
            g->close();
        if (Principale* p = principaleCaricata())
            p->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }
    QString cartellaBackup() const { return cartella() + QStringLiteral("/backup"); }
    void atleta(const QString& cognome) const {
        eseguiDiretto(
            QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('Anna', '%1')").arg(cognome));
    }
    static QByteArray leggi(const QString& percorso) {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    long atletiDi(const QString& cognome) const {
        return static_cast<long>(
            contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE cognome = '%1'").arg(cognome)));
    }
    // Opens the window from the main window's menu and lets `agisci` use it.
    void dalMenu(const std::function<void(RipristinaCopia&)>& agisci) {
        Principale& p = principale();
        p.mostra();
        usaModale<RipristinaCopia>([&p] { attiva(p, "mnuZDFRipristina"); }, agisci);
    }
    static void scegli(RipristinaCopia& w, const QString& data) {
        QTreeWidget* lw = w.LW();
        for (int i = 0; i < lw->topLevelItemCount(); ++i)
            if (lw->topLevelItem(i)->text(RipristinaCopia::ColData) == data)
                lw->setCurrentItem(lw->topLevelItem(i));
        ASSERT_EQ(lw->currentItem()->text(RipristinaCopia::ColData), data);
    }
    static QPushButton* pulsante(RipristinaCopia& w, const char* nome) {
        return w.findChild<QPushButton*>(QString::fromLatin1(nome));
    }

    RegistroFinestre salvato_;
    QStringList chiamate_;
    QString vecchia_, recente_, rovinata_;
    QByteArray archivioPrima_;
};

TEST_F(Ripristino, ElencaLeCopieConDataDimensioneEContenuto) {
    dalMenu([](RipristinaCopia& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Ripristina copia dell'archivio"));
        QTreeWidget* lw = w.LW();
        EXPECT_EQ(colonna(lw, RipristinaCopia::ColData),
                  (QStringList{"10/12/2026 20:00:00", "10/12/2026 08:00:30", "09/12/2026 08:00:00"}));
        EXPECT_EQ(colonna(lw, RipristinaCopia::ColTipo),
                  (QStringList{"Automatica", "Automatica", "Automatica"}));
        EXPECT_EQ(colonna(lw, RipristinaCopia::ColAtleti), (QStringList{"illeggibile", "2", "1"}));
        EXPECT_EQ(colonna(lw, RipristinaCopia::ColSchede), (QStringList{"", "1", "0"}));
        EXPECT_EQ(colonna(lw, RipristinaCopia::ColDimensione).at(0), QStringLiteral("30 byte"));
        EXPECT_TRUE(colonna(lw, RipristinaCopia::ColDimensione).at(1).endsWith(QStringLiteral(" kB")))
            << colonna(lw, RipristinaCopia::ColDimensione).at(1).toStdString();
        // The newest is chosen, ready for Enter.
        EXPECT_EQ(lw->currentItem(), lw->topLevelItem(0));
        EXPECT_TRUE(pulsante(w, "cmdRipristina")->isEnabled());
        pulsante(w, "cmdChiudi")->click();
    });
    EXPECT_TRUE(messaggi().mostrati.empty());
    EXPECT_EQ(leggi(percorsoArchivio()), archivioPrima_);
}

TEST_F(Ripristino, LaCopiaScelataSostituisceLArchivioEIlProgrammaRiparte) {
    idUtenteSelezionato = 4;
    idSchedaSelezionata = 7;
    idModelloSelezionato = 2;
    messaggi().rispondi(Risposta::Si);
    dalMenu([](RipristinaCopia& w) {
        scegli(w, QStringLiteral("09/12/2026 08:00:00"));
        pulsante(w, "cmdRipristina")->click();
    });
    ASSERT_EQ(messaggi().mostrati.size(), 2u);
    const auto& domanda = messaggi().mostrati[0];
    EXPECT_EQ(domanda.tipo, TipoMessaggio::Domanda);
    EXPECT_EQ(domanda.predefinita, Risposta::No);
    EXPECT_TRUE(domanda.testo.startsWith(
        QStringLiteral("Ripristinare la copia del 09/12/2026 08:00:00 (1 atleti, 0 schede)?")))
        << domanda.testo.toStdString();
    const QString conservato = nomeCopia(percorsoArchivio(), adessoProva, true);
    EXPECT_EQ(messaggi().mostrati[1].testo,
              QStringLiteral("Copia ripristinata. L'archivio com'era prima è conservato in %1.")
                  .arg(QDir::toNativeSeparators(conservato)));
    // The register is the old copy, read as such through db too.
    EXPECT_EQ(atletiDi(QStringLiteral("Rossi")), 1);
    EXPECT_EQ(atletiDi(QStringLiteral("Verdi")), 0);
    EXPECT_EQ(db().DCount(QStringLiteral("id_utente"), QStringLiteral("utenti"), QString()), 1);
    // The register as it was is kept whole.
    ASSERT_TRUE(QFileInfo::exists(conservato));
    const std::optional<ContenutoCopia> c = contenutoCopia(conservato);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->atleti, 3);
    // Nothing selected any more, and the editor's catalogue read again.
    EXPECT_EQ(idUtenteSelezionato, 0);
    EXPECT_EQ(idSchedaSelezionata, 0);
    EXPECT_EQ(idModelloSelezionato, 0);
    EXPECT_EQ(chiamate_, (QStringList{"scarica", "carica"}));

    // The window lists the kept register next time.
    dalMenu([](RipristinaCopia& w) {
        EXPECT_EQ(w.LW()->topLevelItem(0)->text(RipristinaCopia::ColTipo),
                  QStringLiteral("Prima del ripristino"));
        EXPECT_EQ(w.LW()->topLevelItem(0)->text(RipristinaCopia::ColAtleti), QStringLiteral("3"));
        w.reject();
    });
}

TEST_F(Ripristino, RispondereNoODanneggiataNonCambiaNulla) {
    const struct {
        const char* caso;
        const char* data;
        Risposta risposta;
        QStringList tipi; // after the question
    } casi[] = {
        {"risposta no", "10/12/2026 08:00:30", Risposta::No, {}},
        {"copia danneggiata", "10/12/2026 20:00:00", Risposta::Si, {"errore"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        messaggi().mostrati.clear();
        messaggi().rispondi(c.risposta);
        bool aperta = false;
        dalMenu([&](RipristinaCopia& w) {
            scegli(w, QString::fromLatin1(c.data));
            QTest::keyClick(w.LW(), Qt::Key_Return);
            // Refused: the window stays, for another choice.
            aperta = w.isVisible();
            w.reject();
        });
        EXPECT_TRUE(aperta);
        ASSERT_EQ(static_cast<int>(messaggi().mostrati.size()), 1 + c.tipi.size());
        if (!c.tipi.isEmpty()) {
            EXPECT_EQ(messaggi().mostrati[1].tipo, TipoMessaggio::Errore);
            EXPECT_TRUE(messaggi().mostrati[1].testo.contains(
                QStringLiteral("è danneggiata o non è un archivio di Vibrana")))
                << messaggi().mostrati[1].testo.toStdString();
        }
        EXPECT_EQ(leggi(percorsoArchivio()), archivioPrima_);
        EXPECT_EQ(QDir(cartellaBackup()).entryList(QDir::Files).size(), 3);
        EXPECT_TRUE(chiamate_.isEmpty());
    }
}

TEST_F(Ripristino, SenzaCopieNienteDaRipristinareEF1ApreLaGuida) {
    ASSERT_TRUE(QDir(cartellaBackup()).removeRecursively());
    dalMenu([](RipristinaCopia& w) {
        EXPECT_EQ(w.LW()->topLevelItemCount(), 0);
        EXPECT_FALSE(pulsante(w, "cmdRipristina")->isEnabled());
        EXPECT_TRUE(
            w.findChild<QLabel*>(QStringLiteral("lblCopie"))->text().contains(QStringLiteral("nessuna")));
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(w.LW(), Qt::Key_F1);
        ASSERT_NE(finestraGuida(), nullptr);
        EXPECT_EQ(finestraGuida()->browser()->source().fragment(), QStringLiteral("copie"));
        finestraGuida()->close();
        w.reject();
    });
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(Ripristino, SulRegistroCondivisoIlComandoRimandaAlServer) {
    Principale& p = principale();
    p.mostra();
    bool finestraAperta = false;
    finestre().RipristinaCopia = [&] { finestraAperta = true; };
    qputenv("VIBRANA_SERVER", "postgresql://palestra@server/vibrana");
    attiva(p, "mnuZDFRipristina");
    qunsetenv("VIBRANA_SERVER");
    EXPECT_FALSE(finestraAperta);
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_EQ(messaggi().mostrati[0].tipo, TipoMessaggio::Informazione);
    EXPECT_TRUE(messaggi().mostrati[0].testo.contains(
        QStringLiteral("pg_dump -Fc -f vibrana.dump postgresql://utente@server/vibrana")))
        << messaggi().mostrati[0].testo.toStdString();
    EXPECT_FALSE(QFileInfo::exists(nomeCopia(percorsoArchivio(), adessoProva, true)));
    EXPECT_EQ(leggi(percorsoArchivio()), archivioPrima_);
}

} // namespace
