#pragma once

#include <QDialog>
#include <QString>
#include <memory>

class QLabel;
class QLineEdit;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QAction;
namespace Ui {
class UtentiSelezione;
}

// "Elenco UTENTI": the athlete register. Modal; opened to choose an athlete (mode "SELEZIONA") or
// to manage the register (mode "MODIFICA"). The choice goes back through idUtenteSelezionato.
class UtentiSelezione : public QDialog {
    Q_OBJECT
public:
    static inline const QString SELEZIONA = QStringLiteral("SELEZIONA");
    static inline const QString MODIFICA = QStringLiteral("MODIFICA");

    explicit UtentiSelezione(QWidget* parent = nullptr);
    ~UtentiSelezione() override;

    // The mode: "SELEZIONA" or "MODIFICA".
    QString Tag;

    void FillListAtleti();
    // Makes the athlete's row the selected one (after a new athlete has been saved).
    void selezionaId(long id);

    QTreeWidget* LW() const { return LW_; }
    QLineEdit* Ricerca() const { return Ricerca_; }
    QToolBar* Toolbar() const { return Toolbar_; }

    // Dispatches a toolbar key, compared in lower case.
    void Toolbar_ButtonClick(const QString& chiave);

    enum Colonna { ColId = 0, ColCognome = 1, ColNome = 2, ColDataNascita = 3 };

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Ricerca_Change(const QString& testo);
    void LW_DblClick();
    void LW_ColumnClick(int colonna);

    void selezionaUtente();
    void modificaUtente();
    void nuovoUtente();
    // The entry form on athlete `id` (0 for a new one); after a save the list is refilled.
    void apriModulo(long id);
    void eliminaUtente();
    // The whole register, in the list's order, to a CSV file.
    void esportaUtenti();
    // The athlete of the selected row; 0 when there is none.
    long idSelezionato() const;
    void aggiornaComandi();

    std::unique_ptr<Ui::UtentiSelezione> ui_;
    QLabel* Label1_ = nullptr;
    QLineEdit* Ricerca_ = nullptr;
    QTreeWidget* LW_ = nullptr;
    QToolBar* Toolbar_ = nullptr;
};
