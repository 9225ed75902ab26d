#include "shell/ModuloBase.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/ImmaginiNonLette.h"
#include "base/Logger.h"
#include "base/Messaggi.h"
#include "base/Orologio.h"
#include "base/ValoreIniziale.h"
#include "base/variabiliGlobali.h"
#include "data/ArchivioServer.h"
#include "data/CopieAutomatiche.h"
#include "data/CreaArchivio.h"
#include "data/Server.h"
#include "data/db.h"
#include "pictures/FileConsegnati.h"
#include "printing/RegistraStampa.h"
#include "selection/RegistraSelezione.h"
#include "shell/FinestraGuida.h"
#include "shell/Finestre.h"
#include "shell/MonitorResolution.h"
#include "shell/Principale.h"
#include "shell/ResolutionConfirm.h"
#include "shell/RipristinaCopia.h"
#include "shell/Tool_BarProg.h"
#include "shell/frmAbout.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <cmath>
#include <memory>

namespace {

const QString chiaveRisoluzione = QStringLiteral("CAMBIO_RISOLUZIONE");
constexpr int avviiConControllo = 8;

std::function<void()>& confermaRisoluzione() {
    static std::function<void()> f = [] {
        ResolutionConfirm finestra;
        finestra.exec();
    };
    return f;
}

// The windows the shell owns itself, and what start-up needs of the subsystems that join the program
// by themselves, unless a later subsystem has registered its own.
void registraFinestreProprie() {
    RegistroFinestre& f = finestre();
    if (!f.frmAbout)
        f.frmAbout = [] {
            frmAbout finestra(principaleCaricata());
            finestra.exec();
        };
    if (!f.RipristinaCopia)
        f.RipristinaCopia = [] {
            RipristinaCopia finestra(principaleCaricata());
            finestra.exec();
        };
    if (!f.mostraPrincipale)
        f.mostraPrincipale = [] {
            if (!inChiusura)
                if (Principale* p = principaleCaricata())
                    p->mostra();
        };
    for (const ModuloFinestre& m : moduliFinestre())
        if (m.predefinite)
            m.predefinite(f);

    elencaFinestra(
        {QStringLiteral("Principale"), [] { principale().mostra(); }, [] { principale().nascondi(); }});
    elencaFinestra({QStringLiteral("frmAbout"), [] { finestre().frmAbout(); }, {}});
    elencaFinestra({QStringLiteral("RipristinaCopia"),
                    [] {
                        RipristinaCopia finestra(QApplication::activeWindow());
                        finestra.exec();
                    },
                    {}});
    elencaFinestra({QStringLiteral("InformazioniSistema"),
                    [] {
                        InformazioniSistema finestra(QApplication::activeWindow());
                        finestra.exec();
                    },
                    {}});
    elencaFinestra({QStringLiteral("ResolutionConfirm"),
                    [] {
                        ResolutionConfirm finestra;
                        finestra.exec();
                    },
                    {}});
    static std::unique_ptr<frmSplash> splash;
    elencaFinestra({QStringLiteral("frmSplash"),
                    [] {
                        splash = std::make_unique<frmSplash>();
                        splash->show();
                    },
                    [] { splash.reset(); }});
    static std::unique_ptr<Tool_BarProg> avanzamento;
    elencaFinestra({QStringLiteral("Tool_BarProg"),
                    [] {
                        avanzamento = std::make_unique<Tool_BarProg>(QApplication::activeWindow());
                        avanzamento->setTitolo(QStringLiteral("Caricamento immagini in corso"));
                        avanzamento->Totale = 100;
                        avanzamento->show();
                    },
                    [] { avanzamento.reset(); }});
    elencaFinestra({QStringLiteral("FinestraGuida"), [] { apriGuida(); },
                    [] {
                        if (FinestraGuida* g = finestraGuida())
                            g->close();
                    }});
}

// Start-up cannot go on: the reason is kept in the log (on one line) and shown.
void interrompiAvvio(const QString& motivo) {
    // The log may be what failed: it says so once, and the message below still says why.
    logger().log(QStringLiteral("Avvio interrotto: ") + QString(motivo)
                                                            .replace(QLatin1Char('\r'), QLatin1Char(' '))
                                                            .replace(QLatin1Char('\n'), QLatin1Char(' ')));
    mostraMessaggio(motivo, TipoMessaggio::Errore, Pulsanti::OK);
}

// A damaged register found at start-up: the newest sound copy beside it is offered in its place, so
// that the program, whose restore command cannot open without a register, does not stop for good.
// False when the user declines (the start stops); Errore when no copy can be offered or the restore
// fails.
bool controllaArchivioFile(const QString& archivio) {
    try {
        controllaArchivio(archivio);
        return true;
    } catch (const Errore& e) {
        if (e.numero() != NumeriErrore::ArchivioDanneggiato)
            throw;
        for (const CopiaTrovata& c : elencaCopie(archivio)) {
            QStringList problemi;
            try {
                problemi = verificaArchivio(c.percorso);
            } catch (const std::exception&) {
                continue;
            }
            const auto contenuto = contenutoCopia(c.percorso);
            if (!problemi.isEmpty() || !contenuto)
                continue;
            const QString domanda =
                e.descrizione() +
                QStringLiteral("\n\nNella cartella delle copie c'è la copia del %1 (%2 atleti, %3 "
                               "schede). Ripristinarla adesso? L'archivio danneggiato resterà "
                               "conservato nella cartella delle copie.")
                    .arg(c.quando.toString(QStringLiteral("dd/MM/yyyy HH:mm")))
                    .arg(contenuto->atleti)
                    .arg(contenuto->schede);
            if (mostraMessaggio(domanda, TipoMessaggio::Domanda, Pulsanti::SiNo, {}, Risposta::No) !=
                Risposta::Si) {
                logger().log(
                    QStringLiteral("Avvio interrotto: archivio danneggiato, copia non ripristinata"));
                return false;
            }
            const QString conservato = ripristinaCopia(archivio, c.percorso, adesso());
            mostraMessaggio(QStringLiteral("Copia ripristinata. L'archivio danneggiato è conservato in %1.")
                                .arg(QDir::toNativeSeparators(conservato)),
                            TipoMessaggio::Informazione, Pulsanti::OK);
            return true;
        }
        throw;
    }
}

} // namespace

