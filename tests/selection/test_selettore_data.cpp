#include "comune/MessaggiRegistrati.h"
#include "selection/SelettoreData.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(interpretaData, FormeAccettate) {
    struct {
        const char* testo;
        QDate attesa;
    } casi[] = {
        {"1/2/85", QDate(1985, 2, 1)},
        {"01.02.1985", QDate(1985, 2, 1)},
        {"1-2-1985", QDate(1985, 2, 1)},
        {"01/02/1985", QDate(1985, 2, 1)},
        {" 1 / 2 / 1985 ", QDate(1985, 2, 1)},
        {"15031985", QDate(1985, 3, 15)},
        {"150385", QDate(1985, 3, 15)},
        // two-digit years: 00-29 this century, 30-99 the last
        {"1/2/00", QDate(2000, 2, 1)},
        {"1/2/29", QDate(2029, 2, 1)},
        {"1/2/30", QDate(1930, 2, 1)},
        {"1/2/99", QDate(1999, 2, 1)},
        {"29/02/2000", QDate(2000, 2, 29)},
        // no such day, or not a date
        {"29/02/1900", QDate()},
        {"31/02/2000", QDate()},
        {"1/13/85", QDate()},
        {"0/1/85", QDate()},
        {"1/2", QDate()},
        {"1/2/985", QDate()},
        {"1502", QDate()},
        {"", QDate()},
        {"oggi", QDate()},
    };
    for (const auto& c : casi)
        EXPECT_EQ(interpretaData(QString::fromLatin1(c.testo)), c.attesa) << c.testo;
}

// A date field in a window with a field after it, as in a form.
class CampoData : public ::testing::Test {
protected:
    void SetUp() override {
        auto* l = new QVBoxLayout(&finestra_);
        data_ = new SelettoreData(&finestra_);
        data_->setNomeCampo(QStringLiteral("Data di Nascita"));
        dopo_ = new QLineEdit(&finestra_);
        annulla_ = new QPushButton(QStringLiteral("Annulla"), &finestra_);
        annulla_->setProperty("controllaDati", false);
        l->addWidget(data_);
        l->addWidget(dopo_);
        l->addWidget(annulla_);
        finestra_.show();
        QApplication::setActiveWindow(&finestra_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra_));
        data_->campo()->setFocus();
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QCalendarWidget*>(w))
                w->close();
    }
    // Moves the focus on with Tab, as a user leaves the field, and lets the field react.
    void esci() {
        QTest::keyClick(data_->campo(), Qt::Key_Tab);
        QApplication::processEvents();
    }
    static QCalendarWidget* calendarioAperto() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* c = qobject_cast<QCalendarWidget*>(w); c && c->isVisible())
                return c;
        return nullptr;
    }

    RegistratoreInstallato messaggi_;
    QWidget finestra_;
    SelettoreData* data_ = nullptr;
    QLineEdit* dopo_ = nullptr;
    QPushButton* annulla_ = nullptr;
};

TEST_F(CampoData, LeFormeDigitateSiCompletanoAllUscita) {
    struct {
        const char* digitato;
        const char* mentreScrive;
        const char* dopo;
    } casi[] = {
        {"15031985", "15/03/1985", "15/03/1985"}, // digits alone move on by themselves
        {"150385", "15/03/85", "15/03/1985"},       {"1/2/85", "1/2/85", "01/02/1985"},
        {"01.02.1985", "01/02/1985", "01/02/1985"}, {"1-2-1985", "1/2/1985", "01/02/1985"},
        {"15/03/1985", "15/03/1985", "15/03/1985"}, // a separator after an automatic one is not doubled
        {"1/2/05", "1/2/05", "01/02/2005"},         {"", "", ""},
    };
    for (const auto& c : casi) {
        data_->campo()->clear();
        data_->campo()->setFocus();
        QTest::keyClicks(data_->campo(), QString::fromLatin1(c.digitato));
        EXPECT_EQ(data_->testo(), QString::fromLatin1(c.mentreScrive)) << c.digitato;
        esci();
        EXPECT_EQ(data_->testo(), QString::fromLatin1(c.dopo)) << c.digitato;
        EXPECT_TRUE(dopo_->hasFocus()) << c.digitato;
    }
    EXPECT_TRUE(messaggi_->mostrati.empty());
}

TEST_F(CampoData, CorreggereConBackspaceNonAggiungeSeparatori) {
    QTest::keyClicks(data_->campo(), QStringLiteral("15"));
    EXPECT_EQ(data_->testo(), QStringLiteral("15/"));
    QTest::keyClick(data_->campo(), Qt::Key_Backspace);
    QTest::keyClick(data_->campo(), Qt::Key_Backspace);
    EXPECT_EQ(data_->testo(), QStringLiteral("1"));
    QTest::keyClicks(data_->campo(), QStringLiteral("6031990"));
    EXPECT_EQ(data_->data(), QDate(1990, 3, 16));
}

