#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

// The modal dialogs of printing and of picking files, behind one service that tests replace with
// scripted answers (as the message service does for message boxes).
class ServizioDialoghi {
public:
    virtual ~ServizioDialoghi() = default;
    // The print dialog: printer, page range (preset to primaPagina..ultimaPagina) and copies are
    // left in `stampante`. False when the user cancelled.
    virtual bool sceltaStampante(QPrinter& stampante, int primaPagina, int ultimaPagina, QWidget* padre) = 0;
    // The file-open dialog; an empty text when cancelled.
    virtual QString apriFile(QWidget* padre, const QString& titolo, const QString& cartella,
                             const QString& filtro) = 0;
    // The save dialog, proposing `proposto` (folder and name); an empty text when cancelled.
    virtual QString salvaFile(QWidget* padre, const QString& titolo, const QString& proposto,
                              const QString& filtro) = 0;
    // The folder dialog, starting at `cartella`; an empty text when cancelled.
    virtual QString scegliCartella(QWidget* padre, const QString& titolo, const QString& cartella) = 0;
};

ServizioDialoghi& dialoghi();
// Installs the service and returns the previous one; nullptr restores the standard dialogs.
std::shared_ptr<ServizioDialoghi> installaServizioDialoghi(std::shared_ptr<ServizioDialoghi> servizio);
