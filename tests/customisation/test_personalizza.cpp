#include "../printing/DialoghiFinti.h"
#include "comune/ArchivioDiProva.h"
#include "customisation/frmPersonalizza.h"
#include "data/ConnessioneFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Personalizza : public ArchivioDiProva {
protected:
    // A picture of one colour; returns its full path.
    static QString immagine(const QString& percorso, QColor colore, int w = 300, int h = 150) {
        QDir().mkpath(QFileInfo(percorso).absolutePath());
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(colore);
        EXPECT_TRUE(img.save(percorso, "JPG"));
        return percorso;
    }
    QString immagini() const { return cartella() + QStringLiteral("/images"); }
    void palestra(const QString& nome, const QString& logo) const {
        eseguiDiretto(
            QStringLiteral("INSERT INTO palestra (nome, responsabile, logo) VALUES ('%1', 'Gino', '%2')")
                .arg(nome, logo));
    }
    // A column of the stored gym row; empty when there is no row.
    QString campo(const char* colonna) const {
        auto c = ConnessioneFile::apri(percorsoArchivio());
        RecordSet rs = c->interroga(QStringLiteral("SELECT %1 FROM palestra").arg(QLatin1String(colonna)));
        return rs.RecordCount() == 0 ? QString() : rs.campo(0).toString();
    }
    static std::unique_ptr<frmPersonalizza> apri() {
        auto w = std::make_unique<frmPersonalizza>();
        w->show();
        QApplication::processEvents();
        return w;
    }
    template <class T> static T* trova(QWidget& w, const char* nome) {
        T* c = w.findChild<T*>(QLatin1String(nome));
        EXPECT_NE(c, nullptr) << nome;
        return c;
    }
    static void scrivi(QWidget& w, const char* nome, const QString& testo) {
        QLineEdit* e = trova<QLineEdit>(w, nome);
        e->clear();
        QTest::keyClicks(e, testo);
    }
    static void clic(QWidget& w, const char* nome) {
        QTest::mouseClick(trova<QPushButton>(w, nome), Qt::LeftButton);
        QApplication::processEvents();
    }
};

TEST_F(Personalizza, ArchivioVuotoAvvisaEIlPrimoSalvataggioInserisce) {
    auto w = apri();
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Archivio Vuoto o Problemi di connessione!")});
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Personalizza"));
    auto* schede = trova<QTabWidget>(*w, "tbsOptions");
    EXPECT_EQ(schede->count(), 1);
    EXPECT_EQ(schede->tabText(0), QStringLiteral("Palestra"));
    EXPECT_EQ(schede->tabToolTip(0), QStringLiteral("Personalizzazioni della palestra"));
    EXPECT_TRUE(trova<QLabel>(*w, "noImage")->isVisible());
    scrivi(*w, "nome", QStringLiteral("Palestra dell'Olmo"));
    scrivi(*w, "responsabile", QStringLiteral("Gino"));
    clic(*w, "cmdOK");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(campo("nome"), QStringLiteral("Palestra dell`Olmo"));
    EXPECT_EQ(campo("responsabile"), QStringLiteral("Gino"));
}