TEST_F(CampoData, DataImpossibileTrattieneIlFuoco) {
    struct {
        const char* digitato;
        const char* inizio;
    } casi[] = {
        {"31/02/2000", "Data non valida: «31/02/2000» nel campo «Data di Nascita»."},
        {"1/2", "Data non valida: «1/2» nel campo «Data di Nascita»."},
        {"99/99/9999", "Data non valida: «99/99/9999» nel campo «Data di Nascita»."},
    };
    for (const auto& c : casi) {
        messaggi_->mostrati.clear();
        data_->campo()->clear();
        data_->campo()->setFocus();
        QTest::keyClicks(data_->campo(), QString::fromLatin1(c.digitato));
        esci();
        ASSERT_EQ(messaggi_->mostrati.size(), 1u) << c.digitato;
        EXPECT_TRUE(messaggi_->mostrati[0].testo.startsWith(QString::fromUtf8(c.inizio)))
            << messaggi_->mostrati[0].testo.toStdString();
        EXPECT_TRUE(data_->campo()->hasFocus()) << c.digitato;
        EXPECT_EQ(data_->campo()->selectedText(), data_->testo()); // ready to be typed over
        EXPECT_FALSE(data_->data().isValid());
    }
}

TEST_F(CampoData, FuoriIntervalloDiceLeDateAmmesse) {
    data_->setIntervallo(QDate(2000, 1, 1), QDate(2030, 12, 31));
    QTest::keyClicks(data_->campo(), QStringLiteral("01/01/1999"));
    esci();
    ASSERT_EQ(messaggi_->mostrati.size(), 1u);
    EXPECT_TRUE(messaggi_->mostrati[0].testo.contains(QStringLiteral("tra il 01/01/2000 e il 31/12/2030")));
    EXPECT_TRUE(data_->campo()->hasFocus());
}

TEST_F(CampoData, AnnullareOVuotoNonChiedonoNulla) {
    // Leaving empty is allowed; the form decides whether a date is needed.
    esci();
    EXPECT_TRUE(data_->isVuota());
    EXPECT_TRUE(data_->controlla());
    // A cancel button takes the focus without a check.
    data_->campo()->setFocus();
    QTest::keyClicks(data_->campo(), QStringLiteral("31/02/2000"));
    annulla_->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(annulla_->hasFocus());
    EXPECT_TRUE(messaggi_->mostrati.empty());
    // Checking before a save still finds it.
    EXPECT_FALSE(data_->controlla());
    EXPECT_EQ(messaggi_->mostrati.size(), 1u);
    EXPECT_TRUE(data_->campo()->hasFocus());
}

TEST_F(CampoData, UnaDataObbligatoriaNonSiLasciaVuota) {
    data_->setObbligatoria(true);
    const QString vuota = QStringLiteral("Data non valida: «» nel campo «Data di Nascita».\nScrivere la data "
                                         "come gg/mm/aaaa, per esempio 01/02/1985.");
    EXPECT_EQ(data_->errore(), vuota);
    esci();
    EXPECT_EQ(messaggi_->testi(), QStringList{vuota});
    EXPECT_TRUE(data_->campo()->hasFocus());
    QTest::keyClicks(data_->campo(), QStringLiteral("01021985"));
    EXPECT_TRUE(data_->errore().isEmpty());
    esci();
    EXPECT_TRUE(dopo_->hasFocus());
    EXPECT_EQ(messaggi_->mostrati.size(), 1u);
}

TEST_F(CampoData, CalendarioDaTastieraEDalPulsante) {
    data_->setData(QDate(2026, 12, 10));
    struct {
        const char* come;
        std::function<void()> apri;
    } modi[] = {
        {"F4", [this] { QTest::keyClick(data_->campo(), Qt::Key_F4); }},
        {"Alt+Giu", [this] { QTest::keyClick(data_->campo(), Qt::Key_Down, Qt::AltModifier); }},
        {"pulsante", [this] { data_->findChild<QAbstractButton*>(QStringLiteral("calendario"))->click(); }},
    };
    QDate attesa = data_->data();
    for (const auto& m : modi) {
        data_->campo()->setFocus();
        m.apri();
        QCalendarWidget* c = calendarioAperto();
        ASSERT_NE(c, nullptr) << m.come;
        EXPECT_EQ(c->selectedDate(), attesa) << m.come;
        // One day on with the arrow, chosen with Enter.
        QWidget* griglia = c->focusProxy() ? c->focusProxy() : c;
        ASSERT_NE(griglia, nullptr);
        QTest::keyClick(griglia, Qt::Key_Right);
        QTest::keyClick(griglia, Qt::Key_Return);
        attesa = attesa.addDays(1);
        EXPECT_EQ(data_->data(), attesa) << m.come;
        EXPECT_EQ(data_->testo(), attesa.toString(QStringLiteral("dd/MM/yyyy")));
        EXPECT_EQ(calendarioAperto(), nullptr) << m.come;
    }
    EXPECT_TRUE(messaggi_->mostrati.empty());
}

TEST_F(CampoData, SegnalaOgniCambioDiData) {
    std::vector<QDate> segnalate;
    QObject::connect(data_, &SelettoreData::dataCambiata, [&](const QDate& d) { segnalate.push_back(d); });
    QTest::keyClicks(data_->campo(), QStringLiteral("01021985"));
    ASSERT_FALSE(segnalate.empty());
    EXPECT_EQ(segnalate.back(), QDate(1985, 2, 1));
    data_->setData({});
    EXPECT_EQ(segnalate.back(), QDate());
    EXPECT_TRUE(data_->isVuota());
}

} // namespace
