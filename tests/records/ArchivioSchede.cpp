#include "ArchivioSchede.h"

std::int32_t ArchivioSchede::atletaDiretto(const QString& cognome, const QString& nome) const {
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) "
                                 "VALUES ('%1', '%2', '1990-03-04', 'F', 'nota')")
                      .arg(nome, cognome));
    return static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_utente) FROM utenti")));
}

std::int32_t ArchivioSchede::schedaDiretta(std::int32_t idUtente, int esercizi) const {
    eseguiDiretto(QStringLiteral("INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, "
                                 "FreqAllen, GGAllen, Obiettivo, note) VALUES (%1, 'Anna', '2026-01-10', "
                                 "'2026-01-31', 1, 3, '001010100', 'obiettivo', 'note finali')")
                      .arg(idUtente));
    const auto id =
        static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_scheda) FROM schede")));
    eserciziDiretti(
        QStringLiteral("Esercizi"), id, esercizi, [](int i) { return 100 + i; },
        QStringLiteral("'30s', '35Hz', 'L', 1, 0, 2, 'Combinata', '', 0, 'es %1'"));
    return id;
}

std::int32_t ArchivioSchede::modelloDiretto(const QString& descrizione, int esercizi,
                                            bool preimpostata) const {
    eseguiDiretto(QStringLiteral("INSERT INTO schedeModello (id_cat, descrizione, preimpostata, note) "
                                 "VALUES (2, '%1', %2, 'note del modello')")
                      .arg(QString(descrizione).replace(QLatin1Char('\''), QStringLiteral("''")))
                      .arg(preimpostata ? 1 : 0));
    const auto id =
        static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_Scheda) FROM schedeModello")));
    eserciziDiretti(
        QStringLiteral("EserciziModello"), id, esercizi, [](int i) { return 200 + i; },
        QStringLiteral("'45s', '40Hz', 'H', 0, 45, 2, 'Statico a carico naturale', '5 kg', 0, 'modello %1'"));
    return id;
}

qlonglong ArchivioSchede::conta(const QString& tabella, const QString& condizione) const {
    return contaDiretto(QStringLiteral("SELECT count(*) FROM %1 WHERE %2").arg(tabella, condizione));
}

QStringList ArchivioSchede::istruzioni() const {
    return istruzioniInviate();
}

Esercizio ArchivioSchede::esercizio(std::int32_t idFig, const QString& note) {
    Esercizio e;
    e.id_fig = idFig;
    e.durata = QStringLiteral("30s");
    e.frequenza = QStringLiteral("35Hz");
    e.ampiezza = QStringLiteral("L");
    e.recuperoMin = 1;
    e.recuperoSec = 30;
    e.serie = 3;
    e.modalita = QStringLiteral("Statico a carico naturale");
    e.peso = QString();
    e.note = note;
    return e;
}

Esercizio ArchivioSchede::libero(const QString& descrizione) {
    Esercizio e;
    e.isLibero = true;
    e.note = descrizione;
    return e;
}
