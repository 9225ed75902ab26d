#include "printing/PrinterCanvas.h"

#include "base/Errore.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "base/variabiliGlobali.h"
#include "printing/DialoghiStampa.h"
#include "printing/DisegnaFoglio.h"
#include "printing/StampaPdf.h"
#include "printing/SuperficieFoglio.h"
#include "shell/BarraStrumenti.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QStandardPaths>

PrinterCanvas::PrinterCanvas(QWidget* genitore) : AnteprimaFoglio(genitore), foglio_(superficieScheda()) {
    setObjectName(QStringLiteral("PrinterCanvas"));
    setWindowTitle(QStringLiteral("Anteprima"));
    BarraStrumenti* barra = Toolbar();
    QAction* stampa = barra->aggiungiPulsante(QStringLiteral("Stampa"), QStringLiteral("Stampa"),
                                              QStringLiteral("Stampa l'intera scheda"));
    stampa->setShortcut(QKeySequence::Print);
    QAction* pdf = barra->aggiungiPulsante(QStringLiteral("PDF"), QStringLiteral("PDF"),
                                           QStringLiteral("Salva la scheda in PDF"));
    pdf->setShortcut(QKeySequence::Save);
    barra->aggiungiSeparatore();
    QAction* prec = barra->aggiungiPulsante(QStringLiteral("Pag.Prec"), QStringLiteral("PagPrec"),
                                            QStringLiteral("Vai a Pagina precedente"));
    prec->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    QAction* succ = barra->aggiungiPulsante(QStringLiteral("Pag.Succ"), QStringLiteral("PagSucc"),
                                            QStringLiteral("Vai a Pagina successiva"));
    succ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    barra->aggiungiSeparatore();
    QAction* esci = barra->aggiungiPulsante(QStringLiteral("Esci"), QStringLiteral("esci"),
                                            QStringLiteral("Esci dall'anteprima di stampa"));
    for (QAction* a : {stampa, pdf, prec, succ, esci})
        a->setShortcutContext(Qt::WindowShortcut);
    impostaImmaginiBarra({QStringLiteral("document-print"), QStringLiteral("application-pdf"),
                          QStringLiteral("go-previous"), QStringLiteral("go-next"),
                          QStringLiteral("application-exit")});
    canvas()->mostra(&foglio_);
}

PrinterCanvas::PrinterCanvas(const scheda& card, QWidget* genitore) : PrinterCanvas(genitore) {
    inMemoria_ = std::make_unique<const scheda>(card);
}

PrinterCanvas::~PrinterCanvas() = default;

pages& PrinterCanvas::fogli() {
    if (!pages_)
        pages_ = std::make_unique<pages>();
    return *pages_;
}

void PrinterCanvas::showEvent(QShowEvent* evento) {
    AnteprimaFoglio::showEvent(evento);
    if (caricata_)
        return;
    caricata_ = true;
    proteggi([this] { Form_Load(); });
    aggiornaComandi();
}

void PrinterCanvas::Form_Load() {
    {
        CursoreAttesa attesa;
        if (inMemoria_)
            fogli().createPages(*inMemoria_);
        else
            fogli().createPages(idSchedaSelezionata);
    }
    if (fogli().numeroPagine() == 0) {
        // The surface stays without card data.
        canvas()->mostra(nullptr);
        mostraMessaggio(QStringLiteral("Nessun esercizio caricato in questa scheda!"), TipoMessaggio::Errore,
                        Pulsanti::OK);
    } else {
        pages::OpenCanvas(foglio_);
        CursoreAttesa attesa;
        impostaStato(fogli().PreviewPage(1, foglio_));
        impostaNotaStato(avvisoLogoPalestra());
        canvas()->update();
    }
    adattaAlloSchermo();
}

