// The card in memory is the one truth of the editor: what the register holds after a save, what the
// fields show and what the card holds agree, whatever path a value took to get there.
#include "EditorDiProva.h"
#include "comune/CampiScheda.h"
#include "comune/SchermoDiProva.h"
#include "editor/ImmagineEsercizio.h"
#include "records/scheda.h"
#include "shell/Finestre.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QToolButton>
#include <random>

namespace {

const bool schermo1024 = schermoDiProva(1024, 768);

class UnaScheda : public EditorDiProva {
protected:
    static mdiScheda& apri(std::int32_t id) { return EditorDiProva::apri(9, id, 0); }
    static scheda& card(mdiScheda& e) { return *static_cast<scheda*>(e.scheda()); }

    static void premi(mdiScheda& e, QKeySequence::StandardKey tasto) {
        const QKeySequence tasti = QKeySequence::keyBindings(tasto).value(0);
        QWidget* w = QApplication::focusWidget();
        if (!w || w->window() != &e)
            w = &e;
        QTest::keyClick(w, tasti[0].key(), tasti[0].keyboardModifiers());
        QApplication::processEvents();
    }
    static void salva(mdiScheda& e) {
        QTest::keyClick(&e, Qt::Key_S, Qt::ControlModifier);
        QApplication::processEvents();
    }
    // A click on the tab of the other kind, where the user clicks it.
    static void cliccaTipo(mdiScheda& e, int k, int tab) {
        auto* barra = campo<QTabBar>(e, k, "TipoEsercizio");
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(tab).center());
        QApplication::processEvents();
    }

    // An exercise as the register or the card holds it: what a save must carry over.
    static QString descrizione(const Esercizio& es) {
        return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
            .arg(es.id_fig)
            .arg(es.isLibero ? QStringLiteral("libero") : QStringLiteral("vibrana"))
            .arg(static_cast<int>(es.serie))
            .arg(static_cast<int>(es.recuperoMin))
            .arg(static_cast<int>(es.recuperoSec))
            .arg(es.durata, es.modalita, es.peso, es.note);
    }
    // The exercises a save stores, in card order.
    static QStringList inMemoria(const scheda& s) {
        QStringList r;
        for (const Esercizio& es : s.esercizi)
            if (es.isLibero || es.id_fig != 0)
                r << descrizione(es);
        return r;
    }
    // The card's rows in NProg order; the numbers must be 1, 2, 3... with no two alike.
    static QStringList inArchivio(std::int32_t id) {
        scheda letta;
        EXPECT_TRUE(letta.carica(id));
        letta.caricaEsercizi();
        QStringList r;
        std::int32_t precedente = 0;
        for (const Esercizio& es : letta.esercizi) {
            EXPECT_GT(es.nprog, precedente) << descrizione(es).toStdString();
            precedente = es.nprog;
            r << descrizione(es);
        }
        return r;
    }
    // The panels on view show the exercises they stand for.
    static void schermoComeMemoria(mdiScheda& e) {
        const scheda& s = card(e);
        for (int k = 0; k < 2; ++k) {
            const long p = e.corpo()->primoEsercizio() + k;
            ASSERT_LE(p, s.esercizi.Count());
            const Esercizio& es = s.esercizi.Item(p);
            SCOPED_TRACE(QStringLiteral("esercizio %1").arg(p).toStdString());
            EXPECT_EQ(campo<QTabBar>(e, k, "TipoEsercizio")->currentIndex(), es.isLibero ? 1 : 0);
            EXPECT_EQ(campo<QWidget>(e, k, "FrameLibero")->isVisibleTo(e.corpo()), es.isLibero);
            EXPECT_EQ(campo<ImmagineEsercizio>(e, k, "figura")->Tag,
                      es.id_fig ? QString::number(es.id_fig) : QString());
            EXPECT_EQ(campo<QLineEdit>(e, k, "serie")->text(), QString::number(static_cast<int>(es.serie)));
            EXPECT_EQ(campo<QLineEdit>(e, k, "peso")->text(), es.peso);
            EXPECT_EQ(campo<QComboBox>(e, k, "durata")->currentText(), es.durata);
            EXPECT_EQ(campo<QPlainTextEdit>(e, k, es.isLibero ? "noteLibero" : "note")->toPlainText(),
                      es.note);
            EXPECT_EQ(campo<QLabel>(e, k, "nEsercizio")->text(), QString::number(p));
        }
    }
};

