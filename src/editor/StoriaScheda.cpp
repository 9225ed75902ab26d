#include "editor/StoriaScheda.h"

#include "records/Esercizio.h"
#include "records/SchedaEditabile.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <QApplication>
#include <QUndoCommand>
#include <QWidget>
#include <optional>

ValoriEsercizio ValoriEsercizio::di(const Esercizio& e) {
    ValoriEsercizio v;
    v.id_fig = e.id_fig;
    v.durata = e.durata;
    v.frequenza = e.frequenza;
    v.ampiezza = e.ampiezza;
    v.modalita = e.modalita;
    v.peso = e.peso;
    v.note = e.note;
    v.recuperoMin = static_cast<int>(e.recuperoMin);
    v.recuperoSec = static_cast<int>(e.recuperoSec);
    v.serie = static_cast<int>(e.serie);
    v.isLibero = e.isLibero;
    return v;
}

void ValoriEsercizio::scriviIn(Esercizio& e) const {
    e.id_fig = id_fig;
    e.durata = durata;
    e.frequenza = frequenza;
    e.ampiezza = ampiezza;
    e.modalita = modalita;
    e.peso = peso;
    e.note = note;
    e.recuperoMin = recuperoMin;
    e.recuperoSec = recuperoSec;
    e.serie = serie;
    e.isLibero = isLibero;
}

unsigned ValoriEsercizio::differenze(const ValoriEsercizio& a) const {
    unsigned bit = 0;
    const bool diversi[] = {
        id_fig != a.id_fig,     durata != a.durata,           frequenza != a.frequenza,
        ampiezza != a.ampiezza, modalita != a.modalita,       peso != a.peso,
        note != a.note,         recuperoMin != a.recuperoMin, recuperoSec != a.recuperoSec,
        serie != a.serie,       isLibero != a.isLibero};
    for (unsigned i = 0; i < std::size(diversi); ++i)
        if (diversi[i])
            bit |= 1u << i;
    return bit;
}

QString valoreTesta(const SchedaEditabile& s, CampoTesta campo) {
    const auto* c = dynamic_cast<const scheda*>(&s);
    const auto* m = dynamic_cast<const SchedaModello*>(&s);
    switch (campo) {
    case CampoTesta::Note:
        return s.note;
    case CampoTesta::Categoria:
        return s.categoria;
    case CampoTesta::Descrizione:
        return m ? m->descrizione : QString();
    default:
        break;
    }
    if (!c)
        return {};
    switch (campo) {
    case CampoTesta::Istruttore:
        return c->Istruttore;
    case CampoTesta::Obiettivo:
        return c->Obiettivo;
    case CampoTesta::Dal:
        return c->PeriodoDal;
    case CampoTesta::Al:
        return c->PeriodoAl;
    case CampoTesta::Frequenza:
        return QString::number(static_cast<int>(c->FreqAllen));
    case CampoTesta::Giorni:
        return c->GGAllen;
    default:
        return {};
    }
}

void scriviTesta(SchedaEditabile& s, CampoTesta campo, const QString& valore) {
    auto* c = dynamic_cast<scheda*>(&s);
    auto* m = dynamic_cast<SchedaModello*>(&s);
    switch (campo) {
    case CampoTesta::Note:
        s.note = valore;
        return;
    case CampoTesta::Categoria:
        s.categoria = valore;
        return;
    case CampoTesta::Descrizione:
        if (m)
            m->descrizione = valore;
        return;
    default:
        break;
    }
    if (!c)
        return;
    switch (campo) {
    case CampoTesta::Istruttore:
        c->Istruttore = valore;
        break;
    case CampoTesta::Obiettivo:
        c->Obiettivo = valore;
        break;
    case CampoTesta::Dal:
        c->PeriodoDal = valore;
        break;
    case CampoTesta::Al:
        c->PeriodoAl = valore;
        break;
    case CampoTesta::Frequenza:
        // Only values that fitted the card were ever recorded.
        c->FreqAllen = valore.toInt();
        break;
    case CampoTesta::Giorni:
        c->GGAllen = valore;
        break;
    default:
        break;
    }
}

