#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>

namespace Ui {
class SchedaPreviewFigura;
}
class QLabel;
class QPushButton;

// Picture preview window ("Preview"), a child window of the card editor: one exercise picture shown
// large. "+" and "-" grow and shrink the window, not the picture; the close button only hides it.
class SchedaPreviewFigura : public QWidget {
    Q_OBJECT
public:
    explicit SchedaPreviewFigura(QWidget* parent = nullptr);
    ~SchedaPreviewFigura() override;

    // Loads the picture file `link` (full path); empty removes the picture and the hint shows again.
    // A file that cannot be read throws Errore naming it and leaves the picture shown unchanged.
    void LoadImage(const QString& link);

    // Shows the window (its MDI frame when it has one) in front.
    void Show();
    // Whether the window (its MDI frame) is shown.
    bool visibile() const;
    // The file shown (empty when there is none).
    const QString& immagine() const { return immagine_; }
    // Outer size of the window in pixels, frame included, as the zoom buttons keep it.
    QSize dimensioneEsterna() const;

    QLabel* Image1() const;
    QLabel* Label1() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void ZoomPiu_Click();
    void ZoomMeno_Click();
    void cmdClose_Click();
    void applicaDimensione();

    std::unique_ptr<Ui::SchedaPreviewFigura> ui_;
    // "+" and "-" pressed so far, counted so that going back returns exactly to the start.
    int zoom_ = 0;
    QString immagine_;
};
