// vibrana-archivio: maintenance of the Vibrana database from the command line.
#include "app/archivio_server.h"
#include "base/CartellaProgramma.h"
#include "base/Messaggi.h"
#include "base/RigaComando.h"
#include "data/Connessione.h"
#include "data/CreaArchivio.h"
#include "data/LettoriCampi.h"
#include "data/db.h"
#include "printing/StampaPdf.h"
#include "records/ScambioScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// The README shows this text as it is printed; a test holds the two together.
int uso() {
    scriviRiga(
        QStringLiteral(
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
            "  vibrana-archivio esporta [--modello] ID FILE\n"
            "      scrive la scheda ID (con --modello il modello ID) in un file .vibrana, da\n"
            "      importare nell'archivio di un'altra palestra\n"
            "  vibrana-archivio importa FILE [--utente ID_ATLETA]\n"
            "      importa una scheda del file come nuova scheda dell'atleta (con --utente) o un\n"
            "      modello come nuovo modello (senza --utente)\n"
            "  vibrana-archivio istruzioni FILE\n"
            "      salva in PDF il foglio delle istruzioni d'uso\n"
            "  vibrana-archivio server ...\n"
            "      archivio condiviso su un server PostgreSQL (\"vibrana-archivio server\" ne elenca i\n"
            "      comandi)\n"
            "Codici di uscita: 0 riuscito, 1 non riuscito, 2 argomenti sbagliati, 3 scheda inesistente\n"
            "(o modello, o atleta)."),
        stderr);
    return 2;
}

QString testoCampo(const QVariant& v) {
    if (v.isNull())
        return QStringLiteral("NULL");
    // Stored texts keep an apostrophe as a backtick: show it as it was typed.
    if (v.typeId() == QMetaType::QString)
        return DB::ripristinaApici(nzStringa(v));
    return nzStringa(v);
}

// Messages of db go to standard error, and an error among them makes the statement fail.
int eseguiSql(const QString& istruzione, const MessaggiRigaComando& messaggi) {
    const QString inizio = istruzione.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    if (inizio == QLatin1String("SELECT") || inizio == QLatin1String("PRAGMA") ||
        inizio == QLatin1String("WITH")) {
        RecordSet rs = db().getRs(istruzione);
        scriviRiga(rs.nomiCampi().join(QLatin1Char('\t')), stdout);
        for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
            QStringList valori;
            for (int i = 0; i < rs.contaCampi(); ++i)
                valori << testoCampo(rs.campo(i));
            scriviRiga(valori.join(QLatin1Char('\t')), stdout);
        }
        return 0;
    }
    return db().Execute(istruzione) && !messaggi.erroreMostrato() ? 0 : 1;
}

// A positive number, or nothing (after saying so on standard error).
std::optional<std::int32_t> numeroPositivo(const QString& testo, const QString& cosa) {
    bool ok = false;
    const int n = testo.toInt(&ok);
    if (ok && n > 0)
        return n;
    scriviRiga(QStringLiteral("Errore: numero di %1 non valido: %2").arg(cosa, testo), stderr);
    return std::nullopt;
}

bool esiste(const QString& tabella, const QString& chiave, std::int32_t id) {
    return db().DCount(chiave, tabella, chiave + QStringLiteral(" = ") + QString::number(id)) > 0;
}

int esportaScheda(QStringList argomenti, int (*uso)()) {
    const bool modello = argomenti.removeAll(QStringLiteral("--modello")) > 0;
    if (argomenti.size() != 2)
        return uso();
    const auto id =
        numeroPositivo(argomenti[0], modello ? QStringLiteral("modello") : QStringLiteral("scheda"));
    if (!id)
        return 2;
    if (!(modello ? esiste(QStringLiteral("schedeModello"), QStringLiteral("id_Scheda"), *id)
                  : esiste(QStringLiteral("schede"), QStringLiteral("id_scheda"), *id))) {
        scriviRiga(modello ? QStringLiteral("Errore: il modello %1 non esiste.").arg(*id)
                           : QStringLiteral("Errore: la scheda %1 non esiste.").arg(*id),
                   stderr);
        return 3;
    }
    std::unique_ptr<SchedaEditabile> s;
    if (modello)
        s = std::make_unique<SchedaModello>();
    else
        s = std::make_unique<scheda>();
    if (!s->carica(*id))
        return 1;
    s->caricaEsercizi();
    const QString motivo = scambioScheda::scriviFile(argomenti[1], scambioScheda::esporta(*s));
    if (!motivo.isEmpty()) {
        scriviRiga(QStringLiteral("Errore: ") + motivo, stderr);
        return 1;
    }
    scriviRiga(
        (modello ? QStringLiteral("Modello %1 esportato in %2") : QStringLiteral("Scheda %1 esportata in %2"))
            .arg(*id)
            .arg(argomenti[1]),
        stdout);
    return 0;
}

