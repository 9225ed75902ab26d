#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class SchedaIntestazioneMODELLO;
}
class mdiScheda;
class SchedaModello;

// The header of a template card: category, description and final notes, written straight into the
// template being edited.
class SchedaIntestazioneMODELLO : public QWidget {
    Q_OBJECT
public:
    explicit SchedaIntestazioneMODELLO(mdiScheda& editor, QWidget* genitore = nullptr);
    ~SchedaIntestazioneMODELLO() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    SchedaModello* modello() const;
    void modificata();

    std::unique_ptr<Ui::SchedaIntestazioneMODELLO> ui;
    mdiScheda& editor_;
    bool caricamento_ = false;
};
