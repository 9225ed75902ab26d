#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

class SchedaEditabile;

// Cards and templates passed between gyms as one file (".vibrana", JSON). The file holds what a
// person would copy by hand: the header, the exercises and, for each picture, the key by which
// every register knows it (machine and catalogue number, which the delivered catalogue fixes) with
// its file name and muscles for a reader. Database identifiers differ between registers and are never
// written; keys come out sorted and nothing that changes between two exports (times, ids) is
// written, so exporting the same card twice, also from another register, gives the same bytes.
namespace scambioScheda {

// The version of the file's layout this program writes; a file of a later version is refused.
constexpr int versioneFormato = 1;
inline const QString estensione = QStringLiteral("vibrana");
inline const QString filtroFile = QStringLiteral("Schede Vibrana (*.vibrana)");

enum class Tipo { Scheda, Modello };

// The file's text for a card or template as it is in memory (exercises with no picture that are
// not free are left out, as a save leaves them). Raises Errore when one of its pictures is not in
// this register's catalogue.
QByteArray esporta(const SchedaEditabile& scheda);

// Writes `dati` into `percorso` as scriviFileProtetto does. An empty text when written, else the reason.
QString scriviFile(const QString& percorso, const QByteArray& dati);

struct EsitoImportazione {
    bool riuscito = false;
    std::int32_t id = 0; // the new card's or template's identifier
    Tipo tipo = Tipo::Scheda;
    QString messaggio; // why it was refused (shown to the user as it is)
};

// Stores the file's card (for athlete `idUtente`) or template as a new one, in one transaction.
// A file that is damaged, of a later version, of the other kind, that holds values the card's rules
// refuse (RegoleScheda; a list entry written in another letter case is taken as the entry), or that
// names pictures or a category this register lacks is refused with one message listing what is wrong,
// and nothing is stored. `idUtente` is required for a card and ignored for a template.
EsitoImportazione importa(const QByteArray& dati, Tipo atteso, std::int32_t idUtente);

// A card's file is a few kilobytes: a larger one is refused unread.
constexpr qint64 dimensioneMassimaFile = 10 * 1024 * 1024;

// The same, reading the file first; a refusal of its values names the file (without its folder).
// Only a regular file is opened (a FIFO or a device is refused at once), up to dimensioneMassimaFile.
EsitoImportazione importaFile(const QString& percorso, Tipo atteso, std::int32_t idUtente);

} // namespace scambioScheda
