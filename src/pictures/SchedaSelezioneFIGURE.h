#pragma once

#include "pictures/GestoriListe.h"

#include <QString>
#include <QWidget>
#include <memory>

namespace Ui {
class SchedaSelezioneFIGURE;
}
class AlberoImmagini;
class BodyMap;
class QPushButton;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;
class SchedaPreviewFigura;

// Picture selection window ("Selezione Esercizi"), a child window of the card editor: body map,
// folder tree and picture tree from which figures are dragged onto the exercises.
// Tab 2 (the body map) is shown at start with the chest group listed; tab 1 holds the folders.
class SchedaSelezioneFIGURE : public QWidget {
    Q_OBJECT
public:
    explicit SchedaSelezioneFIGURE(QWidget* parent = nullptr);
    ~SchedaSelezioneFIGURE() override;

    // The preview kept in step with clicks on the picture tree.
    void setPreview(SchedaPreviewFigura* preview);

    QTabBar* TabStrip1() const;
    QWidget* Frame1(int indice) const;
    QTreeWidget* twFolder() const;
    AlberoImmagini* twImage() const;
    BodyMap* BodyMap1() const;
    QPushButton* cmdZoom() const;
    // 1 (folders) or 2 (body map).
    int tabCorrente() const { return tabCorrente_; }
    const QString& ultimoGruppo() const { return ultimoGruppo_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void inizializzaListaCartelle();
    void inizializzaListaImmagini();
    void mostraCartellaSelezionata();
    void TabStrip1_Click(int indice);
    void BodyMap1_Change(QString& gruppo);
    void twImage_NodeClick(QTreeWidgetItem* nodo);
    void cmdZoom_Click();
    // Refills the picture tree while it is hidden, so it is drawn once at the end.
    void riempiImmagini();

    std::unique_ptr<Ui::SchedaSelezioneFIGURE> ui_;
    std::unique_ptr<GestoreListaIMG> gestoreImmagini_;
    std::unique_ptr<GestoreListaFolder> gestoreCartelle_;
    SchedaPreviewFigura* preview_ = nullptr;
    QString ultimoGruppo_;
    int tabCorrente_ = 2;
    bool riempimento_ = false;
};
