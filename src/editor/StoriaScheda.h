#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstdint>

class Esercizio;
class SchedaEditabile;

// The values of an exercise the user edits: what one step of the history keeps of it, before and
// after. Plain values, so a long history stays small.
struct ValoriEsercizio {
    std::int32_t id_fig = 0;
    QString durata;
    QString frequenza;
    QString ampiezza;
    QString modalita;
    QString peso;
    QString note;
    int recuperoMin = 0;
    int recuperoSec = 0;
    int serie = 0;
    bool isLibero = false;

    static ValoriEsercizio di(const Esercizio& e);
    void scriviIn(Esercizio& e) const;
    // One bit per field that differs between the two, in the order of the members; 0 when they are equal.
    static constexpr unsigned campoFigura = 1u << 0;
    static constexpr unsigned campoLibero = 1u << 10;
    unsigned differenze(const ValoriEsercizio& altri) const;
    bool operator==(const ValoriEsercizio&) const = default;
};

// The fields of the headers of a card and of a template.
enum class CampoTesta { Istruttore, Obiettivo, Note, Dal, Al, Categoria, Frequenza, Giorni, Descrizione };

// A header field of the card or template as text ("" for a field the record does not have).
QString valoreTesta(const SchedaEditabile& scheda, CampoTesta campo);
void scriviTesta(SchedaEditabile& scheda, CampoTesta campo, const QString& valore);

// What the history asks of the editor once it has changed the card: to show the change.
class VistaStoria {
public:
    virtual ~VistaStoria() = default;
    // Shows the page of exercise `posizione` (from 1) as the card now holds it, and recounts the totals.
    virtual void mostraEsercizio(long posizione) = 0;
    // Shows the header field as the card now holds it.
    virtual void mostraTesta(CampoTesta campo) = 0;
};

// The undo history of the card being edited. The windows write every change into the card as the
// user makes it and tell the history, which keeps it as one step; the keystrokes of one visit to
// a field make one step. Inserting and deleting exercises are done through the history. Undoing
// and redoing change the card and have the view show it, and record nothing themselves.
class StoriaScheda : public QObject {
    Q_OBJECT
public:
    explicit StoriaScheda(VistaStoria& vista, QObject* genitore = nullptr);
    ~StoriaScheda() override;

    QUndoStack& pila() { return pila_; }
    // Starts an empty history on `scheda` (nullptr: nothing to edit).
    void ricomincia(SchedaEditabile* scheda);
    SchedaEditabile* scheda() const { return scheda_; }

    // A change the windows have already written into the card.
    void esercizioModificato(long posizione, const ValoriEsercizio& prima, const ValoriEsercizio& dopo);
    void testaModificata(CampoTesta campo, const QString& prima, const QString& dopo);

    // A new empty exercise at `posizione`, those from there on moving on (a free one is added at the end).
    void inserisci(long posizione);
    // Deletes the exercise at `posizione`: a stored one leaves the database at once, and comes back
    // (stored at the next save) when the deletion is undone.
    void elimina(long posizione);

    void annulla();
    void ripeti();
    // The next change starts a new step even in the field it was made in.
    void chiudiPasso() { ++turno_; }

    // True while undoing or redoing: what the windows change meanwhile is not a new step.
    bool inApplicazione() const { return applicazione_; }

private:
    friend class ComandoScheda;

    QUndoStack pila_;
    VistaStoria& vista_;
    SchedaEditabile* scheda_ = nullptr;
    // Changes with the same turn are the same visit to a field; a change of focus starts a new one.
    int turno_ = 0;
    bool applicazione_ = false;
};
