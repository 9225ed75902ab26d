#include "ArchivioStampa.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>

QString ArchivioStampa::immagine(const QString& relativo, QColor colore, int w, int h) const {
    const QString percorso = QDir(cartella()).absoluteFilePath(relativo);
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colore);
    EXPECT_TRUE(img.save(percorso, "JPG", 95)) << percorso.toStdString();
    return percorso;
}

QString ArchivioStampa::immagineRumorosa(const QString& relativo, int lato) const {
    const QString percorso = QDir(cartella()).absoluteFilePath(relativo);
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QImage img(lato, lato, QImage::Format_RGB32);
    QRandomGenerator caso(7);
    for (int y = 0; y < lato; ++y)
        for (int x = 0; x < lato; ++x)
            img.setPixel(x, y, caso.generate() | 0xFF000000u);
    EXPECT_TRUE(img.save(percorso, "JPG", 95)) << percorso.toStdString();
    return percorso;
}

void ArchivioStampa::figura(std::int32_t id, QColor colore, int w, int h) const {
    const QString relativo = QStringLiteral("images/esercizi/f%1.jpg").arg(id);
    immagine(relativo, colore, w, h);
    eseguiDiretto(QStringLiteral("INSERT INTO figure (id_fig, numero, ID_MAC, figura) "
                                 "VALUES (%1, %1, 'VIBRANA', 'images\\esercizi\\f%1.jpg')")
                      .arg(id));
}

std::int32_t ArchivioStampa::scheda(int esercizi, const QString& note, const QString& giorni,
                                    std::int32_t idFig) const {
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) "
                                 "VALUES ('Mario', 'Rossi', '1990-03-04', 'M', '')"));
    const auto utente = contaDiretto(QStringLiteral("SELECT max(id_utente) FROM utenti"));
    eseguiDiretto(QStringLiteral("INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, "
                                 "FreqAllen, GGAllen, Obiettivo, note) VALUES (%1, 'Anna Bianchi', "
                                 "'2026-12-01', '2026-12-22', 1, 3, '%2', 'tono', '%3')")
                      .arg(utente)
                      .arg(giorni, QString(note).replace(QLatin1Char('\''), QStringLiteral("''"))));
    const auto id =
        static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_scheda) FROM schede")));
    eserciziDiretti(
        QStringLiteral("Esercizi"), id, esercizi, [idFig](int) { return idFig; },
        QStringLiteral("'30s', '35Hz', 'L', 1, 30, 3, 'Combinata', '5 kg', 0, 'esercizio %1'"));
    return id;
}

void ArchivioStampa::palestraDiretta(const QString& logo) const {
    eseguiDiretto(QStringLiteral("DELETE FROM palestra"));
    eseguiDiretto(QStringLiteral("INSERT INTO palestra (nome, responsabile, logo) VALUES ('Palestra Sole', "
                                 "'Gino', '%1')")
                      .arg(QString(logo).replace(QLatin1Char('\''), QStringLiteral("''"))));
}

Esercizio ArchivioStampa::esercizio(std::int32_t nprog, std::int32_t idFig) {
    Esercizio e;
    e.nprog = nprog;
    e.id_fig = idFig;
    e.durata = QStringLiteral("30s");
    e.frequenza = QStringLiteral("40Hz");
    e.ampiezza = QStringLiteral("H");
    e.recuperoMin = 1;
    e.recuperoSec = 30;
    e.serie = 3;
    e.modalita = QStringLiteral("Combinata");
    e.peso = QStringLiteral("5 kg");
    e.note = QStringLiteral("lento");
    return e;
}

Esercizio ArchivioStampa::libero(std::int32_t nprog, const QString& descrizione) {
    Esercizio e;
    e.nprog = nprog;
    e.isLibero = true;
    e.note = descrizione;
    return e;
}