// Insert, a picture, a deletion, a save, more changes, everything undone and saved: the register holds
// the card as it was, one row per exercise; redone and saved, it holds the card as the editor shows it.
TEST_F(UnaScheda, UnInserimentoAnnullatoNonRestaInArchivio) {
    const std::int32_t id = schedaConEsercizi({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    const QStringList originale = inArchivio(id);
    ASSERT_EQ(originale.size(), 12);
    mdiScheda& e = apri(id);

    vs(e)->setValue(2);
    QTest::mouseClick(campo<QToolButton>(e, 1, "InserisciEsecizio"), Qt::LeftButton);
    bool accettato = false;
    trascina(campo<ImmagineEsercizio>(e, 1, "figura"), QStringLiteral("20"), &accettato);
    ASSERT_TRUE(accettato);
    vs(e)->setValue(3);
    ASSERT_EQ(campo<QLabel>(e, 0, "nEsercizio")->text(), QStringLiteral("5"));
    QTest::mouseClick(campo<QToolButton>(e, 0, "EliminaEsercizio"), Qt::LeftButton);
    salva(e);
    EXPECT_EQ(inArchivio(id), inMemoria(card(e)));
    scrivi(campo<QLineEdit>(e, 0, "peso"), QStringLiteral("2 kg"));
    scrivi(campo<QLineEdit>(e, 1, "serie"), QStringLiteral("7"));
    scrivi(campo<QPlainTextEdit>(e, 0, "note"), QStringLiteral("lento"));
    scrivi(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("Gino"));
    scrivi(campo<QLineEdit>(e, 1, "peso"), QStringLiteral("1 kg"));

    for (int i = 0; i < 17; ++i)
        premi(e, QKeySequence::Undo);
    EXPECT_FALSE(pulsante(e, "annulla")->isEnabled());
    EXPECT_EQ(inMemoria(card(e)), originale);
    salva(e);
    EXPECT_EQ(inArchivio(id), originale);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE id_scheda = %1").arg(id)), 12);

    for (int i = 0; i < 17; ++i)
        premi(e, QKeySequence::Redo);
    salva(e);
    const QStringList rifatta = inMemoria(card(e));
    EXPECT_EQ(rifatta.size(), 12);
    EXPECT_EQ(inArchivio(id), rifatta);
    EXPECT_EQ(contaDiretto(
                  QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE id_scheda = %1 AND NProg = 4").arg(id)),
              1);
    schermoComeMemoria(e);
}

// A value the field refuses stops a click on either panel's kind: the message, and nothing else.
TEST_F(UnaScheda, UnValoreRifiutatoFermaIlCambioDiTipo) {
    struct Caso {
        const char* campo;
        const char* testo;
        const char* messaggio;
    };
    const Caso casi[] = {
        {"serie", "150", "Valore troppo grande!"},
        {"recuperoMin", "300", "Inserire un numero tra 0 e 255"},
        {"recuperoSec", "75", "Inserire un numero tra 0 e 59"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.campo);
        const std::int32_t id = schedaConEsercizi({1, 2});
        const QStringList prima = inArchivio(id);
        mdiScheda& e = apri(id);
        auto* campoRifiutato = campo<QLineEdit>(e, 0, c.campo);
        scrivi(campoRifiutato, QString::fromLatin1(c.testo));
        for (int k : {0, 1}) {
            messaggi().mostrati.clear();
            cliccaTipo(e, k, 1);
            EXPECT_EQ(messaggi().testi(), QStringList{QString::fromLatin1(c.messaggio)}) << "pannello " << k;
            EXPECT_EQ(campo<QTabBar>(e, k, "TipoEsercizio")->currentIndex(), 0);
            EXPECT_TRUE(campo<QWidget>(e, k, "FrameVibrana")->isVisibleTo(e.corpo()));
            EXPECT_FALSE(card(e).esercizi.Item(k + 1).isLibero);
            EXPECT_TRUE(campoRifiutato->hasFocus());
        }
        salva(e);
        EXPECT_EQ(inArchivio(id), prima);
        EXPECT_EQ(campoRifiutato->text(), QString::fromLatin1(c.testo));

        // Mended, the click goes through and the save stores what is shown.
        scrivi(campoRifiutato, QStringLiteral("5"));
        cliccaTipo(e, 0, 1);
        EXPECT_TRUE(card(e).esercizi.Item(1).isLibero);
        messaggi().mostrati.clear();
        salva(e);
        EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
        EXPECT_EQ(inArchivio(id), inMemoria(card(e)));
        EXPECT_TRUE(inArchivio(id).value(0).contains(QStringLiteral("|libero|")));
        scaricaEditorScheda();
        messaggi().mostrati.clear();
    }
}

// A free exercise switched back to the platform is stored as the editor shows it: with a picture as a
// platform exercise in the same row, without one not at all.
TEST_F(UnaScheda, UnEsercizioLiberoRiportatoAVibranaVieneSalvatoCosi) {
    for (const bool conFigura : {true, false}) {
        SCOPED_TRACE(conFigura ? "con figura" : "senza figura");
        const std::int32_t id = schedaConEsercizi({0, 2});
        mdiScheda& e = apri(id);
        const std::int32_t ct = card(e).esercizi.Item(1).ct;
        cliccaTipo(e, 0, 0);
        ASSERT_FALSE(card(e).esercizi.Item(1).isLibero);
        if (conFigura) {
            bool accettato = false;
            trascina(campo<ImmagineEsercizio>(e, 0, "figura"), QStringLiteral("5"), &accettato);
            ASSERT_TRUE(accettato);
        }
        salva(e);
        EXPECT_EQ(inArchivio(id), inMemoria(card(e)));
        EXPECT_EQ(contaDiretto(
                      QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE id_scheda = %1 AND isLibero <> 0")
                          .arg(id)),
                  0);
        EXPECT_EQ(contaDiretto(
                      QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE ct = %1 AND id_fig = 5").arg(ct)),
                  conFigura ? 1 : 0);
        scaricaEditorScheda();
    }
}

// A list value typed in other letters is the list's entry, shown and stored so at the first save.
TEST_F(UnaScheda, UnaVoceScrittaInMinuscoloEQuellaDellElenco) {
    const std::int32_t id = schedaConEsercizi({1});
    mdiScheda& e = apri(id);
    auto* modalita = campo<QComboBox>(e, 0, "modalita");
    scrivi(modalita, QStringLiteral("combinata"));
    salva(e);
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
    EXPECT_EQ(modalita->currentText(), QStringLiteral("Combinata"));
    EXPECT_EQ(
        contaDiretto(
            QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE id_scheda = %1 AND Modalita = 'Combinata'")
                .arg(id)),
        1);
}

// A card an older program stored with values out of range opens as stored, its exercise marked, and
// is saved only once mended: the save shows the first of them on its page.
TEST_F(UnaScheda, UnaSchedaConValoriFuoriLimiteSiSalvaSoloCorretta) {
    const std::int32_t id = schedaConEsercizi({1, 2, 3, 4, 5, 6});
    eseguiDiretto(
        QStringLiteral("UPDATE Esercizi SET Serie = 150 WHERE id_scheda = %1 AND NProg = 5").arg(id));
    const QStringList prima = inArchivio(id);
    mdiScheda& e = apri(id);
    scrivi(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("Gino"));
    EXPECT_FALSE(campo<QLabel>(e, 0, "nEsercizio")->property("difetto").toBool());
    salva(e);
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Valore troppo grande!")});
    EXPECT_EQ(campo<QLabel>(e, 0, "nEsercizio")->text(), QStringLiteral("5"));
    EXPECT_TRUE(campo<QLabel>(e, 0, "nEsercizio")->property("difetto").toBool());
    auto* serie = campo<QLineEdit>(e, 0, "serie");
    EXPECT_EQ(serie->text(), QStringLiteral("150"));
    EXPECT_TRUE(serie->hasFocus());
    EXPECT_EQ(inArchivio(id), prima);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede WHERE Istruttore = 'Gino'")), 0);

    scrivi(serie, QStringLiteral("10"));
    lascia();
    EXPECT_FALSE(campo<QLabel>(e, 0, "nEsercizio")->property("difetto").toBool());
    messaggi().mostrati.clear();
    salva(e);
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
    EXPECT_EQ(inArchivio(id), inMemoria(card(e)));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede WHERE Istruttore = 'Gino'")), 1);
}

// Opening and paging show the card without changing it: it prints from memory without a question,
// and nothing reaches the register.
TEST_F(UnaScheda, AprireESfogliareNonCambianoLaScheda) {
    std::vector<scheda> stampate;
    finestre().AnteprimaScheda = [&stampate](const scheda& s) { stampate.push_back(s); };
    const std::int32_t id = schedaConEsercizi({1, 2, 3});
    const QStringList prima = inArchivio(id);
    mdiScheda& e = apri(id);
    EXPECT_TRUE(card(e).isSaved);
    vs(e)->setValue(2);
    vs(e)->setValue(3);
    vs(e)->setValue(1);
    EXPECT_TRUE(card(e).isSaved);
    pulsante(e, "stampa")->trigger();
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
    ASSERT_EQ(stampate.size(), 1u);
    EXPECT_EQ(inMemoria(stampate[0]), prima);
    EXPECT_EQ(inArchivio(id), prima);
}

// Random sequences of what a user does, with the register, the card and the fields compared after
// every step and every save. The seeds are fixed: a failure names the seed and the step.
TEST_F(UnaScheda, SequenzeCasualiTengonoInAccordoArchivioMemoriaESchermo) {
    for (const unsigned seme : {1u, 2u, 3u, 4u}) {
        std::mt19937 caso(seme);
        auto tra = [&caso](int a, int b) { return std::uniform_int_distribution<int>(a, b)(caso); };
        const std::int32_t id = schedaConEsercizi({1, 2, 0, 4, 5});
        mdiScheda& e = apri(id);
        for (int passo = 0; passo < 60; ++passo) {
            const int k = tra(0, 1);
            const int azione = tra(0, 11);
            SCOPED_TRACE(QStringLiteral("seme %1, passo %2, azione %3, pannello %4")
                             .arg(seme)
                             .arg(passo)
                             .arg(azione)
                             .arg(k)
                             .toStdString());
            const bool libero = campo<QTabBar>(e, k, "TipoEsercizio")->currentIndex() == 1;
            switch (azione) {
            case 0:
                if (!libero)
                    scrivi(campo<QLineEdit>(e, k, "serie"), QString::number(tra(0, 99)));
                break;
            case 1:
                scrivi(campo<QLineEdit>(e, k, "peso"), QStringLiteral("p%1").arg(tra(0, 9)));
                break;
            case 2:
                scrivi(campo<QPlainTextEdit>(e, k, libero ? "noteLibero" : "note"),
                       QStringLiteral("n%1").arg(tra(0, 9)));
                break;
            case 3:
                cliccaTipo(e, k, libero ? 0 : 1);
                break;
            case 4:
                vs(e)->setValue(tra(1, vs(e)->maximum()));
                break;
            case 5:
                QTest::mouseClick(campo<QToolButton>(e, k, "InserisciEsecizio"), Qt::LeftButton);
                break;
            case 6:
                QTest::mouseClick(campo<QToolButton>(e, k, "EliminaEsercizio"), Qt::LeftButton);
                break;
            case 7:
                if (!libero)
                    trascina(campo<ImmagineEsercizio>(e, k, "figura"), QString::number(tra(1, 12)));
                break;
            case 8:
                premi(e, QKeySequence::Undo);
                break;
            case 9:
                premi(e, QKeySequence::Redo);
                break;
            case 10:
                // A refused value typed, a click on the kind refused, then the value mended.
                if (!libero) {
                    auto* serie = campo<QLineEdit>(e, k, "serie");
                    scrivi(serie, QStringLiteral("150"));
                    cliccaTipo(e, 1 - k, 1);
                    scrivi(serie, QString::number(tra(0, 99)));
                    lascia();
                }
                break;
            case 11:
                salva(e);
                EXPECT_EQ(inArchivio(id), inMemoria(card(e)));
                break;
            }
            schermoComeMemoria(e);
            if (HasFailure())
                return;
        }
        salva(e);
        EXPECT_EQ(inArchivio(id), inMemoria(card(e)));
        scaricaEditorScheda();
        messaggi().mostrati.clear();
    }
}

} // namespace
