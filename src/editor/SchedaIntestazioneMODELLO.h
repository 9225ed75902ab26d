#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class SchedaIntestazioneMODELLO;
}
class SchedaModello;

// The header of a template card: category, description and final notes, written straight into the
// template being edited.
class SchedaIntestazioneMODELLO : public QWidget {
    Q_OBJECT
public:
    explicit SchedaIntestazioneMODELLO(SchedaModello& modello, QWidget* genitore = nullptr);
    ~SchedaIntestazioneMODELLO() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void modificata();

    std::unique_ptr<Ui::SchedaIntestazioneMODELLO> ui;
    SchedaModello& modello_;
    bool caricamento_ = false;
};
