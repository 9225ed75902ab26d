#include "editor/SchedaCorpo.h"
#include "ui_PannelloEsercizio.h"
#include "ui_SchedaCorpo.h"

#include "base/Messaggi.h"
#include "base/Twips.h"
#include "editor/CancelloEditor.h"
#include "editor/ControlliEditor.h"
#include "editor/PannelloEsercizio.h"
#include "pictures/FinestraFiglia.h"
#include "records/LimitiEsercizio.h"
#include "records/RegoleScheda.h"
#include "records/SchedaEditabile.h"
#include "shell/f_library.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>
#include <QSignalBlocker>

namespace {

using limitiEsercizio::Numero;

// A value its field refuses never reaches the exercise, which keeps what it held.
void scriviNumero(ValoreByte& membro, Numero campo, const QString& testo) {
    if (limitiEsercizio::controlla(campo, testo).isEmpty())
        membro = static_cast<int>(limitiEsercizio::leggiNumero(testo));
}

void scriviElenco(QString& membro, QComboBox* box) {
    controlliEditor::correggiMaiuscole(box);
    if (!valoreNonInLista(box))
        membro = box->currentText();
}

QString testoByte(const ValoreByte& v) {
    return QString::number(static_cast<int>(v));
}

} // namespace

SchedaCorpo::SchedaCorpo(SchedaEditabile& card, QWidget* genitore)
    : QWidget(genitore), ui(std::make_unique<Ui::SchedaCorpo>()), card_(card) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("SchedaCorpo"));
    FinestraFiglia::mantieniDimensione(this, [] { return QSize(twips::aPixel(6300), twips::aPixel(5865)); });
    for (int k = 0; k < numPannelli; ++k)
        collegaPannello(k);

    auto* avanti = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    avanti->setContext(Qt::WindowShortcut);
    connect(avanti, &QShortcut::activated, this, [this] { ui->VS->setValue(ui->VS->value() + 1); });
    auto* indietro = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    indietro->setContext(Qt::WindowShortcut);
    connect(indietro, &QShortcut::activated, this, [this] { ui->VS->setValue(ui->VS->value() - 1); });

    Form_Load();
    connect(ui->VS, &QScrollBar::valueChanged, this,
            [this](int v) { proteggi([this, v] { VS_Change(v); }); });
}

SchedaCorpo::~SchedaCorpo() = default;

PannelloEsercizio* SchedaCorpo::pannello(int k) const {
    return k == 0 ? ui->pannello0 : ui->pannello1;
}

void SchedaCorpo::collegaPannello(int k) {
    PannelloEsercizio* p = pannello(k);
    Ui::PannelloEsercizio& c = p->controlli();

    auto numero = [this](QLineEdit* campo, Numero quale) {
        controlliEditor::soloCifre(campo);
        controlli_.aggiungi(campo,
                            [campo, quale] { return limitiEsercizio::controlla(quale, campo->text()); });
    };
    controlli_.aggiungiElenco(c.durata);
    controlli_.aggiungiElenco(c.frequenza);
    controlli_.aggiungiElenco(c.ampiezza);
    numero(c.serie, Numero::serie);
    numero(c.recuperoMin, Numero::recuperoMin);
    numero(c.recuperoSec, Numero::recuperoSec);
    controlli_.aggiungiElenco(c.modalita);

    // Every change of a timing value recounts, so the totals never stay on a value the box no
    // longer shows.
    auto tempi = [this] {
        if (!caricamento_)
            proteggi([this] { riconta(); });
    };
    connect(c.durata, &QComboBox::activated, this, tempi);
    connect(c.durata, &QComboBox::currentTextChanged, this, tempi);
    connect(c.recuperoMin, &QLineEdit::textChanged, this, tempi);
    connect(c.recuperoSec, &QLineEdit::textChanged, this, tempi);
    connect(c.serie, &QLineEdit::textChanged, this, tempi);
    // The other values reach the exercise as they are typed too, so the history sees each change.
    auto scrive = [this] {
        if (!caricamento_)
            proteggi([this] { ScriviDati(); });
    };
    for (QComboBox* box : {c.frequenza, c.ampiezza, c.modalita}) {
        connect(box, &QComboBox::activated, this, [this] { modificata(); });
        connect(box, &QComboBox::currentTextChanged, this, scrive);
    }
    connect(c.peso, &QLineEdit::textChanged, this, [this] { modificata(); });
    connect(c.note, &QPlainTextEdit::textChanged, this, [this] { modificata(); });
    connect(c.noteLibero, &QPlainTextEdit::textChanged, this, [this] { modificata(); });
    connect(c.peso, &QLineEdit::textChanged, this, scrive);
    connect(c.note, &QPlainTextEdit::textChanged, this, scrive);
    connect(c.noteLibero, &QPlainTextEdit::textChanged, this, scrive);

    connect(c.InserisciEsecizio, &QToolButton::clicked, this,
            [this, k] { proteggi([this, k] { emit inserimentoRichiesto(k); }); });
    connect(c.EliminaEsercizio, &QToolButton::clicked, this,
            [this, k] { proteggi([this, k] { emit eliminazioneRichiesta(k); }); });
    // A change of kind is a command: the editor lets it happen only while every field accepts its value.
    connect(c.TipoEsercizio, &QTabBar::currentChanged, this, [this, k] {
        if (!caricamento_)
            proteggi([this, k] { emit tipoRichiesto(k); });
    });
    connect(c.figura, &ImmagineEsercizio::figuraCambiata, this,
            [this, k] { proteggi([this, k] { figura_Drop(k); }); });
}

