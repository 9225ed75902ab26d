#include "editor/SchedaIntestazione.h"
#include "ui_SchedaIntestazione.h"

#include "base/Orologio.h"
#include "base/Twips.h"
#include "editor/CancelloEditor.h"
#include "editor/ControlliEditor.h"
#include "editor/GGAllenHELPER.h"
#include "pictures/FinestraFiglia.h"
#include "records/Categorie.h"
#include "records/RegoleScheda.h"
#include "records/scheda.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <utility>

namespace {

const QString formatoData = QStringLiteral("dd/MM/yyyy");

// The card's text of a date; empty for no date.
QString testoData(const QDate& d) {
    return d.isValid() ? d.toString(formatoData) : QString();
}

// A date still being typed keeps the last whole one; a field that may be empty and is, is no date.
bool scrivibile(const SelettoreData* campo, const QDate& d) {
    return d.isValid() || (campo->isVuota() && campo->isAccettabile());
}

const char* const vociGiorni[] = {"Giornaliero", "Nessuno", "Lunedi", "Martedi", "Mercoledi",
                                  "Giovedi",     "Venerdi", "Sabato", "Domenica"};

class ListaGiorni : public ListaSpunte {
public:
    explicit ListaGiorni(QListWidget* l) : lista_(l) {}
    int numeroVoci() const override { return lista_->count(); }
    bool spuntata(int i) const override { return lista_->item(i)->checkState() == Qt::Checked; }
    void spunta(int i, bool v) override { lista_->item(i)->setCheckState(v ? Qt::Checked : Qt::Unchecked); }

private:
    QListWidget* lista_;
};

} // namespace

SchedaIntestazione::SchedaIntestazione(scheda& card, const QString& atleta, QWidget* genitore)
    : QWidget(genitore), ui(std::make_unique<Ui::SchedaIntestazione>()), card_(card) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("SchedaIntestazione"));
    FinestraFiglia::mantieniDimensione(this, [] { return QSize(twips::aPixel(6300), twips::aPixel(3405)); });

    // The day list opens over the fields above the prompt, like a drop-down.
    ui->griglia->removeWidget(ui->GGAllen);
    ui->GGAllen->setParent(ui->Frame1);
    ui->GGAllen->hide();
    ui->GGAllen->setStyleSheet(QStringLiteral("QListWidget { background: #d4d0c8; }"));
    for (const char* voce : vociGiorni) {
        auto* item = new QListWidgetItem(QString::fromLatin1(voce), ui->GGAllen);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    ui->GGAllen->installEventFilter(this);
    ui->Text1->setCursorPosition(0);

    // The fields take what the labels leave of the designed width; the prompt shows its text whole.
    ui->griglia->setColumnStretch(1, 1);
    ui->Text1->setMinimumWidth(ui->Text1->fontMetrics().horizontalAdvance(ui->Text1->text()) + 12);
    controlliEditor::altezzeDisegnate(this);

    // The dates check themselves when left; which of them may stay empty the card tells at load.
    ui->dal->setNomeCampo(QStringLiteral("Dal"));
    ui->al->setNomeCampo(QStringLiteral("Al"));
    controlli_.aggiungiElenco(ui->categoria);
    for (SelettoreData* data : {ui->dal, ui->al}) {
        controlli_.aggiungiPerComandi(
            data, [data] { return data->errore(); }, TipoMessaggio::Avviso);
    }
    controlli_.aggiungiElenco(ui->FreqAllen);
    for (QWidget* w : {static_cast<QWidget*>(ui->categoria), static_cast<QWidget*>(ui->dal->campo()),
                       static_cast<QWidget*>(ui->Obiettivo), static_cast<QWidget*>(ui->Istruttore),
                       static_cast<QWidget*>(ui->note)})
        w->installEventFilter(this);

    Form_Load(atleta);
    for (CampoTesta c : {CampoTesta::Istruttore, CampoTesta::Obiettivo, CampoTesta::Note, CampoTesta::Dal,
                         CampoTesta::Al, CampoTesta::Categoria, CampoTesta::Frequenza, CampoTesta::Giorni})
        accettati_[c] = valoreTesta(card_, c);

    connect(ui->Istruttore, &QLineEdit::textChanged, this,
            [this](const QString& t) { cambia(CampoTesta::Istruttore, [&] { card_.Istruttore = t; }); });
    connect(ui->Obiettivo, &QLineEdit::textChanged, this,
            [this](const QString& t) { cambia(CampoTesta::Obiettivo, [&] { card_.Obiettivo = t; }); });
    connect(ui->note, &QPlainTextEdit::textChanged, this,
            [this] { cambia(CampoTesta::Note, [this] { card_.note = ui->note->toPlainText(); }); });
    connect(ui->dal, &SelettoreData::dataCambiata, this, [this](const QDate& d) {
        if (!scrivibile(ui->dal, d))
            return;
        cambia(CampoTesta::Dal, [&] { card_.PeriodoDal = testoData(d); });
    });
    connect(ui->al, &SelettoreData::dataCambiata, this, [this](const QDate& d) {
        if (!scrivibile(ui->al, d))
            return;
        cambia(CampoTesta::Al, [&] { card_.PeriodoAl = testoData(d); });
    });
    connect(ui->categoria, &QComboBox::activated, this, [this] {
        cambia(CampoTesta::Categoria, [this] { card_.categoria = ui->categoria->currentText(); });
    });
    connect(ui->FreqAllen, &QComboBox::currentTextChanged, this, &SchedaIntestazione::FreqAllen_Change);
    connect(ui->apriGGAllen, &QToolButton::clicked, this, &SchedaIntestazione::apriGGAllen_Click);
    connect(ui->GGAllen, &QListWidget::itemChanged, this, &SchedaIntestazione::GGAllen_ItemChanged);
}

