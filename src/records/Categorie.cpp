#include "records/Categorie.h"

#include "data/LettoriCampi.h"

Collezione<categoria> Categorie::getCategorie() const {
    RecordSet rs = db_.getRs(QStringLiteral("SELECT * FROM categorie ORDER BY NOME"));
    Collezione<categoria> elenco;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        categoria c;
        c.id_cat = cLong(rs[QStringLiteral("id_cat")]);
        c.nome = cStringa(rs[QStringLiteral("nome")]);
        elenco.Add(std::move(c));
    }
    return elenco;
}
