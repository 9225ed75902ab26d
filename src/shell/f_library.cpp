#include "shell/f_library.h"

#include "shell/BarraStrumenti.h"
#include "shell/ListaImmagini.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QTreeWidget>

bool valoreNonInLista(const QComboBox* box) {
    const QString testo = box->currentText();
    bool risultato = true;
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i) == testo)
            risultato = false;
    return risultato;
}

void cercaInLista(QTreeWidget* lista, QString& testo, std::int16_t n) {
    testo = testo.toLower();
    bool trovato = false;
    for (int r = 0; r < lista->topLevelItemCount() && !trovato; ++r) {
        QTreeWidgetItem* riga = lista->topLevelItem(r);
        for (int c = 1; c <= n && !trovato; ++c) {
            const QString colonna = riga->text(c).toLower();
            if (!colonna.isEmpty() && colonna.startsWith(testo)) {
                lista->setCurrentItem(riga);
                lista->scrollToItem(riga);
                trovato = true;
            }
        }
    }
}

void numeraImmaginiToolbar(QToolBar* barra) {
    auto* conLista = qobject_cast<BarraStrumenti*>(barra);
    int numero = 1;
    for (QAction* a : barra->actions()) {
        if (a->isSeparator())
            continue;
        a->setProperty("numeroImmagine", numero);
        if (conLista && conLista->imageList()) {
            QIcon icona(conLista->imageList()->immagine(numero));
            if (conLista->hotImageList()) {
                const QPixmap attiva = conLista->hotImageList()->immagine(numero);
                if (!attiva.isNull())
                    icona.addPixmap(attiva, QIcon::Active);
            }
            a->setIcon(icona);
        }
        ++numero;
    }
}
