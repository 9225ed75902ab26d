#pragma once

#include <QWidget>

class SchedaPreviewFigura;

// Picture selection window ("Selezione Esercizi"), a child window of the card editor: body map,
// folder tree and picture tree from which figures are dragged onto the exercises.
// Placeholder until the pictures subsystem lands: the card editor places it already.
class SchedaSelezioneFIGURE : public QWidget {
    Q_OBJECT
public:
    explicit SchedaSelezioneFIGURE(QWidget* parent = nullptr);
    // The preview kept in step with clicks on the picture tree.
    void setPreview(SchedaPreviewFigura* preview);

private:
    SchedaPreviewFigura* preview_ = nullptr;
};
