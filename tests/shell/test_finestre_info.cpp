#include "base/CartellaProgramma.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "comune/Cuciture.h"
#include "comune/Modale.h"
#include "pictures/FileConsegnati.h"
#include "shell/FinestraGuida.h"
#include "shell/Finestre.h"
#include "shell/MessaggiFinestra.h"
#include "shell/ModuloBase.h"
#include "shell/Principale.h"
#include "shell/frmAbout.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

TEST(Traduzioni, PulsantiDeiMessaggiInItaliano) {
    ASSERT_TRUE(installaTraduzioniQt(qApp));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sì"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("No"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Annulla"));
}

// The real message boxes: Enter answers with the default button the caller named, else the first.
TEST(MessaggiFinestra, InvioRispondeConIlPulsantePredefinito) {
    struct {
        Pulsanti pulsanti;
        std::optional<Risposta> predefinita;
        Risposta attesa;
    } casi[] = {
        {Pulsanti::OK, std::nullopt, Risposta::OK},
        {Pulsanti::SiNo, std::nullopt, Risposta::Si},
        {Pulsanti::SiNo, Risposta::No, Risposta::No},
        {Pulsanti::SiNoAnnulla, Risposta::Annulla, Risposta::Annulla},
        {Pulsanti::OKAnnulla, std::nullopt, Risposta::OK},
    };
    auto precedente = installaServizioMessaggi(std::make_shared<MessaggiFinestra>());
    for (const auto& c : casi) {
        Risposta r = Risposta::OK;
        usaModale<QMessageBox>(
            [&] {
                r = mostraMessaggio(QStringLiteral("Domanda?"), TipoMessaggio::Domanda, c.pulsanti, {},
                                    c.predefinita);
            },
            [](QMessageBox& box) {
                ASSERT_NE(box.defaultButton(), nullptr);
                QTest::keyClick(&box, Qt::Key_Return);
            });
        EXPECT_EQ(r, c.attesa) << static_cast<int>(c.pulsanti);
    }
    installaServizioMessaggi(precedente);
}

class Informazioni : public ArchivioDiProva {};

