#pragma once

#include <QToolBar>

class ListaImmagini;

// A toolbar whose buttons carry a key, as the command handlers dispatch on it, and whose pictures
// come from an image list by number (see numeraImmaginiToolbar).
class BarraStrumenti : public QToolBar {
    Q_OBJECT
public:
    explicit BarraStrumenti(const QString& nome, QWidget* genitore = nullptr);

    QAction* aggiungiPulsante(const QString& didascalia, const QString& chiave, const QString& suggerimento);
    QAction* aggiungiSeparatore(const QString& chiave = QStringLiteral("sep"));

    // The pictures of the buttons; the second list gives the picture under the mouse pointer.
    void setImageList(ListaImmagini* lista) { immagini_ = lista; }
    void setHotImageList(ListaImmagini* lista) { immaginiAttive_ = lista; }
    ListaImmagini* imageList() const { return immagini_; }
    ListaImmagini* hotImageList() const { return immaginiAttive_; }

    // The button with that key (letter case ignored), or nullptr.
    QAction* pulsante(const QString& chiave) const;

    static QString chiave(const QAction* pulsante);
    // The picture number given by numeraImmaginiToolbar; 0 for separators and unnumbered buttons.
    static int numeroImmagine(const QAction* pulsante);

signals:
    void ButtonClick(QAction* pulsante);

private:
    ListaImmagini* immagini_ = nullptr;
    ListaImmagini* immaginiAttive_ = nullptr;
};
