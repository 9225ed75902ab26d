#pragma once

#include "shell/ListaImmagini.h"

#include <QMainWindow>
#include <QPixmap>
#include <memory>

class BarraStrumenti;
class MenuDisegnato;
class QLabel;
namespace Ui {
class Principale;
}

// The main window: menus, toolbar and the product logo. Every task starts here; closing it ends the
// program.
class Principale : public QMainWindow {
    Q_OBJECT
public:
    explicit Principale(QWidget* genitore = nullptr);
    ~Principale() override;

    void nascondi();
    void mostra();

    BarraStrumenti* Toolbar1;
    ListaImmagini imgListMenu0{QSize(24, 24)};
    ListaImmagini imgListMenu1{QSize(24, 24)};
    ListaImmagini ImageList_OwnerMenu{QSize(16, 16)};
    QPixmap Picture1; // the side-bar bitmap of the menus
    QLabel* logoVibrana;

    MenuDisegnato* mnuZDF;
    QAction* mnuZDFPersonalizza;
    QAction* mnuZDFRipristina;
    QAction* sep0;
    QAction* mnuZDFEsci;
    MenuDisegnato* mnuUtenti;
    QAction* mnuUtentiGestione;
    MenuDisegnato* mnuSchede;
    QAction* mnuSchedeNuova;
    QAction* mnuSchedeApri;
    QAction* mnuSchedeInScadenza;
    QAction* sep4;
    QAction* mnuSchedeDaModello;
    QAction* mnuSchedeGestioneModello;
    QAction* sep5;
    QAction* mnuSchedeCosaNonFare;
    MenuDisegnato* mnuHelp;
    QAction* mnuHelpHelp;
    QAction* sep88;
    QAction* mnuHelpManuale;
    QAction* sep9;
    QAction* mnuHelpAbout;

    // Enables the commands whose windows are registered (see Finestre).
    void aggiornaComandi();

public slots:
    void mnuSchedeNuova_Click();
    void mnuSchedeApri_Click();
    void mnuSchedeInScadenza_Click();
    void mnuSchedeDaModello_Click();
    void mnuSchedeGestioneModello_Click();
    void mnuUtentiGestione_Click();
    void mnuSchedeCosaNonFare_Click();
    void mnuZDFPersonalizza_Click();
    void mnuZDFRipristina_Click();
    void mnuZDFEsci_Click();
    void mnuHelpHelp_Click();
    void mnuHelpManuale_Click();
    void mnuHelpAbout_Click();
    void Toolbar1_ButtonClick(QAction* Button);
    // The command of a toolbar key, compared in lower case; an unknown key does nothing.
    void Toolbar1_ButtonClickChiave(const QString& chiave);

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Form_Load();
    void Form_Unload();
    void creaMenu();
    void creaBarra();
    void preparaMenu();
    void disponiLogo();
    void apriEditoreScheda();

    std::unique_ptr<Ui::Principale> ui_;
    QPixmap logoOriginale_;
    bool scaricata_ = false;
};

// The main window's one shared instance: created (loaded, not shown) on first use, and created afresh
// after it has been closed.
Principale& principale();
// The instance when it is loaded, else nullptr.
Principale* principaleCaricata();
