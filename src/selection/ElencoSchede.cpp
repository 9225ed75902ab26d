#include "selection/ElencoSchede.h"

#include "base/Errore.h"
#include "base/Messaggi.h"
#include "selection/DelegatoTestoIntero.h"
#include "shell/BarraStrumenti.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/ListaImmagini.h"

#include <QAction>
#include <QBoxLayout>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>

#include <QDate>
#include <QHeaderView>
#include <QTreeWidget>

void RigaElenco::impostaNumero(int colonna, qlonglong valore) {
    setText(colonna, QString::number(valore));
    setData(colonna, Qt::UserRole, valore);
    setTextAlignment(colonna, Qt::AlignRight | Qt::AlignVCenter);
}

void RigaElenco::impostaData(int colonna, const QString& testoData) {
    setText(colonna, testoData);
    setData(colonna, Qt::UserRole, QDate::fromString(testoData, QStringLiteral("dd/MM/yyyy")));
}

void RigaElenco::impostaTesto(int colonna, const QString& testo) {
    setText(colonna, testo);
    setData(colonna, Qt::UserRole, testo.toLower());
}

bool RigaElenco::operator<(const QTreeWidgetItem& altra) const {
    const int c = treeWidget() ? treeWidget()->sortColumn() : 0;
    const QVariant a = data(c, Qt::UserRole), b = altra.data(c, Qt::UserRole);
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString) {
        const int r = QString::localeAwareCompare(a.toString(), b.toString());
        if (r != 0)
            return r < 0;
    } else {
        const QPartialOrdering o = QVariant::compare(a, b);
        if (o == QPartialOrdering::Less)
            return true;
        if (o == QPartialOrdering::Greater)
            return false;
    }
    return data(0, Qt::UserRole).toLongLong() < altra.data(0, Qt::UserRole).toLongLong();
}

RiempimentoElenco::RiempimentoElenco(QTreeWidget* lista)
    : lista_(lista), ordinata_(lista->isSortingEnabled()) {
    lista_->setEnabled(false);
    lista_->setUpdatesEnabled(false);
    lista_->setSortingEnabled(false);
}

RiempimentoElenco::~RiempimentoElenco() {
    // A refill that sorted the rows itself (to select and scroll afterwards) is not sorted twice.
    if (lista_->isSortingEnabled() != ordinata_)
        lista_->setSortingEnabled(ordinata_);
    lista_->setUpdatesEnabled(true);
    lista_->setEnabled(true);
}

void preparaElenco(QTreeWidget* lista) {
    lista->setRootIsDecorated(false);
    lista->setUniformRowHeights(true);
    lista->setAlternatingRowColors(true);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista->setAllColumnsShowFocus(true);
    lista->header()->setSectionsClickable(true);
    lista->header()->setSortIndicatorShown(true);
    lista->header()->setStretchLastSection(true);
    lista->setItemDelegate(new DelegatoTestoIntero(lista));
}

void preparaElencoOrdinato(QTreeWidget* lista, int colonna, QObject* finestra) {
    preparaElenco(lista);
    // Sorting stays on from the start: turning it off also makes the header unclickable.
    lista->setSortingEnabled(true);
    lista->sortByColumn(colonna, Qt::AscendingOrder);
    lista->installEventFilter(finestra);
}

long idRigaSelezionata(const QTreeWidget* lista) {
    const QTreeWidgetItem* riga = lista->currentItem();
    if (!riga || !riga->isSelected())
        return 0;
    return riga->text(0).toLong();
}

void selezionaDopoRicarica(QTreeWidget* lista, long id, int posizione) {
    const int n = lista->topLevelItemCount();
    if (n == 0)
        return;
    QTreeWidgetItem* scelta = nullptr;
    for (int i = 0; i < n && !scelta && id != 0; ++i)
        if (lista->topLevelItem(i)->text(0).toLong() == id)
            scelta = lista->topLevelItem(i);
    if (!scelta)
        scelta = lista->topLevelItem(qBound(0, posizione, n - 1));
    lista->setCurrentItem(scelta);
    scelta->setSelected(true);
    lista->scrollToItem(scelta);
}

void mostraErroreEliminazione(const QString& descrizione) {
    mostraMessaggio(QStringLiteral("Si è verificato un errore:") + descrizione + QLatin1Char('\r') +
                        QStringLiteral("Contattare il supporto tecnico"),
                    TipoMessaggio::Errore, Pulsanti::OK);
}

void aggiungiPulsanti(BarraStrumenti* barra, ListaImmagini& immagini,
                      std::span<const PulsanteElenco> pulsanti) {
    for (const PulsanteElenco& p : pulsanti) {
        if (!p.didascalia) {
            barra->aggiungiSeparatore(QString::fromLatin1(p.chiave));
            continue;
        }
        QAction* a = barra->aggiungiPulsante(QString::fromUtf8(p.didascalia), QString::fromLatin1(p.chiave),
                                             QString::fromUtf8(p.suggerimento));
        immagini.aggiungi(
            QString::fromLatin1(p.chiave),
            ImmaginiProgramma::icona(QString::fromLatin1(p.icona)).pixmap(immagini.dimensione()));
        a->setShortcutContext(Qt::WindowShortcut);
    }
}

void collocaBarra(QWidget* finestra, BarraStrumenti* barra, QBoxLayout* posto,
                  const std::function<void(const QString&)>& comando) {
    finestra->addActions(barra->actions());
    QObject::connect(barra, &BarraStrumenti::ButtonClick, finestra,
                     [comando](QAction* a) { comando(BarraStrumenti::chiave(a)); });
    posto->addWidget(barra);
}

bool tastoElenco(QEvent* evento, const std::function<void()>& scegli, const std::function<void()>& elimina) {
    if (evento->type() != QEvent::KeyPress)
        return false;
    const int tasto = static_cast<QKeyEvent*>(evento)->key();
    if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
        scegli();
        return true;
    }
    if (tasto == Qt::Key_Delete) {
        elimina();
        return true;
    }
    return false;
}

void scegliRigaSelezionata(QDialog* finestra, const QTreeWidget* lista, std::int32_t& scelta) {
    const long id = idRigaSelezionata(lista);
    if (id == 0)
        return;
    scelta = static_cast<std::int32_t>(id);
    finestra->accept();
}

void ordinaPerColonna(QTreeWidget* lista, int colonna) {
    lista->sortByColumn(colonna, Qt::AscendingOrder);
    if (QTreeWidgetItem* c = lista->currentItem())
        lista->scrollToItem(c);
}

bool confermaEliminazione(const QString& domanda) {
    return mostraMessaggio(domanda, TipoMessaggio::Errore, Pulsanti::SiNo, {}, Risposta::No) == Risposta::Si;
}

void annunciaEliminazione(const QString& annuncio) {
    mostraMessaggio(annuncio, TipoMessaggio::Informazione, Pulsanti::OK);
}

void eliminaSegnalandoErrori(const std::function<void()>& eliminazione) {
    try {
        eliminazione();
    } catch (const Errore& e) {
        mostraErroreEliminazione(e.descrizione());
    } catch (const std::exception& e) {
        mostraErroreEliminazione(QString::fromLocal8Bit(e.what()));
    }
}
