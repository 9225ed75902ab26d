// vibrana-archivio: maintenance of the Vibrana database from the command line.
#include "app/archivio_server.h"
#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/Messaggi.h"
#include "data/Connessione.h"
#include "data/CreaArchivio.h"
#include "data/LettoriCampi.h"
#include "data/db.h"
#include "printing/StampaPdf.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

void stampa(const QString& testo, FILE* dove = stdout) {
    std::fputs(testo.toUtf8().constData(), dove);
    std::fputc('\n', dove);
}

// The README shows this text as it is printed; a test holds the two together.
int uso() {
    stampa(QStringLiteral(
               "Uso:\n"
               "  vibrana-archivio crea [--sovrascrivi] CARTELLA_SQL FILE\n"
               "      crea un archivio dai file SQL; un FILE che esiste è rifiutato, o con --sovrascrivi\n"
               "      sostituito e conservato come FILE.bak (FILE.bak.2, FILE.bak.3... se esiste già:\n"
               "      nessuna copia conservata è mai sovrascritta)\n"
               "  vibrana-archivio sql \"ISTRUZIONE\"\n"
               "      esegue un'istruzione sull'archivio della cartella del programma\n"
               "  vibrana-archivio verifica [FILE]\n"
               "      controlla l'integrità e lo schema dell'archivio (senza FILE, quello della\n"
               "      cartella del programma)\n"
               "  vibrana-archivio copia FILE\n"
               "      copia di sicurezza dell'archivio, anche mentre è in uso; FILE è sostituito solo a\n"
               "      copia completa, e rifiutato se è di sola lettura\n"
               "  vibrana-archivio pdf ID_SCHEDA FILE\n"
               "      salva in PDF tutti i fogli della scheda\n"
               "  vibrana-archivio pdf ID_SCHEDA ID_SCHEDA... CARTELLA\n"
               "  vibrana-archivio pdf --utente ID_ATLETA CARTELLA\n"
               "      un PDF per scheda (o per ogni scheda dell'atleta) nella CARTELLA, col nome che\n"
               "      propone l'anteprima\n"
               "  vibrana-archivio istruzioni FILE\n"
               "      salva in PDF il foglio delle istruzioni d'uso\n"
               "  vibrana-archivio server ...\n"
               "      archivio condiviso su un server PostgreSQL (\"vibrana-archivio server\" ne elenca i\n"
               "      comandi)\n"
               "Codici di uscita: 0 riuscito, 1 non riuscito, 2 argomenti sbagliati, 3 scheda inesistente."),
           stderr);
    return 2;
}

// Messages of db go to standard error, and a failure makes the command fail.
class MessaggiConsole : public ServizioMessaggi {
public:
    bool errore = false;
    Risposta mostra(const QString& testo, TipoMessaggio tipo, Pulsanti, const QString&) override {
        if (tipo == TipoMessaggio::Errore)
            errore = true;
        stampa(QStringLiteral("Errore: ") + testo, stderr);
        return Risposta::OK;
    }
};

QString testoCampo(const QVariant& v) {
    if (v.isNull())
        return QStringLiteral("NULL");
    // Stored texts keep an apostrophe as a backtick: show it as it was typed.
    if (v.typeId() == QMetaType::QString)
        return DB::ripristinaApici(nzStringa(v));
    return nzStringa(v);
}

int eseguiSql(const QString& istruzione, MessaggiConsole& messaggi) {
    const QString inizio = istruzione.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    if (inizio == QLatin1String("SELECT") || inizio == QLatin1String("PRAGMA") ||
        inizio == QLatin1String("WITH")) {
        RecordSet rs = db().getRs(istruzione);
        stampa(rs.nomiCampi().join(QLatin1Char('\t')));
        for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
            QStringList valori;
            for (int i = 0; i < rs.contaCampi(); ++i)
                valori << testoCampo(rs.campo(i));
            stampa(valori.join(QLatin1Char('\t')));
        }
        return 0;
    }
    return db().Execute(istruzione) && !messaggi.errore ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // Printing commands draw sheets, so they run with their own (windowless) graphics application.
    if (argc >= 2 && comandoStampa(argv[1]))
        return eseguiComandoStampa(argc, argv, uso);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vibrana"));
    auto messaggi = std::make_shared<MessaggiConsole>();
    installaServizioMessaggi(messaggi);

    const QStringList a = app.arguments().mid(1);
    if (a.isEmpty())
        return uso();
    const QString comando = a[0];
    if (comando == QLatin1String("server"))
        return comandoServer(a.mid(1));
    try {
        if (comando == QLatin1String("crea")) {
            QStringList argomenti = a.mid(1);
            const bool sovrascrivi = argomenti.removeAll(QStringLiteral("--sovrascrivi")) > 0;
            if (argomenti.size() != 2)
                return uso();
            const QString copia = creaArchivio(argomenti[0], argomenti[1], sovrascrivi);
            stampa(QStringLiteral("Archivio creato: %1").arg(argomenti[1]));
            if (!copia.isEmpty())
                stampa(QStringLiteral("L'archivio precedente è conservato in %1").arg(copia));
            return 0;
        }
        if (comando == QLatin1String("sql") && a.size() == 2)
            return eseguiSql(a[1], *messaggi);
        if (comando == QLatin1String("verifica") && a.size() <= 2) {
            const QString file = a.size() == 2 ? a[1] : db().percorsoArchivio();
            const QStringList problemi = verificaArchivio(file);
            if (problemi.isEmpty()) {
                stampa(QStringLiteral("L'archivio %1 è integro.").arg(file));
                return 0;
            }
            stampa(QStringLiteral("L'archivio %1 non è integro:").arg(file), stderr);
            for (const QString& p : problemi)
                stampa(QStringLiteral("  ") + p, stderr);
            return 1;
        }
        if (comando == QLatin1String("copia") && a.size() == 2) {
            copiaArchivio(db().percorsoArchivio(), a[1]);
            stampa(QStringLiteral("Copia scritta in %1").arg(a[1]));
            return 0;
        }
    } catch (const Errore& e) {
        stampa(QStringLiteral("Errore: ") + e.descrizione(), stderr);
        return 1;
    } catch (const std::exception& e) {
        stampa(QStringLiteral("Errore: ") + QString::fromLocal8Bit(e.what()), stderr);
        return 1;
    }
    return uso();
}
