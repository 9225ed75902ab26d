#pragma once

// What the card editor's benchmarks share: a full register in a temporary folder with athlete 1
// (Mario Rossi), the delivered pictures and the picture lists prepared as at start-up, and large cards
// to open.
#include "PreparaBench.h"
#include "base/variabiliGlobali.h"
#include "data/ConnessioneFile.h"
#include "data/CreaArchivio.h"
#include "editor/ImmaginiScheda.h"
#include "editor/RegistraEditor.h"
#include "editor/mdiScheda.h"
#include "records/scheda.h"
#include "shell/SenzaAvanzamento.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdint>

// A stored card of athlete 1 with `esercizi` platform exercises over 40 figures; each note is `nota`
// with the exercise's number for %1.
inline std::int32_t schedaDiProva(int esercizi, const QString& nota) {
    scheda s;
    s.id_utente = 1;
    s.categoria = QStringLiteral("Tonificazione");
    for (int i = 0; i < esercizi; ++i) {
        Esercizio e;
        e.id_fig = 1 + i % 40;
        e.durata = QStringLiteral("45s");
        e.frequenza = QStringLiteral("40Hz");
        e.ampiezza = QStringLiteral("H");
        e.modalita = QStringLiteral("Combinata");
        e.serie = 3;
        e.recuperoMin = 1;
        e.recuperoSec = 30;
        e.note = nota.arg(i + 1);
        s.esercizi.Add(e);
    }
    s.save();
    return s.id_scheda;
}

// The editor opened on card `id` of athlete 1, as the card list opens it.
inline mdiScheda& apriEditor(std::int32_t id) {
    idUtenteSelezionato = 1;
    idSchedaSelezionata = id;
    idModelloSelezionato = 0;
    mdiScheda& e = editorScheda();
    e.mostra();
    return e;
}

// The whole program of an editor benchmark: sets everything up, runs the benchmarks the command line
// chooses and lets the editor and the pictures go.
inline int eseguiBenchmarkEditor(int argc, char** argv) {
    schermoPredefinito();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    creaArchivio(QStringLiteral(VIBRANA_SQL_DIR), dir.path() + QStringLiteral("/splash.ps"));
    usaCartella(dir.path());
    copiaImmaginiConsegnate(dir.path());
    // No sound server: the body map's click returns at once.
    qputenv("PULSE_SERVER", "unix:/inesistente/vibrana-bench");
    ConnessioneFile::apri(dir.path() + QStringLiteral("/splash.ps"))
        ->eseguiScript(QStringLiteral(
            "INSERT INTO utenti (id_utente, nome, cognome, sesso) VALUES (1, 'Mario', 'Rossi', 'M');"));
    SenzaAvanzamento barra;
    preparaImmaginiScheda(barra);
    eseguiBenchmark(&argc, argv);
    scaricaEditorScheda();
    scaricaImmaginiScheda();
    return 0;
}
