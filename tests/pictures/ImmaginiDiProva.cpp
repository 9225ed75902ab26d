#include "ImmaginiDiProva.h"

#include "base/CartellaProgramma.h"
#include "editor/CancelloEditor.h"
#include "editor/ImmaginiScheda.h"
#include "shell/SenzaAvanzamento.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

void ImmaginiDiProva::SetUp() {
    ArchivioDiProva::SetUp();
    ASSERT_TRUE(copiaImmaginiConsegnate());
    eseguiDiretto(QStringLiteral(
        "INSERT INTO figure (id_fig, numero, ID_MAC, figura) VALUES"
        " (1, 1, 'VIBRANA', 'images\\esercizi\\vibrana_001.JPG'),"
        " (2, 2, 'VIBRANA', 'images\\esercizi\\vibrana_002.JPG'),"
        " (3, 3, 'VIBRANA', 'images\\esercizi\\vibrana_003.JPG'),"
        " (5, 4, 'VIBRANA', 'images\\esercizi\\vibrana_004.JPG'),"
        " (13, 12.5, 'VIBRANA', 'images\\esercizi\\vibrana_012_5.JPG');"
        "INSERT INTO figure_muscoli (id_fig, id_muscolo) VALUES"
        " (1, 'PET'), (2, 'DAL'), (2, 'DEP'), (3, 'DEP'), (5, 'QUA'), (13, 'PET'), (13, 'GLU');"));
    SenzaAvanzamento barra;
    caricaImmaginiScheda(barra);
    setPuoiChiudereEditor(false);
    // No sound server: the click returns at once instead of looking for one.
    qputenv("PULSE_SERVER", "unix:/inesistente/vibrana-prova");
}

void ImmaginiDiProva::TearDown() {
    qunsetenv("PULSE_SERVER");
    scaricaImmaginiScheda();
    setPuoiChiudereEditor(false);
    ArchivioDiProva::TearDown();
}

QString ImmaginiDiProva::percorso(const QString& relativo) const {
    return percorsoProgramma(relativo);
}

void ImmaginiDiProva::rimuovi(const QString& relativo) const {
    const QString p = percorso(relativo);
    ASSERT_TRUE(QFileInfo::exists(p)) << qPrintable(p);
    ASSERT_TRUE(QFile::remove(p));
}
