#include "customisation/palestra.h"

#include "base/Messaggi.h"
#include "data/Apici.h"
#include "data/LettoriCampi.h"
#include "data/db.h"

namespace {
// Names keep the house rule (stored with a backtick, read back with the apostrophe); the logo is a
// file path and must still name its file, so its apostrophes are doubled, which the engine stores as one.
QString percorsoSql(const QString& percorso) {
    return raddoppiaApici(percorso);
}
} // namespace

bool palestra::carica() {
    if (leggi())
        return true;
    mostraMessaggio(QStringLiteral("Archivio Vuoto o Problemi di connessione!"), TipoMessaggio::Errore,
                    Pulsanti::OK);
    return false;
}

bool palestra::leggi() {
    RecordSet rs = db().getRs(QStringLiteral("SELECT * From palestra "));
    if (rs.RecordCount() == 0)
        return false;
    nome = DB::ripristinaApici(nzStringa(rs[QStringLiteral("nome")]));
    responsabile = DB::ripristinaApici(nzStringa(rs[QStringLiteral("responsabile")]));
    logo = nzStringa(rs[QStringLiteral("logo")]);
    return true;
}

bool palestra::save() {
    // Every row counts, also one without a name: a second row would never be read back.
    const long n = db().DCount(QStringLiteral("*"), QStringLiteral("palestra"), QString());
    QString sql;
    if (n != 0)
        sql = QStringLiteral("UPDATE palestra ") + QStringLiteral("SET nome= '") + DB::correctApici(nome) +
              QStringLiteral("',responsabile= '") + DB::correctApici(responsabile) +
              QStringLiteral("',logo='") + percorsoSql(logo) + QStringLiteral("' ");
    else
        sql = QStringLiteral("INSERT INTO palestra (nome,responsabile,logo) ") + QStringLiteral("VALUES ('") +
              DB::correctApici(nome) + QStringLiteral("','") + DB::correctApici(responsabile) +
              QStringLiteral("','") + percorsoSql(logo) + QStringLiteral("')");
    return db().Execute(sql);
}