int importaScheda(QStringList argomenti, int (*uso)()) {
    std::optional<std::int32_t> atleta;
    const qsizetype i = argomenti.indexOf(QStringLiteral("--utente"));
    if (i >= 0) {
        if (i + 1 >= argomenti.size())
            return uso();
        atleta = numeroPositivo(argomenti[i + 1], QStringLiteral("atleta"));
        if (!atleta)
            return 2;
        argomenti.remove(i, 2);
    }
    if (argomenti.size() != 1)
        return uso();
    if (atleta && !esiste(QStringLiteral("utenti"), QStringLiteral("id_utente"), *atleta)) {
        scriviRiga(QStringLiteral("Errore: l'atleta %1 non esiste.").arg(*atleta), stderr);
        return 3;
    }
    const auto tipo = atleta ? scambioScheda::Tipo::Scheda : scambioScheda::Tipo::Modello;
    const scambioScheda::EsitoImportazione esito =
        scambioScheda::importaFile(argomenti[0], tipo, atleta.value_or(0));
    if (!esito.riuscito) {
        if (!esito.messaggio.isEmpty())
            scriviRiga(QStringLiteral("Errore: ") + esito.messaggio, stderr);
        return 1;
    }
    scriviRiga((atleta ? QStringLiteral("Importata la scheda %1") : QStringLiteral("Importato il modello %1"))
                   .arg(esito.id),
               stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Printing commands draw sheets, so they run with their own (windowless) graphics application.
    if (argc >= 2 && comandoStampa(argv[1]))
        return eseguiComandoStampa(argc, argv, uso);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vibrana"));
    auto messaggi = std::make_shared<MessaggiRigaComando>();
    installaServizioMessaggi(messaggi);

    const QStringList a = app.arguments().mid(1);
    if (a.isEmpty())
        return uso();
    const QString comando = a[0];
    if (comando == QLatin1String("server"))
        return comandoServer(a.mid(1));
    return eseguiRigaComando([&]() -> int {
        if (comando == QLatin1String("crea")) {
            QStringList argomenti = a.mid(1);
            const bool sovrascrivi = argomenti.removeAll(QStringLiteral("--sovrascrivi")) > 0;
            if (argomenti.size() != 2)
                return uso();
            const QString copia = creaArchivio(argomenti[0], argomenti[1], sovrascrivi);
            scriviRiga(QStringLiteral("Archivio creato: %1").arg(argomenti[1]), stdout);
            if (!copia.isEmpty())
                scriviRiga(QStringLiteral("L'archivio precedente è conservato in %1").arg(copia), stdout);
            return 0;
        }
        if (comando == QLatin1String("sql") && a.size() == 2)
            return eseguiSql(a[1], *messaggi);
        if (comando == QLatin1String("verifica") && a.size() <= 2) {
            const QString file = a.size() == 2 ? a[1] : db().percorsoArchivio();
            const QStringList problemi = verificaArchivio(file);
            if (problemi.isEmpty()) {
                scriviRiga(QStringLiteral("L'archivio %1 è integro.").arg(file), stdout);
                return 0;
            }
            scriviRiga(QStringLiteral("L'archivio %1 non è integro:").arg(file), stderr);
            for (const QString& p : problemi)
                scriviRiga(QStringLiteral("  ") + p, stderr);
            return 1;
        }
        if (comando == QLatin1String("copia") && a.size() == 2) {
            copiaArchivio(db().percorsoArchivio(), a[1]);
            scriviRiga(QStringLiteral("Copia scritta in %1").arg(a[1]), stdout);
            return 0;
        }
        if (comando == QLatin1String("esporta"))
            return esportaScheda(a.mid(1), uso);
        if (comando == QLatin1String("importa"))
            return importaScheda(a.mid(1), uso);
        return uso();
    });
}
