#include "printing/StampaPdf.h"

#include "base/Errore.h"
#include "base/Logger.h"
#include "base/Messaggi.h"
#include "base/RigaComando.h"
#include "base/Twips.h"
#include "data/ScritturaSicura.h"
#include "data/db.h"
#include "printing/DisegnaFoglio.h"
#include "printing/FoglioIstruzioni.h"
#include "printing/JpegNelPdf.h"
#include "printing/pages.h"
#include "records/TestoSql.h"
#include "records/scheda.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <cstdio>
#include <cstring>
#include <limits>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <optional>
#include <unistd.h>

namespace {
constexpr int risoluzionePdf = static_cast<int>(twips::perPollice); // one unit per twip
const QString messaggioNessunEsercizio = QStringLiteral("Nessun esercizio caricato in questa scheda!");

// Qt's own diagnostics are in English and name its internals: while this lives they go to the log,
// and the user reads only the program's Italian messages.
class AvvisiQtNelLog {
public:
    AvvisiQtNelLog() : precedente_(qInstallMessageHandler(&registra)) {}
    ~AvvisiQtNelLog() { qInstallMessageHandler(precedente_); }
    AvvisiQtNelLog(const AvvisiQtNelLog&) = delete;
    AvvisiQtNelLog& operator=(const AvvisiQtNelLog&) = delete;

private:
    static void registra(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo == QtFatalMsg) {
            std::fputs(testo.toLocal8Bit().constData(), stderr);
            std::fputc('\n', stderr);
            return;
        }
        static thread_local bool dentro = false;
        if (dentro)
            return;
        dentro = true;
        logger().log(QStringLiteral("Qt: ") + testo);
        dentro = false;
    }
    QtMessageHandler precedente_;
};

[[noreturn]] void nonScritto(const QString& motivo) {
    throw Errore(NumeriErrore::PercorsoNonTrovato, motivo);
}
} // namespace

QPageSize formatoFoglio() {
    return QPageSize(QSizeF(200, 280), QPageSize::Millimeter, QStringLiteral("Scheda 20 x 28 cm"),
                     QPageSize::ExactMatch);
}

namespace {
// Every sheet into `dove`; with `jpeg`, the JPEG files go in as stand-ins to be replaced.
bool disegnaPdf(QIODevice& dove, const QString& titolo, int numero, Foglio& superficie,
                const std::function<void(int, Foglio&)>& prepara, JpegNelPdf* jpeg) {
    QPdfWriter pdf(&dove);
    pdf.setPageSize(formatoFoglio());
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(risoluzionePdf);
    pdf.setTitle(titolo);
    pdf.setCreator(QStringLiteral("Vibrana"));
    const ImmaginiFoglio immagini =
        jpeg ? ImmaginiFoglio([jpeg](const QString& f) { return jpeg->immagine(f, immagineFoglio); })
             : ImmaginiFoglio(&immagineFoglio);
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    for (int i = 1; i <= numero; ++i) {
        if (i > 1 && !pdf.newPage())
            return false;
        prepara(i, superficie);
        disegnaFoglio(p, superficie, twips::perUnitaDi(risoluzionePdf), immagini);
    }
    return p.end();
}
} // namespace