void SchedaCorpo::modificata() {
    // Filling the panels, on opening or paging, shows the card; it changes nothing of it.
    if (!caricamento_)
        card_.isSaved = false;
}

void SchedaCorpo::riconta() {
    ScriviDati();
    emit tempiCambiati();
    modificata();
}

void SchedaCorpo::Form_Load() {
    valoriPredefiniti();
    primoEsercizio_ = 1;
    if (!card().esercizi.isEmpty())
        caricaPannelli();
    aggiungiPagina();
    caricamento_ = true;
    ui->VS->setMinimum(1);
    ui->VS->setValue(1);
    caricamento_ = false;
    impostaMassimo();
    valoriPredefiniti();
    numeraPannelli();
    sincronizza();
}

void SchedaCorpo::caricaPannelli() {
    for (int k = 0; k < numPannelli; ++k) {
        const long p = primoEsercizio_ + k;
        if (p > card().esercizi.Count())
            return;
        const Esercizio& e = card().esercizi.Item(p);
        Ui::PannelloEsercizio& c = pannello(k)->controlli();
        caricamento_ = true;
        pannello(k)->selezionaTipo(e.isLibero ? QStringLiteral("libero") : QStringLiteral("vibrana"));
        c.durata->setEditText(e.durata);
        c.frequenza->setEditText(e.frequenza);
        c.ampiezza->setEditText(e.ampiezza);
        c.recuperoMin->setText(testoByte(e.recuperoMin));
        c.recuperoSec->setText(testoByte(e.recuperoSec));
        c.modalita->setEditText(e.modalita);
        c.serie->setText(testoByte(e.serie));
        c.peso->setText(e.peso);
        c.peso->setCursorPosition(0); // show the start of a long text, not its tail
        c.note->setPlainText(e.note);
        c.noteLibero->setPlainText(e.note);
        if (e.id_fig != 0)
            c.figura->mostraFigura(e.id_fig);
        else
            c.figura->pulisci();
        caricamento_ = false;
    }
    segnaDifetti();
}

void SchedaCorpo::valoriPredefiniti() {
    caricamento_ = true;
    for (int k = 0; k < numPannelli; ++k) {
        Ui::PannelloEsercizio& c = pannello(k)->controlli();
        for (QComboBox* box : {c.durata, c.frequenza, c.modalita, c.ampiezza})
            if (box->currentText().isEmpty()) {
                box->setCurrentIndex(-1);
                box->setCurrentIndex(0);
            }
        for (QLineEdit* campo : {c.recuperoMin, c.recuperoSec, c.serie})
            if (campo->text().isEmpty())
                campo->setText(QStringLiteral("0"));
        if (c.figura->Tag.isEmpty())
            c.figura->pulisci();
    }
    caricamento_ = false;
}

void SchedaCorpo::aggiungiPagina() {
    const long r = card().esercizi.Count() % numPannelli;
    const long nuovi = r != 0 ? r : numPannelli;
    for (long i = 0; i < nuovi; ++i) {
        Esercizio vuoto;
        vuoto.isModello = card().isModello;
        card().esercizi.Add(std::move(vuoto));
    }
}

void SchedaCorpo::impostaMassimo() {
    const long n = card().esercizi.Count();
    const long pagine = (n + numPannelli - 1) / numPannelli;
    ui->VS->setMaximum(static_cast<int>(pagine + 1));
}

void SchedaCorpo::numeraPannelli() {
    for (int k = 0; k < numPannelli; ++k)
        pannello(k)->controlli().nEsercizio->setText(QString::number(primoEsercizio_ + k));
}

void SchedaCorpo::ScriviDati() {
    scrivi(true);
}

