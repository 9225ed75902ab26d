#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PannelloEsercizio;
}

// One exercise panel of the card body: a machine exercise (picture and settings) or a free one
// (a description), chosen on the tab strip.
class PannelloEsercizio : public QWidget {
    Q_OBJECT
public:
    explicit PannelloEsercizio(QWidget* genitore = nullptr);
    ~PannelloEsercizio() override;

    Ui::PannelloEsercizio& controlli() { return *ui; }
    // Key of the selected tab: "vibrana" or "libero".
    QString tipo() const;
    void selezionaTipo(const QString& chiave);
    // Shows the frame of the selected tab.
    void applicaTipo();

private:
    std::unique_ptr<Ui::PannelloEsercizio> ui;
};
