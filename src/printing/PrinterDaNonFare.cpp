#include "printing/PrinterDaNonFare.h"

#include "base/Errore.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "printing/DialoghiStampa.h"
#include "printing/DisegnaFoglio.h"
#include "printing/FoglioIstruzioni.h"
#include "printing/SuperficieFoglio.h"
#include "shell/BarraStrumenti.h"

#include <QAction>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QStatusBar>

PrinterDaNonFare::PrinterDaNonFare(QWidget* genitore)
    : AnteprimaFoglio(genitore), foglio_(FoglioIstruzioni::crea()) {
    setObjectName(QStringLiteral("PrinterDaNonFare"));
    setWindowTitle(QStringLiteral("Anteprima"));
    BarraStrumenti* barra = Toolbar();
    QAction* stampa = barra->aggiungiPulsante(QStringLiteral("Stampa"), QStringLiteral("Stampa"),
                                              QStringLiteral("Stampa la scheda corrente"));
    stampa->setShortcut(QKeySequence::Print);
    barra->aggiungiSeparatore();
    // A single sheet: the paging buttons are not offered.
    barra->aggiungiPulsante(QStringLiteral("Esci"), QStringLiteral("esci"),
                            QStringLiteral("Esci dall'anteprima"));
    impostaImmaginiBarra({QStringLiteral("document-print"), QStringLiteral("application-exit")});
    canvas()->mostra(&foglio_);
    // One fixed sheet: nothing to report in a status bar.
    StatusBar1()->hide();
}

void PrinterDaNonFare::showEvent(QShowEvent* evento) {
    AnteprimaFoglio::showEvent(evento);
    if (caricata_)
        return;
    caricata_ = true;
    adattaAlloSchermo();
    // As wide as the sheet and its scroll bar, as tall as the screen allows.
    if (!isMaximized())
        resize(canvas()->width() + VScroll1()->sizeHint().width(), height());
}

void PrinterDaNonFare::Toolbar_ButtonClick(QAction* pulsante) {
    const QString chiave = BarraStrumenti::chiave(pulsante).toLower();
    if (chiave == QLatin1String("stampa"))
        stampaIstruzioni();
    else if (chiave == QLatin1String("esci"))
        close();
}

void PrinterDaNonFare::stampaIstruzioni() {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QStringLiteral("Istruzioni d'uso"));
    if (!dialoghi().sceltaStampante(stampante, 0, 0, this))
        return; // cancelled: nothing printed, nothing said
    proteggi([&] {
        CursoreAttesa attesa;
        const int copie = std::max(1, stampante.copyCount());
        stampante.setCopyCount(1);
        QPainter p;
        if (!p.begin(&stampante))
            throw Errore(NumeriErrore::ErroreArchivio,
                         QStringLiteral("Impossibile avviare la stampa sulla stampante scelta."));
        const double scala = twips::perUnitaDi(stampante.resolution());
        for (int c = 0; c < copie; ++c) {
            if (c > 0 && !stampante.newPage())
                throw Errore(NumeriErrore::ErroreArchivio,
                             QStringLiteral("La stampante non accetta una nuova pagina."));
            disegnaFoglio(p, foglio_, scala);
        }
        if (!p.end() || stampante.printerState() == QPrinter::Error)
            throw Errore(NumeriErrore::ErroreArchivio, QStringLiteral("La stampa non è stata completata."));
    });
}
