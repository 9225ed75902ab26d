#include "shell/ModuloBase.h"

#include "data/db.h"
#include "shell/CartellaProgramma.h"
#include "shell/Errore.h"
#include "shell/Logger.h"
#include "shell/Messaggi.h"
#include "shell/variabiliGlobali.h"

#include <QMainWindow>
#include <QSettings>

namespace {
QMainWindow* finestraPrincipale = nullptr;
}

void registraPercorso() {
    QSettings impostazioni(titoloApplicazione(), titoloApplicazione());
    // A key at the root is stored in the settings file's [General] section.
    impostazioni.setValue(QStringLiteral("Path"), cartellaProgramma());
    impostazioni.sync();
}

bool Main() {
    try {
        logger().log(QStringLiteral("Application START"));
        db().dbName = QStringLiteral("splash.ps");
        registraPercorso();
        inChiusura = false;
        if (!finestraPrincipale) {
            finestraPrincipale = new QMainWindow;
            finestraPrincipale->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(finestraPrincipale, &QObject::destroyed, [] { finestraPrincipale = nullptr; });
        }
        finestraPrincipale->setWindowTitle(QStringLiteral(" Arvel"));
        finestraPrincipale->resize(1024, 700);
        finestraPrincipale->show();
        logger().log(QStringLiteral("Application END"));
        return true;
    } catch (const Errore& e) {
        mostraMessaggio(e.descrizione() + e.sorgente(), TipoMessaggio::Errore, Pulsanti::OK);
    } catch (const std::exception& e) {
        mostraMessaggio(QString::fromLocal8Bit(e.what()), TipoMessaggio::Errore, Pulsanti::OK);
    }
    return false;
}