void scriviPdf(const QString& file, const QString& titolo, int numero, Foglio superficie,
               const std::function<void(int, Foglio&)>& prepara) {
    AvvisiQtNelLog avvisi;
    // Refused before drawing; written only once whole, beside the target and then in its place.
    if (const QString motivo = motivoNonScrivibile(file); !motivo.isEmpty())
        nonScritto(motivo);
    const QString causaScrittura =
        QStringLiteral("Impossibile scrivere «%1»: disco pieno o errore di scrittura")
            .arg(QFileInfo(file).fileName());
    // Drawn in memory first: the JPEG files take their stand-ins' places before a byte is written.
    QByteArray dati;
    {
        JpegNelPdf jpeg;
        QBuffer memoria(&dati);
        memoria.open(QIODevice::WriteOnly);
        if (!disegnaPdf(memoria, titolo, numero, superficie, prepara, &jpeg))
            nonScritto(causaScrittura);
        if (jpeg.usato() && !jpeg.sostituisci(dati)) {
            logger().log(QStringLiteral("PDF \"%1\": le immagini JPEG non si possono incorporare intatte, "
                                        "si riscrive con le immagini decodificate")
                             .arg(file));
            memoria.close();
            dati.clear();
            memoria.open(QIODevice::WriteOnly);
            if (!disegnaPdf(memoria, titolo, numero, superficie, prepara, nullptr))
                nonScritto(causaScrittura);
        }
    }
    if (const QString motivo = scriviFileProtetto(file, dati); !motivo.isEmpty())
        nonScritto(motivo);
}

void scriviFogliPdf(const pages& fogli, const QString& file) {
    const int m = fogli.numeroPagine();
    if (m == 0)
        throw Errore(NumeriErrore::DatiNonValidi, messaggioNessunEsercizio);
    Foglio f = superficieScheda();
    pages::OpenCanvas(f);
    const scheda& s = *fogli.pages.front().sc;
    scriviPdf(file, QStringLiteral("Scheda di ") + s.cognomeUtente + QLatin1Char(' ') + s.nomeUtente, m,
              std::move(f), [&fogli, m](int i, Foglio& sup) {
                  fogli.pages.at(static_cast<std::size_t>(i - 1)).setCanvas(sup);
                  sup.el(QStringLiteral("piepagina")).testo = testoPagina(i, m);
              });
}

int scriviSchedaPdf(std::int32_t idScheda, const QString& file) {
    pages fogli;
    fogli.createPages(idScheda);
    scriviFogliPdf(fogli, file);
    return fogli.numeroPagine();
}

void scriviIstruzioniPdf(const QString& file) {
    scriviPdf(file, QStringLiteral("Istruzioni d'uso"), 1, FoglioIstruzioni::crea(), [](int, Foglio&) {});
}

