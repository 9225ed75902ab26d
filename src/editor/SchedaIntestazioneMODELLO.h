#pragma once

#include "editor/StoriaScheda.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class SchedaIntestazioneMODELLO;
}
class SchedaModello;

// The header of a template card: category, description and final notes, written straight into the
// template being edited and told to the editor's history.
class SchedaIntestazioneMODELLO : public QWidget {
    Q_OBJECT
public:
    explicit SchedaIntestazioneMODELLO(SchedaModello& modello, QWidget* genitore = nullptr);
    ~SchedaIntestazioneMODELLO() override;

    // Shows the field as the template holds it now, recording nothing.
    void mostraCampo(CampoTesta campo);

signals:
    // The user's change of a field has been written into the template.
    void campoModificato(CampoTesta campo, const QString& prima, const QString& dopo);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void modificata();
    void cambia(CampoTesta campo, const std::function<void()>& scrivi);

    std::unique_ptr<Ui::SchedaIntestazioneMODELLO> ui;
    SchedaModello& modello_;
    bool caricamento_ = false;
};
