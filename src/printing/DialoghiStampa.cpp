#include "printing/DialoghiStampa.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTimer>

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
        // Copies are always printed sheet by sheet (1,1,2,2): the collate tick
        // is shown off and cannot be changed, so the dialog says what will happen.
        if (auto* fascicola = d.findChild<QCheckBox*>(QStringLiteral("collate"))) {
            const auto spegni = [fascicola] {
                fascicola->setChecked(false);
                fascicola->setEnabled(false);
            };
            spegni();
            // Showing the dialog sets the tick from the printer again: switch it off once it is up.
            QTimer::singleShot(0, fascicola, spegni);
            // The dialog turns the tick on again when the number of copies changes.
            if (auto* copie = d.findChild<QSpinBox*>(QStringLiteral("copies")))
                QObject::connect(copie, &QSpinBox::valueChanged, fascicola, spegni, Qt::QueuedConnection);
        }
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
    QString scegliCartella(QWidget* padre, const QString& titolo, const QString& cartella) override {
        return QFileDialog::getExistingDirectory(padre, titolo, cartella);
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
