#pragma once

#include <QString>
#include <stdexcept>

// The one error type the system raises: a number, a description and the source that raised it,
// as a run-time error carries them.
class Errore : public std::runtime_error {
public:
    Errore(long numero, const QString& descrizione, const QString& sorgente = QStringLiteral("Vibrana"))
        : std::runtime_error(descrizione.toStdString()), numero_(numero), descrizione_(descrizione),
          sorgente_(sorgente) {}

    long numero() const { return numero_; }
    const QString& descrizione() const { return descrizione_; }
    const QString& sorgente() const { return sorgente_; }

private:
    long numero_;
    QString descrizione_;
    QString sorgente_;
};

// Error numbers used by the system, in the ranges a Jet/VB program would show.
namespace NumeriErrore {
constexpr long Overflow = 6;
constexpr long TipoNonCorrispondente = 13;
constexpr long FileNonTrovato = 53;
constexpr long PercorsoNonTrovato = 76;
constexpr long ElementoNonTrovato = 3265;
constexpr long ArchivioNonTrovato = 3024;
constexpr long ArchivioDanneggiato = 3049;
constexpr long SintassiSql = 3075;
constexpr long NessunRecordCorrente = 3021;
constexpr long ErroreArchivio = 3146;
constexpr long DatiNonValidi = 3162;
} // namespace NumeriErrore