SchedaIntestazione::~SchedaIntestazione() = default;

void SchedaIntestazione::modificata() {
    if (!caricamento_)
        card_.isSaved = false;
}

void SchedaIntestazione::cambia(CampoTesta campo, const std::function<void()>& scrivi) {
    // A choice made again (the category box confirms its entry when left) changes nothing.
    const QString primaDi = valoreTesta(card_, campo);
    scrivi();
    if (valoreTesta(card_, campo) != primaDi)
        modificata();
    if (caricamento_)
        return;
    if (QWidget* box = controllato(campo); box && controlli_.rifiutoDi(box))
        return;
    const QString dopo = valoreTesta(card_, campo);
    const QString prima = std::exchange(accettati_[campo], dopo);
    if (dopo != prima)
        emit campoModificato(campo, prima, dopo);
}

QWidget* SchedaIntestazione::controllato(CampoTesta campo) const {
    switch (campo) {
    case CampoTesta::Categoria:
        return ui->categoria;
    case CampoTesta::Frequenza:
        return ui->FreqAllen;
    case CampoTesta::Dal:
        return ui->dal;
    case CampoTesta::Al:
        return ui->al;
    default:
        return nullptr;
    }
}

void SchedaIntestazione::mostraCampo(CampoTesta campo) {
    const scheda& s = card_;
    caricamento_ = true;
    switch (campo) {
    case CampoTesta::Istruttore:
        ui->Istruttore->setText(s.Istruttore);
        ui->Istruttore->setCursorPosition(0);
        break;
    case CampoTesta::Obiettivo:
        ui->Obiettivo->setText(s.Obiettivo);
        ui->Obiettivo->setCursorPosition(0);
        break;
    case CampoTesta::Note:
        ui->note->setPlainText(s.note);
        break;
    case CampoTesta::Dal:
        ui->dal->setData(QDate::fromString(s.PeriodoDal, formatoData));
        break;
    case CampoTesta::Al:
        ui->al->setData(QDate::fromString(s.PeriodoAl, formatoData));
        break;
    case CampoTesta::Categoria:
        ui->categoria->setEditText(s.categoria);
        break;
    case CampoTesta::Frequenza:
        ui->FreqAllen->setEditText(QString::number(static_cast<int>(s.FreqAllen)));
        break;
    case CampoTesta::Giorni: {
        // Setting the flags ticks entries only: the list starts from none ticked.
        for (int i = 0; i < ui->GGAllen->count(); ++i)
            ui->GGAllen->item(i)->setCheckState(Qt::Unchecked);
        ListaGiorni giorni(ui->GGAllen);
        GGAllenHELPER::impostaGiorni(s.GGAllen, giorni);
        break;
    }
    case CampoTesta::Descrizione:
        break;
    }
    caricamento_ = false;
    accettati_[campo] = valoreTesta(card_, campo);
}

