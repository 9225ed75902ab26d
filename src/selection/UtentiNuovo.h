#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

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

// "UTENTE": enters a new athlete or changes one's personal data. Modal, opened from the athlete list,
// to which it hands back the athlete it stored.
class UtentiNuovo : public QDialog {
    Q_OBJECT
public:
    explicit UtentiNuovo(QWidget* genitore = nullptr);
    ~UtentiNuovo() override;

    // The athlete to edit as decimal text; "0" or empty for a new one.
    QString Tag;

    // Shows the form modally. The athlete stored when it closed with a save (the new identifier of
    // a new one); nothing when it closed without.
    std::optional<std::int32_t> esegui();
    // The athlete stored by the last save of this form; nothing before one.
    std::optional<std::int32_t> atletaSalvato() const { return salvato_; }

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
    std::optional<std::int32_t> salvato_;
    bool caricato_ = false;
};
