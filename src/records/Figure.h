#pragma once

#include "data/db.h"
#include "records/Collezione.h"

#include <QString>
#include <cstdint>

// One picture of the exercise catalogue.
class figura {
public:
    std::int32_t id_fig = 0;
    float numero = 0; // catalogue order and the number shown to the user
    QString ID_MAC;
    // Filled only when the figure was read together with one of its muscles.
    QString id_muscolo;
    QString nomeMuscolo;

    // Full path of the picture file: the program folder and the stored relative path, found
    // without regard to letter case. Whether the file exists is not checked.
    QString Figura() const;
    // Stores the text unchanged as the relative path.
    void setFigura(const QString& relativo) { percorso_ = relativo; }
    const QString& percorsoRelativo() const { return percorso_; }

    // Loads one figure by identifier; a missing one is reported and gives false.
    bool carica(std::int32_t id);

private:
    QString percorso_;
};

// One muscle group of the catalogue.
class muscolo {
public:
    QString id_muscolo; // the body map's group code
    QString nome;
    QString nomeMuscolo;
};

// The whole read-only catalogue: figures of the machines that are switched on, and the muscles.
class Figure {
public:
    bool isVibranaLoaded = false;
    bool isOstrelLoaded = false;
    Collezione<figura> figureVibrana; // ascending figure number
    Collezione<figura> figureOstrel;
    Collezione<muscolo> muscoli; // ascending name

    // distinct false: a figure appears once per muscle it trains, carrying that muscle;
    // distinct true: once, without muscle. Lists are appended to, not emptied.
    void init(bool distinct);
    void caricaFigure(Collezione<figura>& figure, const QString& ID_MAC, bool distinct);

private:
    void caricaMuscoli();

    DB db_{QStringLiteral("splash.ps")};
};
