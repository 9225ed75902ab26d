#include "selection/UtentiNuovo.h"

#include "records/utente.h"
#include "selection/SelettoreData.h"
#include "selection/UtentiSelezione.h"
#include "shell/Messaggi.h"
#include "shell/Twips.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
QLabel* etichetta(QWidget* genitore, const QString& nome, const QString& testo, QRect dove) {
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    l->setGeometry(dove);
    return l;
}
} // namespace

UtentiNuovo::UtentiNuovo(QWidget* genitore) : QDialog(genitore) {
    using twips::rettangolo;
    setObjectName(QStringLiteral("UtentiNuovo"));
    setWindowTitle(QStringLiteral("UTENTE"));
    setFixedSize(twips::aPixel(5040), twips::aPixel(3330));

    auto* l2 = etichetta(this, QStringLiteral("Label2"), QStringLiteral("&Cognome"),
                         rettangolo(120, 120, 1335, 255));
    txtCognome_ = new QLineEdit(this);
    txtCognome_->setObjectName(QStringLiteral("txtCognome"));
    txtCognome_->setGeometry(rettangolo(1560, 100, 3375, 330));
    l2->setBuddy(txtCognome_);

    auto* l1 =
        etichetta(this, QStringLiteral("Label1"), QStringLiteral("&Nome"), rettangolo(120, 480, 1335, 255));
    txtNome_ = new QLineEdit(this);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    txtNome_->setGeometry(rettangolo(1560, 460, 3375, 330));
    l1->setBuddy(txtNome_);

    auto* l3 = etichetta(this, QStringLiteral("Label3"), QStringLiteral("&Data di Nascita"),
                         rettangolo(120, 870, 1435, 255));
    txtDataNascita_ = new SelettoreData(this);
    txtDataNascita_->setObjectName(QStringLiteral("txtDataNascita"));
    txtDataNascita_->setGeometry(rettangolo(1560, 840, 1600, 345));
    txtDataNascita_->setIntervallo(QDate(1601, 1, 1), QDate(9999, 12, 31));
    txtDataNascita_->setData(QDate(2004, 1, 28));
    l3->setBuddy(txtDataNascita_);

    etichetta(this, QStringLiteral("Label13"), QStringLiteral("Sesso:"), rettangolo(3240, 870, 600, 255));
    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(rettangolo(3800, 800, 1135, 375));
    optM_ = new QRadioButton(QStringLiteral("&M"), Frame1);
    optM_->setObjectName(QStringLiteral("optM"));
    optM_->setGeometry(rettangolo(0, 60, 540, 255));
    optF_ = new QRadioButton(QStringLiteral("&F"), Frame1);
    optF_->setObjectName(QStringLiteral("optF"));
    optF_->setGeometry(rettangolo(600, 60, 540, 255));
    auto* gruppo = new QButtonGroup(this);
    gruppo->addButton(optM_);
    gruppo->addButton(optF_);
    optM_->setChecked(true);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(rettangolo(120, 1230, 4800, 30));

    auto* l4 =
        etichetta(this, QStringLiteral("Label4"), QStringLiteral("N&ote:"), rettangolo(120, 1320, 1335, 255));
    txtNote_ = new QPlainTextEdit(this);
    txtNote_->setObjectName(QStringLiteral("txtNote"));
    txtNote_->setGeometry(rettangolo(1560, 1320, 3375, 1245));
    txtNote_->setTabChangesFocus(true);
    l4->setBuddy(txtNote_);

    cmdAnnulla_ =
        new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-cancel")), QStringLiteral("Annulla"), this);
    cmdAnnulla_->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdAnnulla_->setToolTip(QStringLiteral("Annulla l'operazione"));
    cmdAnnulla_->setGeometry(rettangolo(3105 - 300, 2625, 1215, 600));
    CmdSave_ =
        new QPushButton(QIcon::fromTheme(QStringLiteral("document-save")), QStringLiteral("Salva"), this);
    CmdSave_->setObjectName(QStringLiteral("CmdSave"));
    CmdSave_->setToolTip(QStringLiteral("Salva l'utente corrente"));
    CmdSave_->setGeometry(rettangolo(4020 - 300, 2625, 1215, 600));
    CmdSave_->setDefault(true);

    setTabOrder(txtCognome_, txtNome_);
    setTabOrder(txtNome_, txtDataNascita_);
    setTabOrder(txtDataNascita_, optM_);
    setTabOrder(optM_, txtNote_);
    setTabOrder(txtNote_, cmdAnnulla_);
    setTabOrder(cmdAnnulla_, CmdSave_);

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
    txtDataNascita_->setData(u.dataNascita);
    txtNote_->setPlainText(u.note);
    if (u.sesso == QLatin1String("M"))
        optM_->setChecked(true);
    else
        optF_->setChecked(true);
}

void UtentiNuovo::CmdSave_Click() {
    if (txtCognome_->text().isEmpty() || txtNome_->text().isEmpty() || !txtDataNascita_->data().isValid()) {
        mostraMessaggio(QStringLiteral("Mancano alcuni dati essenziali!"), TipoMessaggio::Errore,
                        Pulsanti::OK);
        return;
    }
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
    accept();
    if (parent != QLatin1String("UtentiSelezione"))
        return;
    if (auto* lista = qobject_cast<UtentiSelezione*>(parentWidget())) {
        lista->FillListAtleti();
        if (nuovo != 0)
            lista->selezionaId(nuovo);
    }
}

void UtentiNuovo::cmdAnnulla_Click() {
    reject();
}

void UtentiNuovo::done(int risultato) {
    Tag.clear();
    utente_.reset();
    QDialog::done(risultato);
}