void SchedaCorpo::scrivi(bool registra) {
    for (int k = 0; k < numPannelli; ++k) {
        const long p = primoEsercizio_ + k;
        if (p > card_.esercizi.Count())
            return;
        Esercizio& e = card_.esercizi.Item(p);
        const ValoriEsercizio prima = ValoriEsercizio::di(e);
        Ui::PannelloEsercizio& c = pannello(k)->controlli();
        scriviElenco(e.durata, c.durata);
        scriviElenco(e.frequenza, c.frequenza);
        scriviElenco(e.ampiezza, c.ampiezza);
        scriviElenco(e.modalita, c.modalita);
        e.peso = c.peso->text();
        e.note = c.note->toPlainText();
        scriviNumero(e.recuperoMin, Numero::recuperoMin, c.recuperoMin->text());
        scriviNumero(e.recuperoSec, Numero::recuperoSec, c.recuperoSec->text());
        scriviNumero(e.serie, Numero::serie, c.serie->text());
        e.isLibero = pannello(k)->tipo() == QLatin1String("libero");
        if (e.isLibero)
            e.note = c.noteLibero->toPlainText();
        if (!c.figura->Tag.isEmpty())
            e.id_fig = c.figura->Tag.toInt();
        if (registra) {
            const ValoriEsercizio dopo = ValoriEsercizio::di(e);
            if (!(dopo == prima))
                emit esercizioModificato(p, prima, dopo);
        }
    }
    segnaDifetti();
}

void SchedaCorpo::segnaDifetti() {
    for (int k = 0; k < numPannelli; ++k) {
        const long p = primoEsercizio_ + k;
        std::optional<regoleScheda::Difetto> difetto;
        if (p <= card_.esercizi.Count())
            difetto = regoleScheda::controllaEsercizio(card_.esercizi.Item(p), p);
        QLabel* numero = pannello(k)->controlli().nEsercizio;
        numero->setProperty("difetto", difetto.has_value());
        numero->setStyleSheet(difetto ? QStringLiteral("QLabel { color: #B00000; font-weight: bold; }")
                                      : QString());
        numero->setToolTip(difetto ? QStringLiteral("Da correggere prima di salvare: ") +
                                         regoleScheda::descrivi(*difetto)
                                   : QString());
    }
}

long SchedaCorpo::esercizioConTempiRifiutati() const {
    for (int k = 0; k < numPannelli; ++k) {
        Ui::PannelloEsercizio& c = pannello(k)->controlli();
        if (!c.FrameVibrana->isVisibleTo(this))
            continue;
        const bool rifiutato =
            valoreNonInLista(c.durata) ||
            !limitiEsercizio::controlla(Numero::serie, c.serie->text()).isEmpty() ||
            !limitiEsercizio::controlla(Numero::recuperoMin, c.recuperoMin->text()).isEmpty() ||
            !limitiEsercizio::controlla(Numero::recuperoSec, c.recuperoSec->text()).isEmpty();
        if (rifiutato)
            return primoEsercizio_ + k;
    }
    return 0;
}

void SchedaCorpo::VS_Change(int v) {
    if (!caricamento_) {
        emit paginaRichiesta(v);
        return;
    }
    primoEsercizio_ = v * numPannelli - 1;
}

void SchedaCorpo::restaSullaPagina() {
    // A refused value keeps the page where it is, so it is never carried away unseen.
    const QSignalBlocker fermo(ui->VS);
    ui->VS->setValue((primoEsercizio_ + 1) / numPannelli);
    // An arrow held down stops repeating, so the message comes once.
    ui->VS->setEnabled(false);
    ui->VS->setEnabled(true);
}

void SchedaCorpo::vaiAPagina(int v) {
    ScriviDati();
    primoEsercizio_ = v * numPannelli - 1;
    if (primoEsercizio_ > card().esercizi.Count())
        aggiungiPagina();
    caricaPannelli();
    valoriPredefiniti();
    numeraPannelli();
    impostaMassimo();
    sincronizza();
}

void SchedaCorpo::mostraEsercizio(long posizione) {
    const int pagina = static_cast<int>((posizione + 1) / numPannelli);
    primoEsercizio_ = pagina * numPannelli - 1;
    while (primoEsercizio_ + numPannelli - 1 > card().esercizi.Count())
        aggiungiPagina();
    impostaMassimo();
    {
        const QSignalBlocker fermo(ui->VS);
        ui->VS->setValue(pagina);
    }
    caricaPannelli();
    valoriPredefiniti();
    numeraPannelli();
    sincronizza();
}

void SchedaCorpo::annullaCambioTipo(int k) {
    const long p = primoEsercizio_ + k;
    const bool libero = p <= card_.esercizi.Count() && card_.esercizi.Item(p).isLibero;
    const QSignalBlocker fermo(pannello(k)->controlli().TipoEsercizio);
    pannello(k)->controlli().TipoEsercizio->setCurrentIndex(libero ? 1 : 0);
}

void SchedaCorpo::cambiaTipo(int k) {
    // The note goes with the exercise into the box of the other kind.
    Ui::PannelloEsercizio& c = pannello(k)->controlli();
    caricamento_ = true;
    if (pannello(k)->tipo() == QLatin1String("libero"))
        c.noteLibero->setPlainText(c.note->toPlainText());
    else
        c.note->setPlainText(c.noteLibero->toPlainText());
    caricamento_ = false;
    pannello(k)->applicaTipo();
    riconta();
}

void SchedaCorpo::figura_Drop(int /*k*/) {
    riconta();
}

void SchedaCorpo::closeEvent(QCloseEvent* e) {
    proteggi([this] { ScriviDati(); });
    if (!puoiChiudereEditor()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
