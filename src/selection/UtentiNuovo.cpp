#include "selection/UtentiNuovo.h"

#include "base/Messaggi.h"
#include "base/Twips.h"
#include "records/utente.h"
#include "selection/SelettoreData.h"
#include "selection/UtentiSelezione.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
QLabel* etichetta(QWidget* genitore, const QString& nome, const QString& testo) {
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    return l;
}
} // namespace

UtentiNuovo::UtentiNuovo(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("UtentiNuovo"));
    setWindowTitle(QStringLiteral("UTENTE"));

    // The designed arrangement (labels left, fields right, sex beside the date, notes under a line,
    // buttons bottom right), laid out so that it fits whatever font is in use.
    auto* l2 = etichetta(this, QStringLiteral("Label2"), QStringLiteral("&Cognome"));
    txtCognome_ = new QLineEdit(this);
    txtCognome_->setObjectName(QStringLiteral("txtCognome"));
    l2->setBuddy(txtCognome_);

    auto* l1 = etichetta(this, QStringLiteral("Label1"), QStringLiteral("&Nome"));
    txtNome_ = new QLineEdit(this);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    l1->setBuddy(txtNome_);

    auto* l3 = etichetta(this, QStringLiteral("Label3"), QStringLiteral("&Data di Nascita"));
    txtDataNascita_ = new SelettoreData(this);
    txtDataNascita_->setObjectName(QStringLiteral("txtDataNascita"));
    txtDataNascita_->setIntervallo(QDate(1601, 1, 1), QDate(9999, 12, 31));
    txtDataNascita_->setData(QDate(2004, 1, 28));
    txtDataNascita_->setNomeCampo(QStringLiteral("Data di Nascita"));
    l3->setBuddy(txtDataNascita_);

    auto* l13 = etichetta(this, QStringLiteral("Label13"), QStringLiteral("Sesso:"));
    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    optM_ = new QRadioButton(QStringLiteral("&M"), Frame1);
    optM_->setObjectName(QStringLiteral("optM"));
    optF_ = new QRadioButton(QStringLiteral("&F"), Frame1);
    optF_->setObjectName(QStringLiteral("optF"));
    auto* sesso = new QHBoxLayout(Frame1);
    sesso->setContentsMargins(0, 0, 0, 0);
    sesso->addWidget(optM_);
    sesso->addWidget(optF_);
    auto* gruppo = new QButtonGroup(this);
    gruppo->addButton(optM_);
    gruppo->addButton(optF_);
    optM_->setChecked(true);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    auto* l4 = etichetta(this, QStringLiteral("Label4"), QStringLiteral("N&ote:"));
    l4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtNote_ = new QPlainTextEdit(this);
    txtNote_->setObjectName(QStringLiteral("txtNote"));
    txtNote_->setTabChangesFocus(true);
    txtNote_->setMinimumHeight(twips::aPixel(1245));
    l4->setBuddy(txtNote_);

    cmdAnnulla_ =
        new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-cancel")), QStringLiteral("&Annulla"), this);
    cmdAnnulla_->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdAnnulla_->setToolTip(QStringLiteral("Annulla l'operazione"));
    // Cancelling needs no valid date.
    cmdAnnulla_->setProperty("controllaDati", false);
    CmdSave_ =
        new QPushButton(QIcon::fromTheme(QStringLiteral("document-save")), QStringLiteral("&Salva"), this);
    CmdSave_->setObjectName(QStringLiteral("CmdSave"));
    CmdSave_->setToolTip(QStringLiteral("Salva l'utente corrente"));
    CmdSave_->setDefault(true);
    for (QPushButton* b : {cmdAnnulla_, CmdSave_})
        b->setMinimumSize(twips::aPixel(915) + 16, twips::aPixel(705) - 12);

    auto* griglia = new QGridLayout(this);
    griglia->setContentsMargins(twips::aPixel(120), twips::aPixel(120), twips::aPixel(105),
                                twips::aPixel(105));
    // Column 4 only takes what a wide window gives, so the sex stays beside the date.
    griglia->addWidget(l2, 0, 0);
    griglia->addWidget(txtCognome_, 0, 1, 1, 4);
    griglia->addWidget(l1, 1, 0);
    griglia->addWidget(txtNome_, 1, 1, 1, 4);
    griglia->addWidget(l3, 2, 0);
    griglia->addWidget(txtDataNascita_, 2, 1);
    griglia->addWidget(l13, 2, 2, Qt::AlignRight);
    griglia->addWidget(Frame1, 2, 3);
    griglia->addWidget(Line1, 3, 0, 1, 5);
    griglia->addWidget(l4, 4, 0);
    griglia->addWidget(txtNote_, 4, 1, 1, 4);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(cmdAnnulla_);
    pulsanti->addWidget(CmdSave_);
    griglia->addLayout(pulsanti, 5, 0, 1, 5);
    griglia->setColumnStretch(4, 1);
    griglia->setRowStretch(4, 1);
    // Names get room for long ones, no more; only the notes take what a wide window gives.
    const int nomeLungo = txtCognome_->fontMetrics().averageCharWidth() * 40;
    for (QLineEdit* campo : {txtCognome_, txtNome_})
        campo->setMaximumWidth(qMax(twips::aPixel(3375), nomeLungo));
    resize(qMax(twips::aPixel(5040), sizeHint().width()), qMax(twips::aPixel(3330), sizeHint().height()));

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
    if (txtCognome_->text().isEmpty() || txtNome_->text().isEmpty() || txtDataNascita_->isVuota()) {
        mostraMessaggio(QStringLiteral("Mancano alcuni dati essenziali!"), TipoMessaggio::Errore,
                        Pulsanti::OK);
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