void registraFinestreProgramma() {
    registraFinestreSelezione();
    registraFinestreStampa();
    for (const ModuloFinestre& m : moduliFinestre())
        if (m.registra)
            m.registra();
    registraFinestreProprie();
}

void impostaConfermaRisoluzione(std::function<void()> mostra) {
    confermaRisoluzione() = std::move(mostra);
}

void registraPercorso() {
    QSettings impostazioni = impostazioniUtente();
    // A key at the root is stored in the settings file's [General] section.
    impostazioni.setValue(QStringLiteral("Path"), cartellaProgramma());
    impostazioni.sync();
}

void controllaRisoluzione() {
    const long righe = db().DCount(QStringLiteral("parametro"), QStringLiteral("Parametri"),
                                   QStringLiteral("parametro = '") + chiaveRisoluzione + QStringLiteral("'"));
    if (righe == 0) {
        db().Save_Param(chiaveRisoluzione, QStringLiteral("1"));
    } else {
        // A counter that is not a sensible number (damaged, negative, huge) never stops the start:
        // below one it counts as no start yet, beyond the limit as the checks all done.
        // The next count is rounded as a whole (to the even neighbour on a half), not the stored text.
        const double letto = valoreIniziale(db().Load_Param(chiaveRisoluzione));
        const double k = std::nearbyint((letto < 0 ? 0 : letto) + 1);
        if (k > avviiConControllo)
            return;
        db().Save_Param(chiaveRisoluzione, QString::number(static_cast<int>(k)));
    }

    const ModoSchermo m = leggiRisoluzione();
    logger().log(QStringLiteral("Risoluzione ") + QString::number(m.larghezza) + QStringLiteral("x") +
                 QString::number(m.altezza));
    if (m.larghezza >= 1024)
        return;

    const QString aCapo = QStringLiteral("\r\n");
    const QString domanda =
        QStringLiteral("Il programma è stato ottimizzato per risoluzioni video 1024x768 o superiori. ") +
        QStringLiteral("(Risoluzione attuale: ") + QString::number(m.larghezza) + QStringLiteral("x") +
        QString::number(m.altezza) + QStringLiteral(")") + aCapo +
        QStringLiteral("Se si vuole gestire al meglio il programma ") +
        QStringLiteral("si consiglia di cambiare la risoluzione. ") + aCapo +
        QStringLiteral("Il programma può aggiustarla automaticamente: cambiarla adesso? ") + aCapo +
        QStringLiteral("(Procedere solo se si è sicuri ") +
        QStringLiteral("che il proprio computer supporti tale risoluzione!) ");
    if (mostraMessaggio(domanda, TipoMessaggio::Errore, Pulsanti::SiNo) != Risposta::Si)
        return;
    mostraMessaggio(
        QStringLiteral("Il programma proverà ora a cambiare risoluzione quindi vi chiederà conferma. ") +
            QStringLiteral("Se il vostro Computer non supportasse tale risoluzione potrebbe non "
                           "apparire nulla. ") +
            QStringLiteral("In tal caso attendere 15 secondi e verrà reimpostata la risoluzione "
                           "precedente"),
        TipoMessaggio::Informazione, Pulsanti::OK);
    if (!impostaRisoluzione({1024, 768, m.profondita})) {
        // Asking to confirm a change that did not happen would tell the user it worked.
        mostraMessaggio(QStringLiteral("Non è stato possibile cambiare la risoluzione: il sistema non "
                                       "consente di impostare 1024x768. La risoluzione resta invariata."),
                        TipoMessaggio::Avviso, Pulsanti::OK);
        return;
    }
    confermaRisoluzione()();
    if (esitoConferma == 2) {
        impostaRisoluzione(m);
        mostraMessaggio(QStringLiteral("Reimpostata risoluzione precedente"), TipoMessaggio::Informazione,
                        Pulsanti::OK);
    }
}