void PrinterCanvas::aggiornaComandi() {
    const int n = pages_ ? pages_->numeroPagine() : 0;
    const int corrente = pages_ ? pages_->currentPage : 0;
    Toolbar()->pulsante(QStringLiteral("Stampa"))->setEnabled(n > 0);
    Toolbar()->pulsante(QStringLiteral("PDF"))->setEnabled(n > 0);
    Toolbar()->pulsante(QStringLiteral("PagPrec"))->setEnabled(corrente > 1);
    Toolbar()->pulsante(QStringLiteral("PagSucc"))->setEnabled(corrente < n);
}

void PrinterCanvas::Toolbar_ButtonClick(QAction* pulsante) {
    const QString chiave = BarraStrumenti::chiave(pulsante).toLower();
    if (chiave == QLatin1String("stampa"))
        stampaPagine();
    else if (chiave == QLatin1String("pdf"))
        proteggi([this] { salvaPdf(); });
    else if (chiave == QLatin1String("pagprec"))
        proteggi([this] { paginaPrecedente(); });
    else if (chiave == QLatin1String("pagsucc"))
        proteggi([this] { paginaSuccessiva(); });
    else if (chiave == QLatin1String("esci"))
        close();
    aggiornaComandi();
}

void PrinterCanvas::paginaSuccessiva() {
    if (fogli().currentPage < fogli().numeroPagine())
        mostraPagina(fogli().currentPage + 1);
}

void PrinterCanvas::paginaPrecedente() {
    if (fogli().currentPage > 1)
        mostraPagina(fogli().currentPage - 1);
}

void PrinterCanvas::mostraPagina(int n) {
    CursoreAttesa attesa;
    impostaStato(fogli().PreviewPage(static_cast<std::int16_t>(n), foglio_));
    VScroll1()->setValue(0);
    aggiornaScorrimento();
    canvas()->update();
}

void PrinterCanvas::stampaPagine() {
    const int m = fogli().numeroPagine();
    if (m == 0)
        return;
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(windowTitle());
    if (!dialoghi().sceltaStampante(stampante, 1, m, this))
        return; // cancelled: nothing printed, nothing said
    proteggi([&] {
        CursoreAttesa attesa;
        const int da = std::clamp(stampante.fromPage() > 0 ? stampante.fromPage() : 1, 1, m);
        const int a = std::clamp(stampante.toPage() > 0 ? stampante.toPage() : m, da, m);
        const int copie = std::max(1, stampante.copyCount());
        // Copies are printed here, one sheet after the other, so the printer must not repeat them.
        stampante.setCopyCount(1);
        stampante.setCollateCopies(false);
        QPainter p;
        if (!p.begin(&stampante))
            throw Errore(NumeriErrore::ErroreArchivio,
                         QStringLiteral("Impossibile avviare la stampa sulla stampante scelta."));
        const double scala = twips::perUnitaDi(stampante.resolution());
        bool prima = true;
        for (int i = da; i <= a; ++i) {
            impostaStato(fogli().PreviewPage(static_cast<std::int16_t>(i), foglio_));
            for (int c = 0; c < copie; ++c) {
                if (!prima && !stampante.newPage())
                    throw Errore(NumeriErrore::ErroreArchivio,
                                 QStringLiteral("La stampante non accetta una nuova pagina."));
                prima = false;
                disegnaFoglio(p, foglio_, scala);
            }
        }
        if (!p.end() || stampante.printerState() == QPrinter::Error)
            throw Errore(NumeriErrore::ErroreArchivio, QStringLiteral("La stampa non è stata completata."));
    });
    canvas()->update();
    adattaAlloSchermo();
}

void PrinterCanvas::salvaPdf() {
    const int m = fogli().numeroPagine();
    if (m == 0)
        return;
    const scheda& s = *fogli().pages.front().sc;
    const QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString file = dialoghi().salvaFile(this, QStringLiteral("Salva la scheda in PDF"),
                                        QDir(cartella).filePath(nomePdfScheda(s)),
                                        QStringLiteral("Documenti PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".pdf");
    CursoreAttesa attesa;
    scriviFogliPdf(fogli(), file);
    impostaNotaStato(QStringLiteral("Scheda salvata in %1").arg(QDir::toNativeSeparators(file)));
}
