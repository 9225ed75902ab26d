#include "printing/StampaPdf.h"

#include "base/Errore.h"
#include "base/Messaggi.h"
#include "base/RigaComando.h"
#include "printing/DisegnaFoglio.h"
#include "printing/FoglioIstruzioni.h"
#include "printing/pages.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <cstring>

namespace {
constexpr int risoluzionePdf = 1440; // one unit per twip
const QString messaggioNessunEsercizio = QStringLiteral("Nessun esercizio caricato in questa scheda!");
} // namespace

QPageSize formatoFoglio() {
    return QPageSize(QSizeF(200, 280), QPageSize::Millimeter, QStringLiteral("Scheda 20 x 28 cm"),
                     QPageSize::ExactMatch);
}

void scriviPdf(const QString& file, const QString& titolo, int numero, Foglio superficie,
               const std::function<void(int, Foglio&)>& prepara) {
    QPdfWriter pdf(file);
    pdf.setPageSize(formatoFoglio());
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(risoluzionePdf);
    pdf.setTitle(titolo);
    pdf.setCreator(QStringLiteral("Vibrana"));
    QPainter p;
    if (!p.begin(&pdf))
        throw Errore(
            NumeriErrore::PercorsoNonTrovato,
            QStringLiteral("Impossibile scrivere il file %1.").arg(QFileInfo(file).absoluteFilePath()));
    for (int i = 1; i <= numero; ++i) {
        if (i > 1)
            pdf.newPage();
        prepara(i, superficie);
        disegnaFoglio(p, superficie, twipPerUnitaDi(risoluzionePdf));
    }
    p.end();
}

int scriviSchedaPdf(std::int32_t idScheda, const QString& file) {
    pages fogli;
    fogli.createPages(idScheda);
    if (fogli.numeroPagine() == 0)
        throw Errore(NumeriErrore::DatiNonValidi, messaggioNessunEsercizio);
    Foglio f = superficieScheda();
    pages::OpenCanvas(f);
    const scheda& s = *fogli.pages.front().sc;
    scriviPdf(file, QStringLiteral("Scheda di ") + s.cognomeUtente + QLatin1Char(' ') + s.nomeUtente,
              fogli.numeroPagine(), std::move(f),
              [&fogli](int i, Foglio& sup) { fogli.PreviewPage(static_cast<std::int16_t>(i), sup); });
    return fogli.numeroPagine();
}

void scriviIstruzioniPdf(const QString& file) {
    scriviPdf(file, QStringLiteral("Istruzioni d'uso"), 1, FoglioIstruzioni::crea(), [](int, Foglio&) {});
}

QString nomePdfScheda(const scheda& s) {
    QString nome = QStringLiteral("Scheda %1 %2").arg(s.cognomeUtente, s.nomeUtente).simplified();
    auto data = [](const QString& d) { return QString(d).replace(QLatin1Char('/'), QLatin1Char('-')); };
    if (!s.PeriodoDal.isEmpty() || !s.PeriodoAl.isEmpty())
        nome += QStringLiteral(" dal %1 al %2").arg(data(s.PeriodoDal), data(s.PeriodoAl));
    // Characters that some file systems refuse.
    static const QString vietati = QStringLiteral("\\/:*?\"<>|");
    for (QChar& c : nome)
        if (vietati.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    return nome.simplified() + QStringLiteral(".pdf");
}

namespace {

class MessaggiSuErrore : public ServizioMessaggi {
public:
    Risposta mostra(const QString& testo, TipoMessaggio, Pulsanti, const QString&) override {
        scriviRiga(QStringLiteral("Errore: ") + testo, stderr);
        return Risposta::OK;
    }
};

int usoStampa() {
    scriviRiga(
        QStringLiteral("Uso:\n"
                       "  vibrana-archivio pdf ID_SCHEDA FILE       salva in PDF i fogli della scheda\n"
                       "  vibrana-archivio istruzioni FILE          salva in PDF il foglio delle istruzioni "
                       "d'uso"),
        stderr);
    return 2;
}

} // namespace

bool comandoStampa(const char* primo) {
    return primo && (std::strcmp(primo, "pdf") == 0 || std::strcmp(primo, "istruzioni") == 0);
}

int eseguiComandoStampa(int argc, char** argv) {
    // Sheets need fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("vibrana"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vibrana"));
    installaServizioMessaggi(std::make_shared<MessaggiSuErrore>());
    const QStringList a = app.arguments().mid(1);
    return eseguiRigaComando([&]() -> int {
        if (a.value(0) == QLatin1String("pdf") && a.size() == 3) {
            bool ok = false;
            const long id = a[1].toLong(&ok);
            if (!ok || id <= 0) {
                scriviRiga(QStringLiteral("Errore: numero di scheda non valido: %1").arg(a[1]), stderr);
                return 2;
            }
            const int fogli = scriviSchedaPdf(static_cast<std::int32_t>(id), a[2]);
            scriviRiga(QStringLiteral("Scheda %1: %2 fogli scritti in %3").arg(id).arg(fogli).arg(a[2]),
                       stdout);
            return 0;
        }
        if (a.value(0) == QLatin1String("istruzioni") && a.size() == 2) {
            scriviIstruzioniPdf(a[1]);
            scriviRiga(QStringLiteral("Istruzioni d'uso scritte in %1").arg(a[1]), stdout);
            return 0;
        }
        return usoStampa();
    });
}
