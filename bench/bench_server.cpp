// The same work on the register file and on a PostgreSQL server, side by side: saving a card of 40
// exercises, and opening the list of 10 000 athletes. The server is the one of VIBRANA_PROVA_SERVER
// (for instance from scripts/server_prova.sh); a database is made for the run and dropped after it.
#include "PreparaBench.h"
#include "base/CartellaProgramma.h"
#include "data/ArchivioServer.h"
#include "data/ConnessioneFile.h"
#include "data/ConnessioneServer.h"
#include "data/CreaArchivio.h"
#include "data/Server.h"
#include "data/db.h"
#include "records/scheda.h"
#include "selection/UtentiSelezione.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>
#include <cstdio>

namespace {

constexpr int atleti = 10000;
QString indirizzoBench;

// Arg 0: the file; arg 1: the server.
bool usaMotore(benchmark::State& stato) {
    chiudiConnessioneServer();
    if (stato.range(0) == 0) {
        qunsetenv("VIBRANA_SERVER");
        stato.SetLabel("file");
        return true;
    }
    if (indirizzoBench.isEmpty()) {
        stato.SkipWithError("nessun server: impostare VIBRANA_PROVA_SERVER");
        return false;
    }
    qputenv("VIBRANA_SERVER", indirizzoBench.toUtf8());
    stato.SetLabel("server");
    return true;
}

void BM_SalvaScheda40Esercizi(benchmark::State& stato) {
    if (!usaMotore(stato))
        return;
    for (auto _ : stato) {
        scheda s;
        s.id_utente = 1;
        s.Istruttore = QStringLiteral("Anna");
        s.PeriodoDal = QStringLiteral("10/12/2026");
        s.categoria = QStringLiteral("Tonificazione");
        s.FreqAllen = 3;
        for (int k = 1; k <= 40; ++k) {
            Esercizio e;
            e.id_fig = k;
            e.durata = QStringLiteral("30s");
            e.frequenza = QStringLiteral("35Hz");
            e.ampiezza = QStringLiteral("L");
            e.serie = 3;
            e.note = QStringLiteral("esercizio %1").arg(k);
            s.esercizi.Add(e);
        }
        if (s.save() <= 0)
            stato.SkipWithError("scheda non salvata");
    }
}
BENCHMARK(BM_SalvaScheda40Esercizi)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Opening the card the previous benchmark saved last, with its exercises, as the editor and the
// sheets do.
void BM_ApriScheda40Esercizi(benchmark::State& stato) {
    if (!usaMotore(stato))
        return;
    const std::int32_t id =
        db().Dlookup(QStringLiteral("max(id_scheda)"), QStringLiteral("schede"), QStringLiteral("1 = 1"))
            .toInt();
    for (auto _ : stato) {
        scheda s;
        if (!s.carica(id))
            stato.SkipWithError("scheda non trovata");
        s.caricaEsercizi();
        if (s.esercizi.Count() != 40)
            stato.SkipWithError("la scheda non ha 40 esercizi");
    }
}
BENCHMARK(BM_ApriScheda40Esercizi)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ApriElencoDi10000Atleti(benchmark::State& stato) {
    if (!usaMotore(stato))
        return;
    for (auto _ : stato) {
        UtentiSelezione w;
        w.show();
        QApplication::processEvents();
        if (w.LW()->topLevelItemCount() != atleti)
            stato.SkipWithError("l'elenco non contiene tutti gli atleti");
    }
}
BENCHMARK(BM_ApriElencoDi10000Atleti)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    schermoPredefinito();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    creaArchivio(QStringLiteral(VIBRANA_SQL_DIR), dir.path() + QStringLiteral("/splash.ps"));
    ConnessioneFile::apri(dir.path() + QStringLiteral("/splash.ps"))->eseguiScript(sqlAtleti(atleti));
    usaCartella(dir.path());
    const QString amministrazione = qEnvironmentVariable("VIBRANA_PROVA_SERVER");
    const QString database = QStringLiteral("vibrana_bench_%1").arg(QCoreApplication::applicationPid());
    if (!amministrazione.isEmpty()) {
        QUrl url(amministrazione);
        url.setPath(QLatin1Char('/') + database);
        indirizzoBench = url.toString();
        ConnessioneServer::apri(amministrazione)->esegui(QStringLiteral("CREATE DATABASE ") + database);
        migraArchivioServer(dir.path() + QStringLiteral("/splash.ps"), indirizzoBench);
    }
    eseguiBenchmark(&argc, argv);
    if (!amministrazione.isEmpty()) {
        chiudiConnessioneServer();
        ConnessioneServer::apri(amministrazione)->esegui(QStringLiteral("DROP DATABASE ") + database);
    }
    return 0;
}
