#pragma once

#include "editor/ControlliEditor.h"
#include "editor/StoriaScheda.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

namespace Ui {
class SchedaIntestazione;
}
class scheda;

// The header of a training card: every change goes straight into the card being edited, marks
// it as not saved and is told to the editor's history.
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

    // Shows the field as the card holds it now, recording nothing.
    void mostraCampo(CampoTesta campo);

signals:
    // The user's change of a field has been written into the card.
    void campoModificato(CampoTesta campo, const QString& prima, const QString& dopo);

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Form_Load(const QString& atleta);
    void apriGGAllen_Click();
    void GGAllen_ItemChanged();
    void FreqAllen_Change(const QString& testo);
    void modificata();
    // Runs `scrivi`, which writes the field into the card, and tells what changed since the field
    // last held a value it accepts.
    void cambia(CampoTesta campo, const std::function<void()>& scrivi);
    // The field's box when it may refuse what is typed in it, else nullptr.
    QWidget* controllato(CampoTesta campo) const;

    std::unique_ptr<Ui::SchedaIntestazione> ui;
    scheda& card_;
    controlliEditor::ControlliCampi controlli_{this};
    bool caricamento_ = false;
    // The value of each field when it last held one it accepts: a refused value, which may reach the
    // card while it is typed, is never where a step starts or ends.
    std::map<CampoTesta, QString> accettati_;
};
