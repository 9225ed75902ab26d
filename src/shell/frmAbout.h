#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;
namespace Ui {
class frmAbout;
}

// The about box: title, version, description and the maker's links; "System Info" shows the
// program's own system information window.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* genitore = nullptr);
    ~frmAbout() override;

    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QLabel* lblLink;
    QLabel* lblLinkEmailAuthor;
    QLabel* Image1;
    QLabel* Image2;
    QFrame* Line1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

    // Shows the system information window, modal (tests replace it).
    static std::function<void(QWidget* genitore)> apriInformazioniSistema;
    // Opens a link with the desktop's browser or mail program; false when none could (tests replace it).
    static std::function<bool(const QString& indirizzo)> apriCollegamento;

public slots:
    void StartSysInfo();
    // A link of the box was clicked: opens it, or says that nothing on this computer can.
    void apriLink(const QString& indirizzo);

private:
    std::unique_ptr<Ui::frmAbout> ui_;
};

// The system information window: operating system, Qt, screen, program folder, database and its counts.
class InformazioniSistema : public QDialog {
    Q_OBJECT
public:
    explicit InformazioniSistema(QWidget* genitore = nullptr);
};
