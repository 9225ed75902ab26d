#pragma once

#include "editor/ControlliEditor.h"

#include <QWidget>
#include <memory>

namespace Ui {
class SchedaIntestazione;
}
class scheda;

// The header of a training card: every change goes straight into the card being edited and marks
// it as not saved.
class SchedaIntestazione : public QWidget {
    Q_OBJECT
public:
    // `atleta` is the name shown above the fields (surname and first name).
    SchedaIntestazione(scheda& card, const QString& atleta, QWidget* genitore = nullptr);
    ~SchedaIntestazione() override;

    // Closes the training-days list.
    void nascondiTutto();

    // The checks of the category, the two dates and the frequency, in that order.
    const controlliEditor::ControlliCampi& controlli() const { return controlli_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Form_Load(const QString& atleta);
    void apriGGAllen_Click();
    void GGAllen_ItemChanged();
    void FreqAllen_Change(const QString& testo);
    void modificata();

    std::unique_ptr<Ui::SchedaIntestazione> ui;
    scheda& card_;
    controlliEditor::ControlliCampi controlli_{this};
    bool caricamento_ = false;
};
