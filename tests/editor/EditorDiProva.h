#pragma once

// What the card editor's tests share: a full register with athlete 9 (Mario Rossi), the picture
// lists as start-up leaves them, the editor opened as the selection windows open it, and the
// user's typing, leaving a field and dropping a picture.
#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "editor/CancelloEditor.h"
#include "editor/ImmaginiScheda.h"
#include "editor/RegistraEditor.h"
#include "editor/SchedaCorpo.h"
#include "editor/mdiScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"
#include "shell/SenzaAvanzamento.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <cstdint>
#include <vector>

class EditorDiProva : public ArchivioDiProva {
protected:
    bool archivioCompleto() const override { return true; }

    void SetUp() override {
        ArchivioDiProva::SetUp();
        salvato_ = finestre();
        ASSERT_TRUE(copiaImmaginiConsegnate());
        // No sound server: the body map's click returns at once instead of looking for one.
        qputenv("PULSE_SERVER", "unix:/inesistente/vibrana-prova");
        caricaImmaginiScheda(barra_);
        eseguiDiretto(QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome, sesso) VALUES "
                                     "(9, 'Mario', 'Rossi', 'M');"));
    }
    void TearDown() override {
        qunsetenv("PULSE_SERVER");
        scaricaEditorScheda();
        scaricaImmaginiScheda();
        setPuoiChiudereEditor(false);
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }

    // A stored card of athlete 9 with one platform exercise per figure given (0 = free exercise),
    // training days `giorni` (empty: none written).
    static std::int32_t schedaConEsercizi(const std::vector<int>& figure, const QString& giorni = {}) {
        scheda s;
        s.id_utente = 9;
        s.categoria = QStringLiteral("Tonificazione");
        s.Istruttore = QStringLiteral("Anna");
        s.FreqAllen = 2;
        s.PeriodoDal = QStringLiteral("01/12/2026");
        s.PeriodoAl = QStringLiteral("31/12/2026");
        s.GGAllen = giorni;
        int n = 0;
        for (int fig : figure) {
            Esercizio e;
            e.id_fig = fig;
            e.isLibero = fig == 0;
            e.durata = QStringLiteral("45s");
            e.frequenza = QStringLiteral("40Hz");
            e.ampiezza = QStringLiteral("H");
            e.modalita = QStringLiteral("Combinata");
            e.serie = 2;
            e.recuperoMin = 1;
            e.recuperoSec = 0;
            e.note = QStringLiteral("nota %1").arg(++n);
            s.esercizi.Add(e);
        }
        s.save();
        return s.id_scheda;
    }

    // A stored template of the gym's own ("Proprio", Dimagrimento) with one exercise per figure given
    // (0 = free exercise).
    static std::int32_t modelloProprio(const std::vector<int>& figure) {
        SchedaModello m;
        m.descrizione = QStringLiteral("Proprio");
        m.categoria = QStringLiteral("Dimagrimento");
        for (int fig : figure) {
            Esercizio e;
            e.id_fig = fig;
            e.isLibero = fig == 0;
            m.esercizi.Add(e);
        }
        m.save();
        return m.id_scheda;
    }

    // The editor on `schedaId` of `utente` (0, 0: a new card), or on template `modello`.
    static mdiScheda& apri(std::int32_t utente, std::int32_t schedaId, std::int32_t modello) {
        idUtenteSelezionato = utente;
        idSchedaSelezionata = schedaId;
        idModelloSelezionato = modello;
        mdiScheda& e = editorScheda();
        e.mostra();
        e.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&e));
        return e;
    }

    static QAction* pulsante(mdiScheda& e, const char* chiave) {
        return e.ToolbarSchede->pulsante(QString::fromLatin1(chiave));
    }
    static QScrollBar* vs(mdiScheda& e) { return e.corpo()->findChild<QScrollBar*>(QStringLiteral("VS")); }
    static QString stato(mdiScheda& e) { return e.barraStato().pannello(QStringLiteral("status"))->text(); }

    // Types into a field as the user does: focus, select all, type.
    static void scrivi(QWidget* w, const QString& testo) {
        w->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        if (testo.isEmpty())
            QTest::keyClick(w, Qt::Key_Delete);
        QTest::keyClicks(w, testo);
    }
    // Tab out of the control holding the focus (of `w` when none does).
    static void lascia(QWidget* w = nullptr) {
        QWidget* fuoco = QApplication::focusWidget();
        QTest::keyClick(fuoco ? fuoco : w, Qt::Key_Tab);
        QApplication::processEvents();
    }
    // Drops `testo` on `destinazione`; `accettato` tells whether it took both the entry and the drop.
    static void trascina(QWidget* destinazione, const QString& testo, bool* accettato = nullptr) {
        QMimeData dati;
        dati.setText(testo);
        const QPoint centro = destinazione->rect().center();
        QDragEnterEvent entra(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(destinazione, &entra);
        QDropEvent lascia(QPointF(centro), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(destinazione, &lascia);
        if (accettato)
            *accettato = entra.isAccepted() && lascia.isAccepted();
    }

    SenzaAvanzamento barra_;
    RegistroFinestre salvato_;
};
