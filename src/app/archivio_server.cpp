#include "app/archivio_server.h"

#include "base/RigaComando.h"
#include "data/ArchivioServer.h"
#include "data/ConnessioneServer.h"

#include <QFileInfo>
#include <cstdio>

namespace {

// The README shows this text as it is printed; a test holds the two together.
int uso() {
    scriviRiga(
        QStringLiteral("Uso:\n"
                       "  vibrana-archivio server crea INDIRIZZO         crea l'archivio (vuoto, con il "
                       "catalogo) sul server\n"
                       "  vibrana-archivio server migra FILE INDIRIZZO   copia l'archivio FILE sul server "
                       "(che deve essere vuoto)\n"
                       "  vibrana-archivio server verifica INDIRIZZO     controlla l'archivio sul server\n"
                       "INDIRIZZO è una stringa di connessione, per esempio "
                       "postgresql://utente@host/vibrana"),
        stderr);
    return 2;
}

} // namespace

int comandoServer(const QStringList& a) {
    if (a.isEmpty())
        return uso();
    const QString comando = a[0];
    return eseguiRigaComando([&]() -> int {
        if (comando == QLatin1String("crea") && a.size() == 2) {
            creaArchivioServer(a[1]);
            scriviRiga(QStringLiteral("Archivio creato sul server %1").arg(indirizzoVisibile(a[1])), stdout);
            return 0;
        }
        if (comando == QLatin1String("migra") && a.size() == 3) {
            if (!QFileInfo(a[1]).isFile()) {
                scriviRiga(QStringLiteral("Errore: il file \"%1\" non esiste.").arg(a[1]), stderr);
                return 1;
            }
            migraArchivioServer(a[1], a[2]);
            scriviRiga(QStringLiteral("Archivio %1 copiato sul server %2").arg(a[1], indirizzoVisibile(a[2])),
                       stdout);
            for (const QString& r : contaRigheServer(a[2]))
                scriviRiga(QStringLiteral("  ") + r, stdout);
            return 0;
        }
        if (comando == QLatin1String("verifica") && a.size() == 2) {
            const QString dove = indirizzoVisibile(a[1]);
            const QStringList problemi = verificaArchivioServer(a[1]);
            if (!problemi.isEmpty()) {
                scriviRiga(QStringLiteral("L'archivio sul server %1 non è integro:").arg(dove), stderr);
                for (const QString& p : problemi)
                    scriviRiga(QStringLiteral("  ") + p, stderr);
                return 1;
            }
            scriviRiga(QStringLiteral("L'archivio sul server %1 è integro.").arg(dove), stdout);
            for (const QString& r : contaRigheServer(a[1]))
                scriviRiga(QStringLiteral("  ") + r, stdout);
            return 0;
        }
        return uso();
    });
}