// A step of the history, acting on the card the history edits.
class ComandoScheda : public QUndoCommand {
public:
    explicit ComandoScheda(StoriaScheda& storia) : storia_(storia), turno_(storia.turno_) {}

protected:
    SchedaEditabile& card() const { return *storia_.scheda_; }
    VistaStoria& vista() const { return storia_.vista_; }
    int turno() const { return turno_; }
    // Runs `cambia` as an undo or redo: the windows reloaded meanwhile record nothing.
    template <class F> void applica(F cambia) {
        if (!storia_.scheda_)
            return;
        storia_.applicazione_ = true;
        struct Fine {
            StoriaScheda& s;
            ~Fine() { s.applicazione_ = false; }
        } fine{storia_};
        card().isSaved = false;
        cambia();
    }
    Esercizio vuoto() const {
        Esercizio e;
        e.isModello = card().isModello;
        return e;
    }

private:
    StoriaScheda& storia_;
    int turno_;
};

namespace {

enum IdComando { idEsercizio = 1, idTesta = 2 };

// A value the windows changed already, from `prima` to `dopo`: the first redo, run as the step is
// recorded, does nothing. A later change that continues it (siUnisce) joins the step; changed back
// to what it was, the step goes.
template <class Valore> class Modifica : public ComandoScheda {
public:
    Modifica(StoriaScheda& s, Valore prima, Valore dopo)
        : ComandoScheda(s), prima_(std::move(prima)), dopo_(std::move(dopo)) {}
    bool mergeWith(const QUndoCommand* altro) final {
        // Only steps of the same id meet here, and so of the same class.
        const auto* a = static_cast<const Modifica*>(altro);
        if (a->turno() != turno() || !siUnisce(*a))
            return false;
        dopo_ = a->dopo_;
        // Typed back to what it was: no step at all.
        setObsolete(prima_ == dopo_);
        return true;
    }
    void redo() final {
        if (primo_) {
            primo_ = false;
            return;
        }
        metti(dopo_);
    }
    void undo() final { metti(prima_); }

protected:
    // Whether the later change `altra`, of the same class and turn, continues this one.
    virtual bool siUnisce(const Modifica& altra) const = 0;
    virtual void metti(const Valore& v) = 0;

    Valore prima_, dopo_;

private:
    bool primo_ = true;
};

class ModificaEsercizio : public Modifica<ValoriEsercizio> {
public:
    ModificaEsercizio(StoriaScheda& s, long posizione, ValoriEsercizio prima, ValoriEsercizio dopo)
        : Modifica(s, std::move(prima), std::move(dopo)), posizione_(posizione),
          campi_(prima_.differenze(dopo_)) {
        setText(QStringLiteral("esercizio %1").arg(posizione));
    }
    int id() const override { return idEsercizio; }

private:
    bool siUnisce(const Modifica& altra) const override {
        const auto& a = static_cast<const ModificaEsercizio&>(altra);
        // A dropped picture and a change of kind are steps of their own, like a click.
        const unsigned aScatti = ValoriEsercizio::campoFigura | ValoriEsercizio::campoLibero;
        return a.posizione_ == posizione_ && a.campi_ == campi_ && !(campi_ & aScatti);
    }
    void metti(const ValoriEsercizio& v) override {
        applica([&] {
            if (posizione_ > card().esercizi.Count())
                return;
            v.scriviIn(card().esercizi.Item(posizione_));
            vista().mostraEsercizio(posizione_);
        });
    }
    long posizione_;
    unsigned campi_;
};

class ModificaTesta : public Modifica<QString> {
public:
    ModificaTesta(StoriaScheda& s, CampoTesta campo, QString prima, QString dopo)
        : Modifica(s, std::move(prima), std::move(dopo)), campo_(campo) {
        setText(QStringLiteral("intestazione"));
    }
    int id() const override { return idTesta; }

private:
    bool siUnisce(const Modifica& altra) const override {
        return static_cast<const ModificaTesta&>(altra).campo_ == campo_;
    }
    void metti(const QString& v) override {
        applica([&] {
            scriviTesta(card(), campo_, v);
            vista().mostraTesta(campo_);
        });
    }
    CampoTesta campo_;
};

// A step that adds or removes exercises at `posizione`: after each change the exercises are numbered
// again and the page holding that place is shown.
class CambioElenco : public ComandoScheda {
public:
    CambioElenco(StoriaScheda& s, long posizione, const QString& testo)
        : ComandoScheda(s), posizione_(posizione) {
        setText(testo);
    }

protected:
    template <class F> void cambia(F cambiamento) {
        applica([&] {
            cambiamento();
            card().rinumeraEsercizi();
            vista().mostraEsercizio(posizione_);
        });
    }
    const long posizione_;
};

// Exercises keep who they are through the history: an insertion undone and redone brings back the
// very exercises it took out, and a deletion undone the very exercise it removed, stored identifier
// included, so the next save updates or deletes its row rather than storing it twice.
class InserimentoEsercizio : public CambioElenco {
public:
    InserimentoEsercizio(StoriaScheda& s, long posizione)
        : CambioElenco(s, posizione, QStringLiteral("inserimento")) {}
    void redo() override {
        cambia([this] {
            // As many exercises after as before: the free one at the end keeps the pages whole.
            card().esercizi.Add(inserito_ ? std::move(*inserito_) : vuoto(), posizione_);
            card().esercizi.Add(inFondo_ ? std::move(*inFondo_) : vuoto());
            inserito_.reset();
            inFondo_.reset();
        });
    }
    void undo() override {
        cambia([this] {
            auto& esercizi = card().esercizi;
            inFondo_ = std::move(esercizi.Item(esercizi.Count()));
            esercizi.Remove(esercizi.Count());
            inserito_ = std::move(esercizi.Item(posizione_));
            esercizi.Remove(posizione_);
        });
    }

private:
    std::optional<Esercizio> inserito_, inFondo_;
};

class EliminazioneEsercizio : public CambioElenco {
public:
    EliminazioneEsercizio(StoriaScheda& s, long posizione)
        : CambioElenco(s, posizione, QStringLiteral("eliminazione")) {}
    void redo() override {
        cambia([this] {
            eliminato_ = std::move(card().esercizi.Item(posizione_));
            card().EliminaEsercizio(posizione_);
            card().esercizi.Add(inFondo_ ? std::move(*inFondo_) : vuoto());
            inFondo_.reset();
        });
    }
    void undo() override {
        cambia([this] {
            auto& esercizi = card().esercizi;
            inFondo_ = std::move(esercizi.Item(esercizi.Count()));
            esercizi.Remove(esercizi.Count());
            Esercizio e = eliminato_ ? std::move(*eliminato_) : vuoto();
            eliminato_.reset();
            if (posizione_ > esercizi.Count())
                esercizi.Add(std::move(e));
            else
                esercizi.Add(std::move(e), posizione_);
        });
    }

private:
    std::optional<Esercizio> eliminato_, inFondo_;
};

} // namespace

