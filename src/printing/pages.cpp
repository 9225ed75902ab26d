#include "printing/pages.h"

#include "base/Messaggi.h"
#include "customisation/palestra.h"
#include "data/LettoriCampi.h"
#include "records/TestoSql.h"
#include "shell/f_library_core.h"

void pages::createPages(std::int32_t id) {
    if (id != 0)
        id_scheda = id;
    pages.clear();
    auto card = std::make_shared<scheda>();
    card->carica(id_scheda);
    card->caricaEsercizi();
    dividiInFogli(std::move(card));
}

void pages::createPages(const scheda& card) {
    pages.clear();
    auto copia = std::make_shared<scheda>(card);
    copia->esercizi.Clear();
    std::int32_t posto = 0;
    for (const Esercizio& e : card.esercizi) {
        ++posto;
        if (!e.isLibero && e.id_fig == 0)
            continue;
        copia->esercizi.Add(e).nprog = posto;
    }
    // A card not yet stored knows its athlete by number only.
    if (copia->cognomeUtente.isEmpty() && copia->nomeUtente.isEmpty() && copia->id_utente != 0) {
        RecordSet rs = db().getRs(QStringLiteral("SELECT nome, cognome FROM utenti WHERE id_utente = ") +
                                  testoSql::numero(copia->id_utente));
        if (rs.RecordCount() > 0) {
            copia->nomeUtente = testoSql::letto(nzStringa(rs[QStringLiteral("nome")]));
            copia->cognomeUtente = testoSql::letto(nzStringa(rs[QStringLiteral("cognome")]));
        }
    }
    id_scheda = card.id_scheda;
    dividiInFogli(std::move(copia));
}

void pages::dividiInFogli(std::shared_ptr<const scheda> card) {
    const long n = card->esercizi.Count();
    const int fogli = arrotondaSuperiore(static_cast<double>(n) / 10);
    const QString logo = logoPalestraPerStampa();
    const int limite = palestra::leggiLimitePedana();
    for (int s = 1; s <= fogli; ++s) {
        Page p;
        p.id_scheda = id_scheda;
        p.sc = card;
        p.logoPalestra = logo;
        p.limitePedana = limite;
        for (long i = 10L * (s - 1) + 1; i <= std::min(10L * s, n); ++i)
            p.esercizi.Add(card->esercizi[i]);
        p.isLastPage = s == fogli;
        pages.push_back(std::move(p));
    }
}

void pages::OpenCanvas(Foglio& f) {
    f.el(QStringLiteral("info")).testo = QStringLiteral("Printed with: ") + titoloApplicazione();
}

QString testoPagina(int p, int m) {
    return QStringLiteral("Pagina %1/%2").arg(p).arg(m);
}

QString pages::PreviewPage(std::int16_t p, Foglio& f) {
    pages.at(static_cast<std::size_t>(p - 1)).setCanvas(f);
    currentPage = p;
    const QString testo = testoPagina(p, numeroPagine());
    f.el(QStringLiteral("piepagina")).testo = testo;
    return testo;
}
