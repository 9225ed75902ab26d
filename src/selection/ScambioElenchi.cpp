#include "selection/ScambioElenchi.h"

#include "base/Messaggi.h"
#include "printing/DialoghiStampa.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"
#include "shell/BarraStrumenti.h"
#include "shell/CursoreAttesa.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/ListaImmagini.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QToolButton>

namespace scambioElenchi {

namespace {

QString cartellaProposta() {
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documenti.isEmpty() ? QDir::homePath() : documenti;
}

QString filtro() {
    return scambioScheda::filtroFile + QStringLiteral(";;Tutti i file (*)");
}

} // namespace

void aggiungiPulsanti(BarraStrumenti* barra, ListaImmagini& immagini, bool modello) {
    // One small button with a menu: the list's window keeps its designed width with the athlete's name
    // in view.
    QAction* scambio =
        barra->aggiungiPulsante(QStringLiteral("Scambio"), QStringLiteral("scambio"),
                                QStringLiteral("Esporta o importa un file .vibrana di un'altra palestra"));
    scambio->setObjectName(QStringLiteral("cmdScambio"));
    immagini.aggiungi(
        QStringLiteral("scambio"),
        ImmaginiProgramma::icona(QStringLiteral("document-share")).pixmap(immagini.dimensione()));
    auto* menu = new QMenu(barra);
    menu->setObjectName(QStringLiteral("menuScambio"));
    scambio->setMenu(menu);
    if (auto* pulsante = qobject_cast<QToolButton*>(barra->widgetForAction(scambio))) {
        pulsante->setPopupMode(QToolButton::InstantPopup);
        // The picture alone (the caption is in its tooltip and its accessible name).
        pulsante->setToolButtonStyle(Qt::ToolButtonIconOnly);
        pulsante->setAccessibleName(scambio->text());
    }

    const QString cosa =
        modello ? QStringLiteral("il modello evidenziato") : QStringLiteral("la scheda evidenziata");
    QAction* esporta =
        menu->addAction(ImmaginiProgramma::icona(QStringLiteral("document-export")),
                        modello ? QStringLiteral("&Esporta modello…") : QStringLiteral("&Esporta scheda…"));
    esporta->setObjectName(QStringLiteral("cmdEsportaScheda"));
    esporta->setProperty("chiave", QStringLiteral("esportaScheda"));
    esporta->setToolTip(
        QStringLiteral("Scrive %1 in un file .vibrana da portare in un'altra palestra").arg(cosa));
    esporta->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* importa =
        menu->addAction(ImmaginiProgramma::icona(QStringLiteral("document-import")),
                        modello ? QStringLiteral("&Importa modello…") : QStringLiteral("&Importa scheda…"));
    importa->setObjectName(QStringLiteral("cmdImportaScheda"));
    importa->setProperty("chiave", QStringLiteral("importaScheda"));
    importa->setToolTip(
        modello ? QStringLiteral("Aggiunge un modello da un file .vibrana di un'altra palestra")
                : QStringLiteral("Aggiunge all'atleta una scheda da un file .vibrana di un'altra palestra"));
    importa->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    menu->setToolTipsVisible(true);
    for (QAction* a : {esporta, importa}) {
        a->setShortcutContext(Qt::WindowShortcut);
        a->setShortcutVisibleInContextMenu(true);
        // The window's shortcuts reach them with the menu closed; the list dispatches them by key.
        if (QWidget* finestra = barra->parentWidget())
            finestra->addAction(a);
        QObject::connect(a, &QAction::triggered, barra, [barra, a] { emit barra->ButtonClick(a); });
    }
}

QString nomeProposto(const SchedaEditabile& s) {
    QString nome;
    if (const auto* m = dynamic_cast<const SchedaModello*>(&s))
        nome = m->descrizione;
    else if (const auto* c = dynamic_cast<const scheda*>(&s))
        nome = (c->cognomeUtente + QLatin1Char(' ') + c->nomeUtente).trimmed();
    if (!s.categoria.isEmpty())
        nome = nome.isEmpty() ? s.categoria : nome + QStringLiteral(" - ") + s.categoria;
    // Characters that some file systems refuse become a dash.
    static const QRegularExpression vietati(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    nome.replace(vietati, QStringLiteral("-"));
    nome = nome.trimmed();
    if (nome.isEmpty())
        nome = s.isModello ? QStringLiteral("Modello") : QStringLiteral("Scheda");
    return nome + QLatin1Char('.') + scambioScheda::estensione;
}

bool esporta(QWidget* padre, const SchedaEditabile& s) {
    const QString titolo = s.isModello ? QStringLiteral("Esporta modello") : QStringLiteral("Esporta scheda");
    QString file =
        dialoghi().salvaFile(padre, titolo, QDir(cartellaProposta()).filePath(nomeProposto(s)), filtro());
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + scambioScheda::estensione;
    QString motivo;
    {
        CursoreAttesa attesa;
        motivo = scambioScheda::scriviFile(file, scambioScheda::esporta(s));
    }
    if (!motivo.isEmpty()) {
        mostraMessaggio(motivo, TipoMessaggio::Errore, Pulsanti::OK);
        return false;
    }
    mostraMessaggio((s.isModello ? QStringLiteral("Modello esportato in \"%1\"")
                                 : QStringLiteral("Scheda esportata in \"%1\""))
                        .arg(QDir::toNativeSeparators(file)),
                    TipoMessaggio::Informazione, Pulsanti::OK);
    return true;
}

std::optional<std::int32_t> importa(QWidget* padre, scambioScheda::Tipo tipo, std::int32_t idUtente) {
    const bool modello = tipo == scambioScheda::Tipo::Modello;
    const QString file = dialoghi().apriFile(
        padre, modello ? QStringLiteral("Importa modello") : QStringLiteral("Importa scheda"),
        cartellaProposta(), filtro());
    if (file.isEmpty())
        return std::nullopt;
    scambioScheda::EsitoImportazione esito;
    {
        CursoreAttesa attesa;
        esito = scambioScheda::importaFile(file, tipo, idUtente);
    }
    if (!esito.riuscito) {
        if (!esito.messaggio.isEmpty())
            mostraMessaggio(esito.messaggio, TipoMessaggio::Errore, Pulsanti::OK);
        return std::nullopt;
    }
    mostraMessaggio(modello ? QStringLiteral("Modello importato") : QStringLiteral("Scheda importata"),
                    TipoMessaggio::Informazione, Pulsanti::OK);
    return esito.id;
}

} // namespace scambioElenchi