TEST_F(Personalizza, ApplicaSalvaEResta_AnnullaNonSalva) {
    palestra(QStringLiteral("Vecchia"), QString());
    auto w = apri();
    EXPECT_EQ(trova<QLineEdit>(*w, "nome")->text(), QStringLiteral("Vecchia"));
    scrivi(*w, "nome", QStringLiteral("Nuova"));
    clic(*w, "cmdApply");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(campo("nome"), QStringLiteral("Nuova"));
    scrivi(*w, "nome", QStringLiteral("Scartata"));
    clic(*w, "cmdCancel");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(campo("nome"), QStringLiteral("Nuova"));
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Personalizza, NomeRegistratoConAccentoGraveMostratoConApostrofo) {
    palestra(QStringLiteral("Palestra L`Olimpo"), QString());
    auto w = apri();
    EXPECT_EQ(trova<QLineEdit>(*w, "nome")->text(), QStringLiteral("Palestra L'Olimpo"));
    clic(*w, "cmdOK");
    EXPECT_EQ(campo("nome"), QStringLiteral("Palestra L`Olimpo"));
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Personalizza, LogoGiaNelleImmaginiNonVieneCopiato) {
    DialoghiInstallati dialoghi;
    const QString logo = immagine(immagini() + QStringLiteral("/Logo.JPG"), Qt::red);
    const QDateTime prima = QFileInfo(logo).lastModified();
    dialoghi->fileScelto = logo;
    auto w = apri();
    messaggi().mostrati.clear();
    clic(*w, "cmdApriIMG");
    EXPECT_EQ(QDir::cleanPath(dialoghi->cartellaProposta), QDir::cleanPath(immagini()));
    EXPECT_EQ(QFileInfo(logo).lastModified(), prima);
    EXPECT_EQ(QDir(immagini()).entryList(QDir::Files), QStringList{QStringLiteral("Logo.JPG")});
    EXPECT_TRUE(w->logoCaricato());
    EXPECT_FALSE(trova<QLabel>(*w, "noImage")->isVisible());
    // Fitted into its 160-pixel box keeping its proportions.
    const QLabel* img = trova<QLabel>(*w, "logo");
    EXPECT_EQ(img->width(), 160);
    EXPECT_EQ(img->height(), 80);
    clic(*w, "cmdOK");
    EXPECT_EQ(QDir::cleanPath(campo("logo")), QDir::cleanPath(logo));
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Personalizza, LogoDaAltraCartellaSostituisceQuelloConLoStessoNome) {
    DialoghiInstallati dialoghi;
    immagine(immagini() + QStringLiteral("/logo.jpg"), Qt::red);
    const QString altro = immagine(cartella() + QStringLiteral("/altrove/logo.jpg"), Qt::green, 100, 200);
    dialoghi->fileScelto = altro;
    auto w = apri();
    messaggi().mostrati.clear();
    clic(*w, "cmdApriIMG");
    const QImage copiato(immagini() + QStringLiteral("/logo.jpg"));
    EXPECT_EQ(copiato.size(), QSize(100, 200));
    EXPECT_EQ(QDir(immagini()).entryList(QDir::Files), QStringList{QStringLiteral("logo.jpg")});
    EXPECT_EQ(QDir::cleanPath(w->percorsoLogo()), QDir::cleanPath(immagini() + QStringLiteral("/logo.jpg")));
    // Nothing is stored before OK or Applica.
    EXPECT_EQ(campo("logo"), QString());
    clic(*w, "cmdApply");
    EXPECT_EQ(QDir::cleanPath(campo("logo")), QDir::cleanPath(immagini() + QStringLiteral("/logo.jpg")));
}

TEST_F(Personalizza, FileDialogAnnullatoNonCambiaNulla) {
    DialoghiInstallati dialoghi;
    const QString logo = immagine(immagini() + QStringLiteral("/logo.jpg"), Qt::red);
    palestra(QStringLiteral("Sole"), logo);
    auto w = apri();
    dialoghi->fileScelto.clear();
    clic(*w, "cmdApriIMG");
    EXPECT_EQ(w->percorsoLogo(), logo);
    EXPECT_TRUE(w->logoCaricato());
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Personalizza, LogoSparitoSiApreESalvaComunque) {
    palestra(QStringLiteral("Sole"), cartella() + QStringLiteral("/images/spostato.jpg"));
    auto w = apri();
    EXPECT_TRUE(messaggi().testi().isEmpty());
    EXPECT_TRUE(trova<QLabel>(*w, "noImage")->isVisible());
    EXPECT_FALSE(w->logoCaricato());
    scrivi(*w, "nome", QStringLiteral("Luna"));
    clic(*w, "cmdOK");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(campo("nome"), QStringLiteral("Luna"));
    EXPECT_EQ(campo("logo"), cartella() + QStringLiteral("/images/spostato.jpg"));
}

TEST_F(Personalizza, LogoNonCopiabileAvvisaENonCambiaNulla) {
    DialoghiInstallati dialoghi;
    // A file where the images folder should be: nothing can be copied into it.
    QFile blocco(immagini());
    ASSERT_TRUE(blocco.open(QIODevice::WriteOnly));
    blocco.close();
    dialoghi->fileScelto = immagine(cartella() + QStringLiteral("/altrove/logo.jpg"), Qt::green);
    palestra(QStringLiteral("Sole"), QString());
    auto w = apri();
    clic(*w, "cmdApriIMG");
    ASSERT_EQ(messaggi().testi().size(), 1);
    EXPECT_TRUE(messaggi().testi()[0].startsWith(
        QStringLiteral("Impossibile copiare il logo nella cartella delle immagini del programma")));
    EXPECT_EQ(w->percorsoLogo(), QString());
    EXPECT_FALSE(w->logoCaricato());
}

