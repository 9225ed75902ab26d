#pragma once

#include <QLabel>
#include <cstdint>

class QMimeData;

// The picture of a machine exercise. It accepts a drop of plain text holding the identifier of a
// catalogue figure and then shows that figure; anything else dropped on it is ignored.
class ImmagineEsercizio : public QLabel {
    Q_OBJECT
public:
    explicit ImmagineEsercizio(QWidget* genitore = nullptr);

    // The figure identifier shown, as text ("" = none).
    QString Tag;

    // Shows the figure (0 clears the picture). False when no figure has that identifier.
    bool mostraFigura(std::int32_t id);
    void pulisci();

    // The identifier a dropped text names, when it is one of the catalogue's figures; 0 otherwise.
    static std::int32_t figuraDaTesto(const QString& testo);

signals:
    // A figure was dropped and is now shown.
    void figuraCambiata();

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    bool accettabile(const QMimeData* dati, Qt::DropActions azioni) const;
};
