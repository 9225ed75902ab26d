#pragma once

#include <QDialog>
#include <QString>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SelettoreData;
class utente;
namespace Ui {
class UtentiNuovo;
}

// "UTENTE": enters a new athlete or changes one's personal data. Modal, opened from the athlete list.
class UtentiNuovo : public QDialog {
    Q_OBJECT
public:
    explicit UtentiNuovo(QWidget* parent = nullptr);
    ~UtentiNuovo() override;

    // The athlete to edit as decimal text; "0" or empty for a new one.
    QString Tag;
    // The name of the window that opened this one; "UtentiSelezione" has its list refreshed after a save.
    QString parent;

    QLineEdit* txtCognome() const { return txtCognome_; }
    QLineEdit* txtNome() const { return txtNome_; }
    SelettoreData* txtDataNascita() const { return txtDataNascita_; }
    QRadioButton* optM() const { return optM_; }
    QRadioButton* optF() const { return optF_; }
    QPlainTextEdit* txtNote() const { return txtNote_; }
    QPushButton* CmdSave() const { return CmdSave_; }
    QPushButton* cmdAnnulla() const { return cmdAnnulla_; }

    void CmdSave_Click();
    void cmdAnnulla_Click();

protected:
    void showEvent(QShowEvent* evento) override;
    void done(int risultato) override;

private:
    void Form_Activate();
    utente& record();

    QLineEdit* txtCognome_ = nullptr;
    QLineEdit* txtNome_ = nullptr;
    SelettoreData* txtDataNascita_ = nullptr;
    QRadioButton* optM_ = nullptr;
    QRadioButton* optF_ = nullptr;
    QPlainTextEdit* txtNote_ = nullptr;
    QPushButton* cmdAnnulla_ = nullptr;
    QPushButton* CmdSave_ = nullptr;
    std::unique_ptr<Ui::UtentiNuovo> ui_;
    std::unique_ptr<utente> utente_;
    bool caricato_ = false;
};