QString nomePdfScheda(const scheda& s) {
    QString nome = QStringLiteral("Scheda %1 %2").arg(s.cognomeUtente, s.nomeUtente).simplified();
    auto data = [](const QString& d) { return d.trimmed().replace(QLatin1Char('/'), QLatin1Char('-')); };
    const QString dal = data(s.PeriodoDal);
    const QString al = data(s.PeriodoAl);
    // Only the dates the card has.
    if (!dal.isEmpty())
        nome += QStringLiteral(" dal ") + dal;
    if (!al.isEmpty())
        nome += (dal.isEmpty() ? QStringLiteral(" fino al ") : QStringLiteral(" al ")) + al;
    // Characters that some file systems refuse.
    static const QString vietati = QStringLiteral("\\/:*?\"<>|");
    for (QChar& c : nome)
        if (vietati.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    return nome.simplified() + QStringLiteral(".pdf");
}

bool scriviSchedePdf(const QList<std::int32_t>& schede, const QString& cartella,
                     const AvanzamentoSchede& avanzamento,
                     const std::function<void(const SchedaScritta&)>& esito) {
    if (!QDir().mkpath(cartella))
        nonScritto(QStringLiteral("Impossibile creare la cartella \"%1\".").arg(cartella));
    const int n = static_cast<int>(schede.size());
    QSet<QString> usati;
    for (int i = 0; i < n; ++i) {
        if (avanzamento && !avanzamento(i, n))
            return false;
        SchedaScritta s;
        s.id = schede[i];
        try {
            pages fogli;
            fogli.createPages(s.id);
            QString nome = fogli.pages.empty() ? QStringLiteral("Scheda %1.pdf").arg(s.id)
                                               : nomePdfScheda(*fogli.pages.front().sc);
            if (usati.contains(nome.toLower()))
                nome.insert(nome.size() - 4, QStringLiteral(" - scheda %1").arg(s.id));
            usati.insert(nome.toLower());
            s.file = QDir(cartella).filePath(nome);
            scriviFogliPdf(fogli, s.file);
            s.fogli = fogli.numeroPagine();
        } catch (const Errore& e) {
            s.errore = e.descrizione();
        }
        if (esito)
            esito(s);
    }
    return !avanzamento || avanzamento(n, n);
}

std::optional<int> disegnaSchede(QPainter& p, QPagedPaintDevice& dispositivo, double twipPerUnita,
                                 const QList<std::int32_t>& schede, const AvanzamentoSchede& avanzamento,
                                 QList<std::int32_t>* saltate) {
    const int n = static_cast<int>(schede.size());
    int disegnati = 0;
    for (int i = 0; i < n; ++i) {
        if (avanzamento && !avanzamento(i, n))
            return std::nullopt;
        pages fogli;
        fogli.createPages(schede[i]);
        if (fogli.numeroPagine() == 0) {
            if (saltate)
                *saltate << schede[i];
            continue;
        }
        // A fresh surface for each card, as its own preview and PDF have: nothing of one card shows on
        // the next.
        Foglio f = superficieScheda();
        pages::OpenCanvas(f);
        for (int pagina = 1; pagina <= fogli.numeroPagine(); ++pagina) {
            if (disegnati > 0 && !dispositivo.newPage())
                throw Errore(NumeriErrore::ErroreArchivio,
                             QStringLiteral("La stampante non accetta una nuova pagina."));
            fogli.PreviewPage(static_cast<std::int16_t>(pagina), f);
            disegnaFoglio(p, f, twipPerUnita);
            ++disegnati;
        }
    }
    if (avanzamento && !avanzamento(n, n))
        return std::nullopt;
    return disegnati;
}

namespace {

// A card number as given on the command line, or nothing when it is not one.
std::optional<std::int32_t> numeroScheda(const QString& testo) {
    bool ok = false;
    const long id = testo.toLong(&ok);
    if (!ok || id <= 0 || id > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(id);
}

QString testoFogli(int fogli) {
    return fogli == 1 ? QStringLiteral("1 foglio scritto") : QStringLiteral("%1 fogli scritti").arg(fogli);
}

// The batch written by scriviSchedePdf, told on the terminal: a progress line while it runs, a line
// per card.
int scriviSchedeInCartella(const QList<std::int32_t>& schede, const QString& cartella) {
    if (!QDir().mkpath(cartella)) {
        scriviRiga(QStringLiteral("Errore: impossibile creare la cartella \"%1\".").arg(cartella), stderr);
        return 1;
    }
    const bool terminale = isatty(fileno(stderr)) != 0;
    int falliti = 0;
    scriviSchedePdf(
        schede, cartella,
        [terminale](int i, int n) {
            if (terminale && i < n)
                std::fprintf(stderr, "\rScheda %d di %d...", i + 1, n);
            return true;
        },
        [terminale, &falliti](const SchedaScritta& s) {
            if (terminale)
                std::fputs("\r\033[K", stderr);
            if (s.errore.isEmpty()) {
                scriviRiga(
                    QStringLiteral("Scheda %1: %2 in %3").arg(s.id).arg(testoFogli(s.fogli)).arg(s.file),
                    stdout);
            } else {
                scriviRiga(QStringLiteral("Errore: scheda %1: %2").arg(s.id).arg(s.errore), stderr);
                ++falliti;
            }
        });
    if (terminale)
        std::fputs("\r\033[K", stderr);
    return falliti == 0 ? 0 : 1;
}

bool schedaEsiste(std::int32_t id) {
    return db().getRs(QStringLiteral("SELECT id_scheda FROM vw_schedacompleta WHERE id_scheda = ") +
                      testoSql::numero(id))
               .RecordCount() > 0;
}

} // namespace

bool comandoStampa(const char* primo) {
    return primo && (std::strcmp(primo, "pdf") == 0 || std::strcmp(primo, "istruzioni") == 0);
}

int eseguiComandoStampa(int argc, char** argv, const std::function<int()>& uso) {
#ifdef __GLIBC__
    // Every compressed stream of a PDF takes and gives back the same few hundred kilobytes, every
    // card of a batch the same few megabytes: kept by the process for its short life, rather than
    // handed back to the system each time, they are not faulted in again.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
    // Sheets need fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Named first: Qt's start-up notes already go to the log, which is looked up by this name.
    QGuiApplication::setApplicationName(QStringLiteral("vibrana"));
    AvvisiQtNelLog avvisi;
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vibrana"));
    installaServizioMessaggi(std::make_shared<MessaggiRigaComando>());
    const QStringList a = app.arguments().mid(1);
    return eseguiRigaComando([&]() -> int {
        if (a.value(0) == QLatin1String("pdf") && a.size() == 3 && a[1] != QLatin1String("--utente")) {
            bool numero = false;
            const qlonglong richiesta = a[1].toLongLong(&numero);
            if (!numero || richiesta <= 0) {
                scriviRiga(QStringLiteral("Errore: numero di scheda non valido: %1").arg(a[1]), stderr);
                return 2;
            }
            const auto id = numeroScheda(a[1]);
            if (!id || !schedaEsiste(*id)) {
                scriviRiga(QStringLiteral("Errore: la scheda %1 non esiste.").arg(richiesta), stderr);
                return codiceSchedaInesistente;
            }
            const QString avviso = avvisoLogoPalestra();
            if (!avviso.isEmpty())
                scriviRiga(QStringLiteral("Avviso: ") + avviso, stderr);
            const int fogli = scriviSchedaPdf(*id, a[2]);
            scriviRiga(QStringLiteral("Scheda %1: %2 in %3").arg(*id).arg(testoFogli(fogli)).arg(a[2]),
                       stdout);
            return 0;
        }
        // Several cards, or every card of an athlete, into a folder.
        if (a.value(0) == QLatin1String("pdf") && a.size() >= 3) {
            QList<std::int32_t> schede;
            if (a[1] == QLatin1String("--utente")) {
                const auto atleta = numeroScheda(a.value(2));
                if (a.size() != 4 || !atleta) {
                    if (a.size() == 4)
                        scriviRiga(QStringLiteral("Errore: numero di atleta non valido: %1").arg(a[2]),
                                   stderr);
                    return a.size() == 4 ? 2 : uso();
                }
                raccoglitore r;
                r.id_utente = *atleta;
                r.caricaSchede();
                for (long i = 1; i <= r.archivio.Count(); ++i)
                    schede << r.archivio.Item(i).id_scheda;
                if (schede.isEmpty()) {
                    scriviRiga(QStringLiteral("Errore: l'atleta %1 non ha schede.").arg(*atleta), stderr);
                    return codiceSchedaInesistente;
                }
            } else {
                for (const QString& t : a.mid(1, a.size() - 2)) {
                    const auto id = numeroScheda(t);
                    if (!id) {
                        scriviRiga(QStringLiteral("Errore: numero di scheda non valido: %1").arg(t), stderr);
                        return 2;
                    }
                    schede << *id;
                }
                // Every number checked before anything is written: a typo leaves no half-done folder.
                for (std::int32_t id : schede)
                    if (!schedaEsiste(id)) {
                        scriviRiga(QStringLiteral("Errore: la scheda %1 non esiste.").arg(id), stderr);
                        return codiceSchedaInesistente;
                    }
            }
            const QString avviso = avvisoLogoPalestra();
            if (!avviso.isEmpty())
                scriviRiga(QStringLiteral("Avviso: ") + avviso, stderr);
            return scriviSchedeInCartella(schede, a.last());
        }
        if (a.value(0) == QLatin1String("istruzioni") && a.size() == 2) {
            scriviIstruzioniPdf(a[1]);
            scriviRiga(QStringLiteral("Istruzioni d'uso scritte in %1").arg(a[1]), stdout);
            return 0;
        }
        return uso();
    });
}
