#pragma once

#include "comune/ArchivioDiProva.h"

#include <QString>

// A test program folder that also holds the delivered pictures (copied from the build's program
// folder), a small figure catalogue, and the editor's picture lists loaded from it.
//
// Figures (id, number, muscles): 1 [1] PET; 2 [2] DAL+DEP (two muscles named "Deltoidi");
// 3 [3] DEP; 5 [4] QUA; 13 [12.5] PET+GLU. The identifiers differ from the numbers on purpose.
class ImmaginiDiProva : public ArchivioDiProva {
protected:
    void SetUp() override;
    void TearDown() override;

    // Full path of a program-folder file given with "\".
    QString percorso(const QString& relativo) const;
    // Removes a delivered file (a missing picture).
    void rimuovi(const QString& relativo) const;
};
