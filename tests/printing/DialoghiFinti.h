#pragma once

#include "printing/DialoghiStampa.h"

#include <QPrinter>
#include <QStringList>
#include <gtest/gtest.h>

// Scripted answers for the print and file dialogs: the print dialog turns the printer into a PDF
// printer writing `filePdf` with the given range and copies, or is cancelled.
class DialoghiFinti : public ServizioDialoghi {
public:
    bool annullaStampa = false;
    QString filePdf;
    int da = 0; // 0 = all
    int a = 0;
    int copie = 1;
    QString fileScelto;     // answer of the open dialog
    QString fileDaSalvare;  // answer of the save dialog
    QString cartellaScelta; // answer of the folder dialog
    int scelteCartella = 0;
    int stampe = 0;
    QPair<int, int> intervalloProposto{-1, -1};
    QString cartellaProposta;
    QString nomeProposto;

    bool sceltaStampante(QPrinter& stampante, int primaPagina, int ultimaPagina, QWidget*) override {
        ++stampe;
        intervalloProposto = {primaPagina, ultimaPagina};
        if (annullaStampa)
            return false;
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(filePdf);
        stampante.setFromTo(da, a);
        stampante.setCopyCount(copie);
        return true;
    }
    QString apriFile(QWidget*, const QString&, const QString& cartella, const QString&) override {
        cartellaProposta = cartella;
        return fileScelto;
    }
    QString salvaFile(QWidget*, const QString&, const QString& proposto, const QString&) override {
        nomeProposto = proposto;
        return fileDaSalvare;
    }
    QString scegliCartella(QWidget*, const QString&, const QString& cartella) override {
        ++scelteCartella;
        cartellaProposta = cartella;
        return cartellaScelta;
    }
};

// Installs the scripted dialogs for the life of the object.
class DialoghiInstallati {
public:
    DialoghiInstallati()
        : finti_(std::make_shared<DialoghiFinti>()), precedente_(installaServizioDialoghi(finti_)) {}
    ~DialoghiInstallati() { installaServizioDialoghi(precedente_); }
    DialoghiFinti& operator*() { return *finti_; }
    DialoghiFinti* operator->() { return finti_.get(); }

private:
    std::shared_ptr<DialoghiFinti> finti_;
    std::shared_ptr<ServizioDialoghi> precedente_;
};