void SchedaIntestazione::Form_Load(const QString& atleta) {
    scheda& s = card_;
    caricamento_ = true;
    ui->utente->setText(atleta);
    Categorie().fillcategorie(*ui->categoria);
    ui->Istruttore->setText(s.Istruttore);
    ui->categoria->setEditText(s.categoria);
    ui->Obiettivo->setText(s.Obiettivo);
    // setText leaves the cursor at the end, which scrolls a long text to its tail.
    ui->Istruttore->setCursorPosition(0);
    ui->Obiettivo->setCursorPosition(0);
    ui->FreqAllen->setEditText(QString::number(static_cast<int>(s.FreqAllen)));
    {
        ListaGiorni giorni(ui->GGAllen);
        GGAllenHELPER::impostaGiorni(s.GGAllen, giorni);
    }
    ui->note->setPlainText(s.note);

    // The defaults of a new card are written into it as if the user had chosen them. A stored card
    // without a period shows none and keeps none: no date is made up for it.
    const bool nuova = s.id_scheda == 0;
    const QDate dal = QDate::fromString(s.PeriodoDal, formatoData);
    if (dal.isValid() || !nuova) {
        ui->dal->setData(dal);
    } else {
        ui->dal->setData(oggi());
        s.PeriodoDal = oggi().toString(formatoData);
        s.isSaved = false;
    }
    const QDate al = QDate::fromString(s.PeriodoAl, formatoData);
    if (al.isValid() || !nuova) {
        ui->al->setData(al);
    } else {
        ui->al->setData(oggi().addDays(21));
        s.PeriodoAl = oggi().addDays(21).toString(formatoData);
        s.isSaved = false;
    }
    caricamento_ = false;
    // A date the card has may be changed, not taken away; one it never had may stay empty.
    ui->dal->setObbligatoria(nuova || dal.isValid());
    ui->al->setObbligatoria(nuova || al.isValid());
    if (static_cast<int>(s.FreqAllen) == 0) {
        ui->FreqAllen->setEditText(QStringLiteral("3"));
        s.FreqAllen = 3;
        s.isSaved = false;
    }
    if (ui->categoria->currentText().isEmpty() && ui->categoria->count() > 1) {
        ui->categoria->setCurrentIndex(1);
        s.categoria = ui->categoria->currentText();
        s.isSaved = false;
    }
}

void SchedaIntestazione::FreqAllen_Change(const QString& testo) {
    // Only an entry of the list reaches the card; anything else waits, refused, in the box.
    if (!regoleScheda::elenco(regoleScheda::Campo::frequenzaSettimanale).contains(testo))
        return;
    cambia(CampoTesta::Frequenza, [&] { card_.FreqAllen = testo.toInt(); });
}

void SchedaIntestazione::nascondiTutto() {
    ui->GGAllen->hide();
}

void SchedaIntestazione::apriGGAllen_Click() {
    if (ui->GGAllen->isVisible()) {
        ui->GGAllen->hide();
        ui->apriGGAllen->setFocus();
        return;
    }
    const QRect prompt = ui->Text1->geometry().united(ui->apriGGAllen->geometry());
    const QPoint inFrame = ui->Text1->parentWidget()->mapTo(ui->Frame1, prompt.topLeft());
    const int righe = ui->GGAllen->count();
    const int altezza = ui->GGAllen->sizeHintForRow(0) * righe + 2 * ui->GGAllen->frameWidth() + 2;
    const int alto = qMax(0, inFrame.y() - altezza);
    ui->GGAllen->setGeometry(inFrame.x(), alto, qMax(prompt.width(), twips::aPixel(1845)),
                             qMin(altezza, inFrame.y() - alto + prompt.height()));
    ui->GGAllen->show();
    ui->GGAllen->raise();
    ui->GGAllen->setFocus();
    if (!ui->GGAllen->currentItem())
        ui->GGAllen->setCurrentRow(0);
}

void SchedaIntestazione::GGAllen_ItemChanged() {
    if (caricamento_)
        return;
    const ListaGiorni giorni(ui->GGAllen);
    cambia(CampoTesta::Giorni, [&] { card_.GGAllen = GGAllenHELPER::leggiGiorni(giorni); });
}

bool SchedaIntestazione::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == ui->GGAllen && evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Escape || tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            apriGGAllen_Click();
            return true;
        }
    } else if (oggetto == ui->GGAllen && evento->type() == QEvent::FocusOut) {
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo == Qt::TabFocusReason || motivo == Qt::BacktabFocusReason)
            nascondiTutto();
    } else if (evento->type() == QEvent::FocusIn && oggetto != ui->GGAllen) {
        nascondiTutto();
    }
    return QWidget::eventFilter(oggetto, evento);
}

void SchedaIntestazione::closeEvent(QCloseEvent* e) {
    if (!puoiChiudereEditor()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
