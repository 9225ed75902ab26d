#pragma once

#include "printing/Foglio.h"

#include <QList>
#include <QPageSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPainter;
class pages;
class scheda;

// The printed sheet, 20 x 28 cm.
QPageSize formatoFoglio();

// Writes `numero` sheets into a PDF file; `prepara(i, f)` fills sheet i (from 1) on the surface f,
// which is handed over as `superficie` and reused from sheet to sheet. The file is written beside
// `file` and takes its place only when complete: on any failure Errore names the file, nothing is
// left behind and an existing `file` stays as it was.
void scriviPdf(const QString& file, const QString& titolo, int numero, Foglio superficie,
               const std::function<void(int, Foglio&)>& prepara);

// Every sheet of a card cut into sheets, with its footer, into a PDF file (as scriviPdf).
void scriviFogliPdf(const pages& fogli, const QString& file);

// Every sheet of the card into a PDF file; returns the number of sheets. A card without exercises
// raises the error with the preview's message and writes nothing.
int scriviSchedaPdf(std::int32_t idScheda, const QString& file);
// The usage-instructions sheet into a PDF file.
void scriviIstruzioniPdf(const QString& file);

// The proposed file name for a card's PDF: athlete and validity period, safe for any file system.
QString nomePdfScheda(const scheda& s);

// Asked before card `i` (from 0) of `n`, and once more with i == n when all are done: false stops
// there, before that card is begun.
using AvanzamentoSchede = std::function<bool(int i, int n)>;

// What became of one card of a batch: the file written and its sheets, or why it was not.
struct SchedaScritta {
    std::int32_t id = 0;
    QString file;
    int fogli = 0;
    QString errore; // empty when written
};

// Several cards, one PDF each in `cartella` (made when missing), named as the preview proposes; two
// cards that would take the same name get their number added. Each file is complete or not written;
// a card that fails is reported to `esito` and the others are still written. Returns false when
// `avanzamento` stopped the batch. Raises Errore when the folder cannot be made.
bool scriviSchedePdf(const QList<std::int32_t>& schede, const QString& cartella,
                     const AvanzamentoSchede& avanzamento,
                     const std::function<void(const SchedaScritta&)>& esito);

// The sheets of several cards one after the other on `p`, open on `dispositivo` (a printer: one job),
// each card's footer counting its own sheets; `twipPerUnita` is the device's scale. A card without
// exercises has nothing to print and is passed over, its number added to `saltate`. Returns the
// number of sheets drawn, or nothing when `avanzamento` stopped the batch.
std::optional<int> disegnaSchede(QPainter& p, QPagedPaintDevice& dispositivo, double twipPerUnita,
                                 const QList<std::int32_t>& schede, const AvanzamentoSchede& avanzamento,
                                 QList<std::int32_t>* saltate = nullptr);

// The commands "pdf ID_SCHEDA FILE" and "istruzioni FILE" of vibrana-archivio. `comandoStampa` says
// whether the first argument names one of them; `eseguiComandoStampa` runs it as a whole program,
// calling `uso` for arguments it does not understand. Exit codes: 0 written, 1 not written,
// 2 wrong arguments, codiceSchedaInesistente when no card has the number given.
constexpr int codiceSchedaInesistente = 3;
bool comandoStampa(const char* primo);
int eseguiComandoStampa(int argc, char** argv, const std::function<int()>& uso);