TEST_F(Informazioni, FinestraInformazioniSu) {
    frmAbout f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Informazioni su Vibrana"));
    EXPECT_EQ(f.lblTitle->text(), QStringLiteral("Vibrana"));
    EXPECT_EQ(f.lblVersion->text(), QStringLiteral("Versione 1.2.2"));
    EXPECT_EQ(f.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(f.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    EXPECT_FALSE(f.lblDescription->text().isEmpty());
    EXPECT_TRUE(f.lblLink->text().contains(QStringLiteral("href=\"https://")));
    EXPECT_TRUE(f.lblLinkEmailAuthor->text().contains(QStringLiteral("href=\"mailto:")));

    int aperture = 0;
    {
        Sostituisci finestra(frmAbout::apriInformazioniSistema, [&](QWidget* genitore) {
            ++aperture;
            EXPECT_EQ(genitore, &f);
        });
        f.cmdSysInfo->click();
    }
    EXPECT_EQ(aperture, 1);
    // A failure of the information window is reported, not thrown.
    Sostituisci guasta(frmAbout::apriInformazioniSistema,
                       [](QWidget*) { throw std::runtime_error("guasto"); });
    f.cmdSysInfo->click();
    EXPECT_EQ(messaggi().testi(),
              QStringList{QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili.")});
}

TEST_F(Informazioni, CollegamentoSenzaProgrammaPerAprirlo) {
    frmAbout f;
    QStringList aperti;
    struct {
        QLabel* etichetta;
        bool riesce;
        const char* messaggio;
    } casi[] = {
        {f.lblLink, true, nullptr},
        {f.lblLinkEmailAuthor, true, nullptr},
        {f.lblLink, false,
         "Impossibile aprire il collegamento: su questo computer non risulta installato "
         "un browser.\nIndirizzo: https://www.arvel.example/vibrana"},
        {f.lblLinkEmailAuthor, false,
         "Impossibile aprire il programma di posta elettronica: su questo "
         "computer non ne risulta installato uno.\nScrivere a: "
         "assistenza@arvel.example"},
    };
    for (const auto& c : casi) {
        messaggi().mostrati.clear();
        aperti.clear();
        Sostituisci collegamento(frmAbout::apriCollegamento, [&](const QString& indirizzo) {
            aperti << indirizzo;
            return c.riesce;
        });
        // The label's own signal, as a click on its link gives it.
        const QString href = c.etichetta->text().section(QLatin1Char('"'), 1, 1);
        emit c.etichetta->linkActivated(href);
        EXPECT_EQ(aperti, QStringList{href});
        if (c.messaggio) {
            EXPECT_EQ(messaggi().testi(), QStringList{QString::fromUtf8(c.messaggio)});
        } else {
            EXPECT_TRUE(messaggi().mostrati.empty());
        }
    }
}

class Guida : public ArchivioDiProva {
protected:
    void TearDown() override {
        if (FinestraGuida* g = finestraGuida())
            g->close();
        if (Principale* p = principaleCaricata())
            p->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        impostaFileGuida({});
        ArchivioDiProva::TearDown();
    }
    void scriviGuida() {
        QDir().mkpath(cartella() + QStringLiteral("/help"));
        QFile f(cartella() + QStringLiteral("/help/help.hlp"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<html><head><title>Guida di prova</title></head><body><h1>Sommario</h1>"
                "<p><a href=\"#uso\">Uso</a></p><h2 id=\"uso\">Uso</h2><p>Testo.</p></body></html>");
    }
};

TEST_F(Guida, FileMancanteSegnalato) {
    impostaFileGuida(percorsoProgramma(FileConsegnati::guida));
    apriGuida();
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(messaggi().mostrati[0].testo.startsWith(
        QStringLiteral("Impossibile trovare la guida del programma")));
    EXPECT_EQ(finestraGuida(), nullptr);
}

TEST_F(Guida, ApertaAlSommarioComeHtml) {
    scriviGuida();
    impostaFileGuida(percorsoProgramma(FileConsegnati::guida)); // "\HELP\HELP.hlp", any letter case on disk
    Principale& p = principale();
    p.mostra();
    attiva(p, "mnuHelpHelp");
    ASSERT_NE(finestraGuida(), nullptr);
    EXPECT_TRUE(finestraGuida()->isVisible());
    QTextBrowser* b = finestraGuida()->browser();
    EXPECT_TRUE(b->toPlainText().startsWith(QStringLiteral("Sommario")));
    EXPECT_EQ(b->documentTitle(), QStringLiteral("Guida di prova"));
    EXPECT_TRUE(finestraGuida()->windowTitle().contains(QStringLiteral("Guida di prova")));
    EXPECT_TRUE(messaggi().mostrati.empty());

    // Closing the main window ends the session: the help window goes with it.
    p.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(finestraGuida(), nullptr);
}

TEST_F(Guida, TastoF1SullaFinestraPrincipale) {
    scriviGuida();
    impostaFileGuida(percorsoProgramma(FileConsegnati::guida));
    Principale& p = principale();
    p.mostra();
    QApplication::setActiveWindow(&p);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    QTest::keyClick(&p, Qt::Key_F1);
    ASSERT_NE(finestraGuida(), nullptr);
    EXPECT_TRUE(finestraGuida()->isVisible());
}

// Any window, a modal one included: the help opens over it and can be used while it waits.
TEST_F(Guida, TastoF1DaUnaFinestraModale) {
    scriviGuida();
    impostaFileGuida(percorsoProgramma(FileConsegnati::guida));
    installaTastoGuida(qApp);
    installaTastoGuida(qApp); // once is enough: a second call adds nothing
    QDialog finestra;
    auto* campo = new QLineEdit(&finestra);
    (new QVBoxLayout(&finestra))->addWidget(campo);
    usaModale<QDialog>([&] { finestra.exec(); },
                       [&](QDialog& d) {
                           campo->setFocus();
                           QTest::keyClick(campo, Qt::Key_F1);
                           FinestraGuida* g = finestraGuida();
                           ASSERT_NE(g, nullptr);
                           EXPECT_TRUE(g->isVisible());
                           EXPECT_TRUE(g->isWindow());
                           // Not blocked by the modal window: it belongs to it.
                           EXPECT_EQ(g->parentWidget(), &d);
                           d.accept();
                       });
    EXPECT_TRUE(messaggi().mostrati.empty());
    const int filtri = qApp->findChildren<QObject*>(QStringLiteral("tastoGuida")).size();
    EXPECT_EQ(filtri, 1);
}

TEST_F(Guida, TastoF1SenzaGuidaLoDice) {
    impostaFileGuida(percorsoProgramma(FileConsegnati::guida));
    installaTastoGuida(qApp);
    QLineEdit campo;
    campo.show();
    QTest::keyClick(&campo, Qt::Key_F1);
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(messaggi().mostrati[0].testo.startsWith(
        QStringLiteral("Impossibile trovare la guida del programma")));
}

} // namespace