StoriaScheda::StoriaScheda(VistaStoria& vista, QObject* genitore) : QObject(genitore), vista_(vista) {
    // A new visit to a field is a new step.
    connect(qApp, &QApplication::focusChanged, this, [this] { ++turno_; });
}

StoriaScheda::~StoriaScheda() = default;

void StoriaScheda::ricomincia(SchedaEditabile* scheda) {
    pila_.clear();
    scheda_ = scheda;
    ++turno_;
}

void StoriaScheda::esercizioModificato(long posizione, const ValoriEsercizio& prima,
                                       const ValoriEsercizio& dopo) {
    if (applicazione_ || !scheda_ || prima == dopo)
        return;
    pila_.push(new ModificaEsercizio(*this, posizione, prima, dopo));
}

void StoriaScheda::testaModificata(CampoTesta campo, const QString& prima, const QString& dopo) {
    if (applicazione_ || !scheda_ || prima == dopo)
        return;
    pila_.push(new ModificaTesta(*this, campo, prima, dopo));
}

void StoriaScheda::inserisci(long posizione) {
    if (!scheda_ || applicazione_)
        return;
    ++turno_;
    pila_.push(new InserimentoEsercizio(*this, posizione));
}

void StoriaScheda::elimina(long posizione) {
    if (!scheda_ || applicazione_)
        return;
    ++turno_;
    pila_.push(new EliminazioneEsercizio(*this, posizione));
}

void StoriaScheda::annulla() {
    if (applicazione_)
        return;
    ++turno_;
    pila_.undo();
    ++turno_;
}

void StoriaScheda::ripeti() {
    if (applicazione_)
        return;
    ++turno_;
    pila_.redo();
    ++turno_;
}
