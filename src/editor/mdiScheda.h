#pragma once

#include "editor/ControlliEditor.h"
#include "editor/StoriaScheda.h"
#include "printing/ContatoreTempi.h"
#include "records/SchedaEditabile.h"
#include "records/utente.h"
#include "shell/ListaImmagini.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

class BarraStrumenti;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QStatusBar;
class SchedaCorpo;
class SchedaIntestazione;
class SchedaIntestazioneMODELLO;
class SchedaPreviewFigura;
class SchedaSelezioneFIGURE;

// The status bar of the editor seen as keyed panels: "status" (time totals), "pedana" (time on the
// platform, amber past the gym's limit) and "date2" (today).
class BarraStatoEditor : public PannelliStato {
public:
    explicit BarraStatoEditor(QStatusBar* barra);
    void impostaTestoPannello(const QString& chiave, const QString& testo) override;
    void segnalaPannello(const QString& chiave, bool oltreLimite, const QString& suggerimento) override;
    QLabel* pannello(const QString& chiave) const;

private:
    QLabel* status_;
    QLabel* pedana_;
    QLabel* date2_;
};

// The frame in which one card or template is edited: header and body on the left, picture selection
// and preview on the right, toolbar and status bar. Created hidden once, then shown and hidden by the
// main window; what it edits comes from the selection state. The pages edit the card they are given
// and ask for the rest by signals, which this window connects. Every change to the card goes into
// its history, which "Annulla" and "Ripeti" walk; the history shows its changes through this window.
class mdiScheda : public QMainWindow, public VistaStoria {
    Q_OBJECT
public:
    explicit mdiScheda(QWidget* genitore = nullptr);
    ~mdiScheda() override;

    // The card or template being edited (nullptr before the first mostra).
    SchedaEditabile* scheda() const { return scheda_.get(); }
    ::utente& utente() { return utente_; }
    ContatoreTempi contaTempi;

    // Opens the editor on what idSchedaSelezionata, idModelloSelezionato and idUtenteSelezionato name.
    void mostra();
    // Recounts the time totals into the status bar; totals too long to be counted are said so there
    // instead of stopping the work in progress.
    void ricontaTempi();
    // Places the child windows, loading those not loaded yet.
    void disponiFinestre();

    // The value that stops a command: that of the field holding the focus if it refuses it, else
    // the first refused in the header, then in the panels on view. Empty when all are accepted.
    controlliEditor::Rifiuto primoRifiuto() const;
    // Shows the refusal and puts the focus on its field.
    void rifiuta(const controlliEditor::Rifiuto& rifiuto);
    // Run before every command that saves, prints, pages or closes: false, with the field's message
    // shown and the focus on it, when a field refuses its value.
    bool campiAccettati();
    // Run before every command that stores or exports the card: false, with the first value its rules
    // refuse shown on its page (values read so from an older register), when there is one.
    bool schedaAccettata();

    // The gate every child window consults before closing.
    static bool puoiChiudere();
    static void setPuoiChiudere(bool valore);

    BarraStrumenti* ToolbarSchede;
    QStatusBar* StatusBar1;
    ListaImmagini ImageListToolBar{QSize(24, 24)};
    QMdiArea* area() const { return area_; }

    SchedaIntestazione* intestazione() const;
    SchedaIntestazioneMODELLO* intestazioneModello() const;
    SchedaCorpo* corpo() const;
    SchedaSelezioneFIGURE* selezioneFigure() const;
    SchedaPreviewFigura* previewFigura() const;
    BarraStatoEditor& barraStato() { return *barraStato_; }
    StoriaScheda& storia() { return *storia_; }

    void mostraEsercizio(long posizione) override;
    void mostraTesta(CampoTesta campo) override;

    // Whether the windows it calls exist (the buttons that need them are disabled otherwise).
    void aggiornaPulsanti();

public slots:
    void ToolbarSchede_ButtonClick(QAction* Button);
    void ToolbarSchede_ButtonClickChiave(const QString& chiave);

signals:
    // The editor has put its windows away and hidden itself ("Fine", or its close box once the gate
    // is open); whoever opened it comes back.
    void chiuso();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    bool event(QEvent* evento) override;

private:
    void MDIForm_Load();
    void salvaSuNuovoModello();
    void stampa();
    void chiudiScheda();
    // Closes the child windows and hides the editor, bringing the main window back.
    void scarica();
    // Closes one child window on purpose (the gate is opened just for it).
    void scaricaFiglia(QPointer<QMdiSubWindow>& figlia);
    QMdiSubWindow* aggiungiFiglia(QWidget* finestra);
    SchedaCorpo* creaCorpo();
    void allineaSelezione();
    void scriviPannelli();
    void nessunTempoPedana();

    QMdiArea* area_;
    std::unique_ptr<SchedaEditabile> scheda_;
    ::utente utente_;
    std::unique_ptr<BarraStatoEditor> barraStato_;
    std::unique_ptr<StoriaScheda> storia_;
    bool salvaAbilitato_ = true;

    QPointer<QMdiSubWindow> subIntestazione_;
    QPointer<QMdiSubWindow> subIntestazioneModello_;
    QPointer<QMdiSubWindow> subCorpo_;
    QPointer<QMdiSubWindow> subSelezione_;
    QPointer<QMdiSubWindow> subPreview_;
};
