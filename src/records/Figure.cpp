#include "records/Figure.h"

#include "base/CartellaProgramma.h"
#include "base/Messaggi.h"
#include "data/LettoriCampi.h"

QString figura::Figura() const {
    return percorsoProgramma(percorso_);
}

bool figura::carica(std::int32_t id) {
    RecordSet rs = db().getRs(QStringLiteral("SELECT * From figure WHERE id_fig = ") + QString::number(id));
    if (rs.RecordCount() == 0) {
        mostraMessaggio(QStringLiteral("ERR:Problemi di connessione"), TipoMessaggio::Errore, Pulsanti::OK);
        return false;
    }
    id_fig = cLong(rs[QStringLiteral("id_fig")]);
    numero = static_cast<float>(cSingle(rs[QStringLiteral("numero")]));
    ID_MAC = cStringa(rs[QStringLiteral("ID_MAC")]);
    percorso_ = cStringa(rs[QStringLiteral("figura")]);
    return true;
}

void Figure::init(bool distinct) {
    isVibranaLoaded = cBool(db_.Dlookup(QStringLiteral("Caricata"), QStringLiteral("Macchinari"),
                                        QStringLiteral("ID_MAC ='VIBRANA'")));
    isOstrelLoaded = cBool(db_.Dlookup(QStringLiteral("Caricata"), QStringLiteral("Macchinari"),
                                       QStringLiteral("ID_MAC ='OSTREL'")));
    if (isVibranaLoaded)
        caricaFigure(figureVibrana, QStringLiteral("VIBRANA"), distinct);
    if (isOstrelLoaded)
        caricaFigure(figureOstrel, QStringLiteral("OSTREL"), distinct);
    caricaMuscoli();
}

void Figure::caricaFigure(Collezione<figura>& figure, const QString& ID_MAC, bool distinct) {
    const QString origine = distinct ? QStringLiteral("figure") : QStringLiteral("vw_figure_muscoli");
    RecordSet rs =
        db_.getRs(QStringLiteral("SELECT * FROM ") + origine + QStringLiteral(" WHERE ID_MAC = '") + ID_MAC +
                  QStringLiteral("' ORDER BY NUMERO"));
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        figura f;
        f.id_fig = cLong(rs[QStringLiteral("id_fig")]);
        f.ID_MAC = cStringa(rs[QStringLiteral("ID_MAC")]);
        if (!distinct) {
            f.id_muscolo = cStringa(rs[QStringLiteral("id_muscolo")]);
            f.nomeMuscolo = cStringa(rs[QStringLiteral("nome")]);
        }
        f.numero = static_cast<float>(cSingle(rs[QStringLiteral("numero")]));
        f.setFigura(cStringa(rs[QStringLiteral("figura")]));
        figure.Add(std::move(f));
    }
}

void Figure::caricaMuscoli() {
    RecordSet rs = db_.getRs(QStringLiteral("SELECT  * FROM muscoli ORDER BY NOME"));
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        muscolo m;
        m.id_muscolo = cStringa(rs[QStringLiteral("id_muscolo")]);
        m.nome = cStringa(rs[QStringLiteral("nome")]);
        m.nomeMuscolo = cStringa(rs[QStringLiteral("nomeMuscolo")]);
        muscoli.Add(std::move(m));
    }
}
