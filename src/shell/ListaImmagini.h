#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// An ordered list of pictures of one size, numbered from 1 and found by key (letter case ignored).
// Every picture is scaled into the list's size keeping its proportions and centred on a transparent
// background, so all entries have the same size.
class ListaImmagini {
public:
    explicit ListaImmagini(QSize dimensione = QSize(16, 16)) : dimensione_(dimensione) {}

    void Clear();
    // Changing the size empties the list.
    void setDimensione(QSize dimensione);
    QSize dimensione() const { return dimensione_; }

    // Returns the picture's number. A key already present keeps its first picture.
    int aggiungi(const QString& chiave, const QImage& immagine);
    int aggiungi(const QString& chiave, const QPixmap& immagine);
    // An entry whose picture is made by `leggi` when it is first asked for, then kept: a long list
    // costs the time and memory of the pictures that are actually shown.
    int aggiungiDaLeggere(const QString& chiave, std::function<QImage()> leggi);
    // Whether the entry's picture has been made (at once for aggiungi, on demand for aggiungiDaLeggere).
    bool letta(int indice) const;

    int conta() const { return static_cast<int>(voci_.size()); }
    bool contiene(const QString& chiave) const { return indici_.contains(chiave.toLower()); }
    // 0 when the key is unknown.
    int indice(const QString& chiave) const { return indici_.value(chiave.toLower(), 0); }
    QString chiave(int indice) const;
    // A null picture when the key or number is unknown.
    QPixmap immagine(const QString& chiave) const { return immagine(indice(chiave)); }
    QPixmap immagine(int indice) const;

    // The picture scaled into `dimensione` keeping its proportions, centred on a transparent square.
    static QImage adatta(const QImage& immagine, QSize dimensione);

private:
    struct Voce {
        QString chiave;
        // Made on demand for an entry added to be read later.
        mutable QPixmap pixmap;
        mutable std::function<QImage()> leggi;
    };
    int aggiungiVoce(const QString& chiave, QPixmap pixmap, std::function<QImage()> leggi);
    QPixmap adattata(const QImage& immagine) const;
    QSize dimensione_;
    std::vector<Voce> voci_;
    QHash<QString, int> indici_;
};
