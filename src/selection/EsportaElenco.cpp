#include "selection/EsportaElenco.h"

#include "base/Messaggi.h"
#include "printing/DialoghiStampa.h"
#include "shell/CursoreAttesa.h"

#include <QDir>
#include <QStandardPaths>
#include <QTreeWidget>

bool esportaElenco(QWidget* padre, const QString& titolo, const QString& nomeProposto,
                   const std::function<TabellaCsv()>& tabella, int righe) {
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (cartella.isEmpty())
        cartella = QDir::homePath();
    QString percorso = dialoghi().salvaFile(padre, titolo, QDir(cartella).filePath(nomeProposto),
                                            QStringLiteral("File CSV per fogli di calcolo (*.csv)"));
    if (percorso.isEmpty())
        return false;
    if (QFileInfo(percorso).suffix().isEmpty())
        percorso += QStringLiteral(".csv");
    const bool scritto = proteggi([&] {
        CursoreAttesa attesa;
        tabella().salva(percorso);
    });
    if (scritto)
        mostraMessaggio(
            QStringLiteral("%1 esportate nel file %2.")
                .arg(righe == 1 ? QStringLiteral("1 riga") : QStringLiteral("%1 righe").arg(righe),
                     QDir::toNativeSeparators(percorso)),
            TipoMessaggio::Informazione, Pulsanti::OK);
    return scritto;
}

std::vector<long> idInOrdine(const QTreeWidget* lista) {
    std::vector<long> id;
    id.reserve(static_cast<std::size_t>(lista->topLevelItemCount()));
    for (int i = 0; i < lista->topLevelItemCount(); ++i)
        id.push_back(lista->topLevelItem(i)->text(0).toLong());
    return id;
}
