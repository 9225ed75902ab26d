#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

class utente;
class scheda;

// Lists written as CSV the way spreadsheets in Italy open them: UTF-8 with a byte-order mark,
// fields separated by semicolons, lines ending in CR LF, dates as dd/mm/yyyy. A field holding a
// semicolon, a double quote or a line break is quoted, its quotes doubled.
class TabellaCsv {
public:
    explicit TabellaCsv(QStringList intestazione) : intestazione_(std::move(intestazione)) {}

    // A row of values: text as it is, numbers in figures, a date as dd/mm/yyyy (a null or invalid
    // date leaves the cell empty), anything else as its text.
    void aggiungiRiga(const QVariantList& valori);

    QByteArray testo() const;
    // Writes the whole file or nothing (a file already there stays as it was on failure).
    // Throws Errore with an Italian message.
    void salva(const QString& percorso) const;

    // A cell's text; text that would start a formula gets a leading apostrophe.
    static QString campo(const QVariant& valore);

private:
    QStringList intestazione_;
    std::vector<QStringList> righe_;
};

// The athlete register and the cards of one athlete, with the columns of their lists and what
// else the records hold.
TabellaCsv tabellaAtleti(const std::vector<utente>& atleti);
TabellaCsv tabellaSchede(const std::vector<scheda>& schede);
