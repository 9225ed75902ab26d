#pragma once

#include <QColor>
#include <QFont>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <vector>

class ListaImmagini;
class QMenuBar;

// A drop-down menu drawn by the program while OwnMenu is hooked to its window: 16 x 16 pictures by key,
// items of height altezzaVoce, a side bar, embossed disabled items. Unhooked, it is an ordinary QMenu.
class MenuDisegnato : public QMenu {
    Q_OBJECT
public:
    explicit MenuDisegnato(const QString& titolo, QWidget* genitore = nullptr);

    // Width of the side bar in pixels (0 without one).
    int larghezzaBarra() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class OwnMenu;
    void disegnaVoce(QPainter& p, QAction* voce, const QRect& r);
    void disegnaBarra(QPainter& p, const QRect& r);
};

// Registration of the owner-drawn menus of one window, their fonts and metrics.
class OwnMenu : public QObject {
    Q_OBJECT
public:
    struct Sottomenu {
        QPointer<MenuDisegnato> menu;
        int posizione = 0;
        int stile = 1; // 1 = button face and 3-D picture frames
        bool haBarra = false;
        QPixmap immagineBarra;
        bool allineatoInBasso = true;
        QColor coloreBarra;
    };
    struct Voce {
        QPointer<QAction> voce;
        int sottomenu = 0; // row in the table of drop-down menus, from 1
        int posizione = 0;
        QString chiaveNormale, chiaveSpuntata, chiaveSelezionata;
    };

    void inizializzaMenu(QWidget* finestra, ListaImmagini* immagini);
    void impostaBarraMenu(QMenuBar* barra);
    // Registers the drop-down menu at `posizione` of the menu bar (from 0); with a picture it gets a
    // side bar. The drop-down menu must be a MenuDisegnato.
    void aggiungiSottomenu(int posizione, int stile, const QPixmap& immagineBarra, int allineatoInBasso,
                           const QColor& coloreBarra);
    // Registers an item of the drop-down menu that holds it (from 0 among its items). Registering an
    // item again replaces its keys.
    void aggiungiVoce(QAction* voce, int posizione, const QString& chiaveNormale,
                      const QString& chiaveSpuntata = {}, const QString& chiaveSelezionata = {});
    void agganciaFinestra();
    void sganciaFinestra();

    bool agganciato() const { return agganciato_; }
    int altezzaVoce() const { return altezzaVoce_; }
    int margine() const { return margine_; }
    const QFont& carattere(bool sottolineato = false, bool grassetto = false) const;
    ListaImmagini* immagini() const { return immagini_; }

    const Sottomenu* sottomenuDi(const QMenu* menu) const;
    const Voce* voceDi(const QAction* voce) const;
    const std::vector<Sottomenu>& sottomenu() const { return sottomenu_; }
    const std::vector<Voce>& voci() const { return voci_; }

    // Fonts and metrics from the current menu font, after a change of the system settings.
    void aggiornaImpostazioni();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void creaCaratteri();

    QPointer<QWidget> finestra_;
    QPointer<QMenuBar> barra_;
    ListaImmagini* immagini_ = nullptr;
    std::vector<Sottomenu> sottomenu_;
    std::vector<Voce> voci_;
    bool agganciato_ = false;
    QFont caratteri_[4];
    int altezzaVoce_ = 19;
    int margine_ = 0;
};

OwnMenu& ownMenu();
