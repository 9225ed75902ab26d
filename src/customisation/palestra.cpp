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

const QString palestra::parametroLimitePedana = QStringLiteral("LIMITE_TEMPO_PEDANA");

int palestra::leggiLimitePedana() {
    bool ok = false;
    const int secondi = db().Load_Param(parametroLimitePedana).trimmed().toInt(&ok);
    return ok && secondi > 0 ? secondi : 0;
}

bool palestra::carica() {
    if (leggi())
        return true;
    mostraMessaggio(QStringLiteral("Archivio Vuoto o Problemi di connessione!"), TipoMessaggio::Errore,
                    Pulsanti::OK);
    return false;
}

bool palestra::leggi() {
    // Kept apart from the row, so it is there even for a gym whose row was never written.
    limitePedana = leggiLimitePedana();
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
    Transazione t(db());
    const bool scritto = db().Execute(sql);
    // Written only when it changes: a gym that never sets one keeps the register as it was.
    const int limite = qMax(0, limitePedana);
    if (limite != leggiLimitePedana())
        db().Save_Param(parametroLimitePedana, limite > 0 ? QString::number(limite) : QString());
    return scritto && t.commit();
}
