#include "printing/DialoghiStampa.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

class DialoghiQt : public ServizioDialoghi {
public:
    bool sceltaStampante(QPrinter& stampante, int primaPagina, int ultimaPagina, QWidget* padre) override {
        stampante.setFromTo(primaPagina, ultimaPagina);
        QPrintDialog d(&stampante, padre);
        d.setOption(QAbstractPrintDialog::PrintSelection, false);
        // A single sheet offers no page range.
        d.setOption(QAbstractPrintDialog::PrintPageRange, ultimaPagina > 0);
        d.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        d.setMinMax(primaPagina, ultimaPagina);
        d.setFromTo(primaPagina, ultimaPagina);
        return d.exec() == QDialog::Accepted;
    }
    QString apriFile(QWidget* padre, const QString& titolo, const QString& cartella,
                     const QString& filtro) override {
        return QFileDialog::getOpenFileName(padre, titolo, cartella, filtro);
    }
    QString salvaFile(QWidget* padre, const QString& titolo, const QString& proposto,
                      const QString& filtro) override {
        return QFileDialog::getSaveFileName(padre, titolo, proposto, filtro);
    }
};

std::shared_ptr<ServizioDialoghi>& installato() {
    static std::shared_ptr<ServizioDialoghi> servizio = std::make_shared<DialoghiQt>();
    return servizio;
}

} // namespace

ServizioDialoghi& dialoghi() {
    return *installato();
}

std::shared_ptr<ServizioDialoghi> installaServizioDialoghi(std::shared_ptr<ServizioDialoghi> servizio) {
    auto precedente = installato();
    installato() = servizio ? std::move(servizio) : std::make_shared<DialoghiQt>();
    return precedente;
}
