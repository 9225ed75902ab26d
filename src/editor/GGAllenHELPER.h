#pragma once

#include <QString>

// A list whose entries can be ticked, counted from 0 (the day list of the card header).
class ListaSpunte {
public:
    virtual ~ListaSpunte() = default;
    virtual int numeroVoci() const = 0;
    virtual bool spuntata(int indice) const = 0;
    virtual void spunta(int indice, bool valore) = 0;
};

// The training-days flags: one "1"/"0" character per entry of the day list, in list order:
// daily, none, Monday ... Sunday.
namespace GGAllenHELPER {

// Ticks the entry of every "1" position; the other entries are left as they are. Positions
// beyond the end of the list are ignored.
void impostaGiorni(const QString& flags, ListaSpunte& lista);
// "1" for every ticked entry and "0" for every other, from the first entry to the last.
QString leggiGiorni(const ListaSpunte& lista);
// The printed form: "GIORNALIERO", "NESSUNO", or the ticked days' abbreviations joined by " - ".
QString descriviGiorni(const QString& flags);

} // namespace GGAllenHELPER