TEST_F(Personalizza, FileCheNonEUnImmagineRifiutato) {
    DialoghiInstallati dialoghi;
    const QString falso = cartella() + QStringLiteral("/altrove/logo.jpg");
    QDir().mkpath(cartella() + QStringLiteral("/altrove"));
    QFile f(falso);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("non un'immagine");
    f.close();
    dialoghi->fileScelto = falso;
    palestra(QStringLiteral("Sole"), QString());
    auto w = apri();
    clic(*w, "cmdApriIMG");
    ASSERT_EQ(messaggi().testi().size(), 1);
    EXPECT_TRUE(
        messaggi().testi()[0].startsWith(QStringLiteral("Il file scelto non è un'immagine leggibile")));
    EXPECT_FALSE(QFileInfo::exists(immagini() + QStringLiteral("/logo.jpg")));
}

} // namespace

namespace {

TEST_F(Personalizza, LogoConApostrofoNelNomeNominaAncoraIlSuoFile) {
    DialoghiInstallati dialoghi;
    dialoghi->fileScelto = immagine(cartella() + QStringLiteral("/altrove/l'olmo.jpg"), Qt::green);
    auto w = apri();
    messaggi().mostrati.clear();
    clic(*w, "cmdApriIMG");
    clic(*w, "cmdOK");
    EXPECT_TRUE(messaggi().testi().isEmpty());
    const QString salvato = campo("logo");
    EXPECT_TRUE(salvato.endsWith(QStringLiteral("/images/l'olmo.jpg"))) << salvato.toStdString();
    EXPECT_TRUE(QFileInfo::exists(salvato));
    // Opened again, the window shows it.
    auto di_nuovo = apri();
    EXPECT_TRUE(di_nuovo->logoCaricato());
}

// The platform-time limit: off by default, typed in minutes, stored only with Applica or OK, and a
// value the box cannot show (seconds set elsewhere) kept as it was while the user leaves it alone.
TEST_F(Personalizza, LimiteSullaPedanaFacoltativo) {
    palestra(QStringLiteral("Vibra"), QString());
    auto limite = [this] {
        return contaDiretto(QStringLiteral("SELECT coalesce(max(CAST(valore AS INTEGER)), 0) FROM "
                                           "Parametri WHERE parametro = 'LIMITE_TEMPO_PEDANA'"));
    };
    {
        auto w = apri();
        auto* attivo = trova<QCheckBox>(*w, "chkLimitePedana");
        auto* minuti = trova<QSpinBox>(*w, "txtLimitePedana");
        EXPECT_FALSE(attivo->isChecked());
        EXPECT_FALSE(minuti->isEnabled());
        // Alt+L reaches the box from the keyboard.
        QTest::keyClick(w.get(), Qt::Key_L, Qt::AltModifier);
        EXPECT_TRUE(attivo->hasFocus());
        QTest::keyClick(attivo, Qt::Key_Space);
        ASSERT_TRUE(attivo->isChecked());
        EXPECT_TRUE(minuti->isEnabled());
        minuti->setFocus();
        minuti->selectAll();
        QTest::keyClicks(minuti, QStringLiteral("999")); // beyond the box's range: never stored
        EXPECT_LE(minuti->value(), 240);
        minuti->selectAll();
        QTest::keyClicks(minuti, QStringLiteral("12"));
        EXPECT_EQ(limite(), 0); // nothing stored before Applica
        clic(*w, "cmdApply");
        EXPECT_EQ(limite(), 720);
        clic(*w, "cmdCancel");
    }
    eseguiDiretto(
        QStringLiteral("UPDATE Parametri SET valore = '75' WHERE parametro = 'LIMITE_TEMPO_PEDANA'"));
    {
        auto w = apri();
        EXPECT_TRUE(trova<QCheckBox>(*w, "chkLimitePedana")->isChecked());
        EXPECT_EQ(trova<QSpinBox>(*w, "txtLimitePedana")->value(), 2);
        clic(*w, "cmdApply");
        EXPECT_EQ(limite(), 75);
        QTest::mouseClick(trova<QCheckBox>(*w, "chkLimitePedana"), Qt::LeftButton);
        clic(*w, "cmdOK");
        EXPECT_EQ(limite(), 0);
    }
    auto w = apri();
    EXPECT_FALSE(trova<QCheckBox>(*w, "chkLimitePedana")->isChecked());
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join(QLatin1Char('|')).toStdString();
}

} // namespace
