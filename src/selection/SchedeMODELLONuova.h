#pragma once

#include <QDialog>
#include <memory>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace Ui {
class SchedeMODELLONuova;
}

// "Nuova Scheda Modello": category and description of a new template. "Ok" (or Enter in the
// description) stores the still empty template and makes it idModelloSelezionato; closing the
// window stores nothing.
class SchedeMODELLONuova : public QDialog {
    Q_OBJECT
public:
    explicit SchedeMODELLONuova(QWidget* parent = nullptr);
    ~SchedeMODELLONuova() override;

    QComboBox* categoria() const;
    QPlainTextEdit* descrizione() const;
    QPushButton* cmdOK() const;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Form_Load();
    void cmdOK_Click();

    std::unique_ptr<Ui::SchedeMODELLONuova> ui;
};
