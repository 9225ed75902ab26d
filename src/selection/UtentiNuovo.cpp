#include "selection/UtentiNuovo.h"

#include "base/Messaggi.h"
#include "base/Twips.h"
#include "records/utente.h"
#include "selection/SelettoreData.h"

#include "ui_UtentiNuovo.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

UtentiNuovo::UtentiNuovo(QWidget* genitore) : QDialog(genitore), ui_(std::make_unique<Ui::UtentiNuovo>()) {
    // The designed arrangement (labels left, fields right, sex beside the date, notes under a line,
    // buttons bottom right) is the form; what follows needs code.
    ui_->setupUi(this);
    txtCognome_ = ui_->txtCognome;
    txtNome_ = ui_->txtNome;
    txtDataNascita_ = ui_->txtDataNascita;
    optM_ = ui_->optM;
    optF_ = ui_->optF;
    txtNote_ = ui_->txtNote;
    cmdAnnulla_ = ui_->cmdAnnulla;
    CmdSave_ = ui_->CmdSave;

    txtDataNascita_->setIntervallo(QDate(1601, 1, 1), QDate(9999, 12, 31));
    txtDataNascita_->setData(QDate(2004, 1, 28));
    txtDataNascita_->setNomeCampo(QStringLiteral("Data di Nascita"));

    // Column 4 only takes what a wide window gives, so the sex stays beside the date; names get room
    // for long ones, no more.
    ui_->griglia->setColumnStretch(4, 1);
    ui_->griglia->setRowStretch(4, 1);
    const int nomeLungo = txtCognome_->fontMetrics().averageCharWidth() * 40;
    for (QLineEdit* campo : {txtCognome_, txtNome_})
        campo->setMaximumWidth(qMax(twips::aPixel(3375), nomeLungo));
    resize(qMax(twips::aPixel(5040), sizeHint().width()), qMax(twips::aPixel(3330), sizeHint().height()));

    connect(CmdSave_, &QPushButton::clicked, this, [this] { proteggi([this] { CmdSave_Click(); }); });
    connect(cmdAnnulla_, &QPushButton::clicked, this, [this] { cmdAnnulla_Click(); });
}

UtentiNuovo::~UtentiNuovo() = default;

utente& UtentiNuovo::record() {
    if (!utente_)
        utente_ = std::make_unique<utente>();
    return *utente_;
}

void UtentiNuovo::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // Loaded once: coming back from a message box must not throw away what was typed.
    if (!caricato_) {
        caricato_ = true;
        proteggi([this] { Form_Activate(); });
        txtCognome_->setFocus();
    }
}

void UtentiNuovo::Form_Activate() {
    const auto id = static_cast<std::int32_t>(Tag.trimmed().toLong());
    if (id == 0)
        return;
    utente& u = record();
    if (!u.carica(id))
        return;
    txtNome_->setText(u.nome);
    txtCognome_->setText(u.cognome);
    // Show the start of a long name, not its tail.
    txtNome_->setCursorPosition(0);
    txtCognome_->setCursorPosition(0);
    txtDataNascita_->setData(u.dataNascita);
    txtNote_->setPlainText(u.note);
    if (u.sesso == QLatin1String("M"))
        optM_->setChecked(true);
    else
        optF_->setChecked(true);
}

void UtentiNuovo::CmdSave_Click() {
    const QString mancano =
        datiEssenzialiMancanti(txtCognome_->text(), txtNome_->text(), txtDataNascita_->testo());
    if (!mancano.isEmpty()) {
        mostraMessaggio(mancano, TipoMessaggio::Errore, Pulsanti::OK);
        return;
    }
    // A date that is there but impossible is named as such, and the field gets the focus.
    if (!txtDataNascita_->controlla())
        return;
    utente& u = record();
    u.cognome = txtCognome_->text();
    u.nome = txtNome_->text();
    u.dataNascita = txtDataNascita_->data();
    u.note = txtNote_->toPlainText();
    u.sesso = optM_->isChecked() ? QStringLiteral("M") : QStringLiteral("F");
    const std::int32_t nuovo = u.save();
    // A refused save has shown its message; the form stays open with what was typed.
    if (!u.salvato())
        return;
    salvato_ = nuovo != 0 ? nuovo : static_cast<std::int32_t>(Tag.trimmed().toLong());
    accept();
}

std::optional<std::int32_t> UtentiNuovo::esegui() {
    salvato_.reset();
    exec();
    return salvato_;
}

void UtentiNuovo::cmdAnnulla_Click() {
    reject();
}

void UtentiNuovo::done(int risultato) {
    Tag.clear();
    utente_.reset();
    QDialog::done(risultato);
}
