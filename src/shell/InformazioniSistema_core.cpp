#include "shell/InformazioniSistema_core.h"

#include "base/CartellaProgramma.h"
#include "base/Messaggi.h"
#include "data/ConnessioneServer.h"
#include "data/Server.h"
#include "data/db.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QStringList>
#include <QSysInfo>
#include <QVersionNumber>

namespace {

QString conteggio(const QString& tabella) {
    try {
        RecordSet rs = db().getRs(QStringLiteral("SELECT COUNT(*) FROM ") + tabella);
        return QLocale().toString(rs.campo(0).toLongLong());
    } catch (const std::exception&) {
        return QStringLiteral("non disponibile");
    }
}

QStringList righeArchivio() {
    const QLocale it;
    const QString archivio = db().percorsoArchivio();
    const QFileInfo info(archivio);
    const bool server = db().suServer();
    QStringList righe;
    if (server)
        righe
            << QStringLiteral("Archivio: registro condiviso su %1").arg(indirizzoVisibile(indirizzoServer()));
    else
        righe << QStringLiteral("Archivio: %1 (%2)")
                     .arg(archivio,
                          info.exists() ? it.formattedDataSize(info.size()) : QStringLiteral("non trovato"));
    if (!server && !info.exists())
        return righe;
    const std::pair<const char*, const char*> tabelle[] = {{"Atleti", "utenti"},
                                                           {"Schede", "schede"},
                                                           {"Esercizi delle schede", "Esercizi"},
                                                           {"Schede modello", "schedeModello"},
                                                           {"Esercizi dei modelli", "EserciziModello"},
                                                           {"Categorie", "categorie"},
                                                           {"Figure", "figure"},
                                                           {"Muscoli", "muscoli"}};
    for (const auto& [nome, tabella] : tabelle)
        righe << QStringLiteral("  %1: %2")
                     .arg(QString::fromUtf8(nome), conteggio(QString::fromLatin1(tabella)));
    return righe;
}

} // namespace

QString testoVersione() {
    const QVersionNumber v = QVersionNumber::fromString(QStringLiteral(VIBRANA_VERSIONE));
    return QStringLiteral("Versione %1.%2.%3")
        .arg(v.majorVersion())
        .arg(v.minorVersion())
        .arg(v.microVersion());
}

QString testoInformazioniSistema(const ModoSchermo& schermo) {
    QStringList righe;
    const QLocale it;
    righe << QStringLiteral("Programma: %1 %2").arg(titoloApplicazione(), testoVersione());
    righe << QStringLiteral("Sistema operativo: %1").arg(QSysInfo::prettyProductName());
    righe << QStringLiteral("Kernel: %1 %2 (%3)")
                 .arg(QSysInfo::kernelType(), QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture());
    righe << QStringLiteral("Qt: %1 (compilato con %2), piattaforma grafica \"%3\"")
                 .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR),
                      QGuiApplication::platformName());
    righe << QStringLiteral("Schermo: %1 x %2 pixel, %3 bit per pixel")
                 .arg(schermo.larghezza)
                 .arg(schermo.altezza)
                 .arg(schermo.profondita);
    if (QScreen* s = QGuiApplication::primaryScreen())
        righe << QStringLiteral("Punti per pollice: %1, scala %2")
                     .arg(it.toString(s->logicalDotsPerInch(), 'f', 0),
                          it.toString(s->devicePixelRatio(), 'f', 2));
    righe << QStringLiteral("Cartella del programma: %1").arg(cartellaProgramma());
    righe << righeArchivio();
    return righe.join(QLatin1Char('\n'));
}