bool installaTraduzioniQt(QCoreApplication* applicazione) {
    auto* traduzione = new QTranslator(applicazione);
    if (traduzione->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(traduzione))
        return true;
    delete traduzione;
    return false;
}

void segnalaImmaginiNonLette() {
    const QStringList nonLette = immaginiNonLette();
    const QString cartellaImmagini = percorsoProgramma(QStringLiteral("images"));
    const bool senzaCartella = !QFileInfo(cartellaImmagini).isDir();
    if (senzaCartella)
        logger().log(QStringLiteral("Cartella delle immagini non trovata: ") + cartellaImmagini);
    for (const QString& p : nonLette)
        logger().log(QStringLiteral("Immagine non leggibile: ") + p);
    if (nonLette.isEmpty() && !senzaCartella)
        return;
    QStringList frasi;
    if (senzaCartella)
        frasi << QStringLiteral("Manca la cartella delle immagini %1.")
                     .arg(QDir::toNativeSeparators(cartellaImmagini));
    const QString log = QDir::toNativeSeparators(logger().percorsoFile());
    if (nonLette.size() == 1)
        frasi << QStringLiteral("Non è stato possibile leggere 1 immagine: al suo posto compare un simbolo. "
                                "Il percorso è scritto nel file %1.")
                     .arg(log);
    else if (!nonLette.isEmpty())
        frasi << QStringLiteral(
                     "Non è stato possibile leggere %1 immagini: al loro posto compare un simbolo. "
                     "I percorsi sono elencati nel file %2.")
                     .arg(nonLette.size())
                     .arg(log);
    const QString testo = frasi.join(QLatin1Char(' '));
    mostraMessaggio(testo, TipoMessaggio::Avviso, Pulsanti::OK);
}

bool Main() {
    registraFinestreProprie();
    std::unique_ptr<frmSplash> splash;
    try {
        // Before anything is written: answering "No" to a missing register leaves everything untouched.
        // A register on a server needs no local file.
        if (!preparaCartellaProgramma(!db().suServer()))
            return false;
        azzeraImmaginiNonLette();
        logger().log(QStringLiteral("Application START"));
        db().dbName = QStringLiteral("splash.ps");
        // A damaged register stops start-up here with one message, before each step fails on its own.
        if (db().suServer())
            controllaArchivioServer(indirizzoServer());
        else if (!controllaArchivioFile(db().percorsoArchivio()))
            return false;
        registraPercorso();
        // Of the register just checked; a failure is reported and the start goes on.
        copiaAutomaticaAllAvvio();
        controllaRisoluzione();
        impostaFileGuida(percorsoProgramma(FileConsegnati::guida));
        inChiusura = false;

        splash = std::make_unique<frmSplash>();
        splash->show();
        // Mapped and painted now: no event loop runs until start-up ends.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        splash->repaint();

        // Nothing to load when no subsystem offers the card editor's pictures.
        if (finestre().caricaEditorScheda)
            finestre().caricaEditorScheda(*splash);
        Principale& finestra = principale();
        splash.reset();
        finestra.mostra();
        // Start-up goes on without them; the user learns once how many pictures are missing.
        segnalaImmaginiNonLette();
        logger().log(QStringLiteral("Application END"));
        return true;
    } catch (const Errore& e) {
        // The splash goes too: left alone on screen it would keep a program that cannot work alive.
        splash.reset();
        interrompiAvvio(e.descrizione() + e.sorgente());
    } catch (const std::exception& e) {
        splash.reset();
        interrompiAvvio(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
