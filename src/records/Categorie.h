#pragma once

#include "data/db.h"
#include "records/Collezione.h"

#include <QString>
#include <cstdint>

// One entry of the read-only category catalogue.
class categoria {
public:
    std::int32_t id_cat = 0;
    QString nome;
};

// Reads the category catalogue and fills drop-down lists with its names.
class Categorie {
public:
    // Every category in ascending order of name.
    Collezione<categoria> getCategorie() const;

    // Appends every name, in the order of getCategorie, to anything with addItem(QString)
    // (a QComboBox, or a stand-in in tests). The list is not emptied first.
    template <typename ListaACascata> void fillcategorie(ListaACascata& comboBox) const {
        const Collezione<categoria> elenco = getCategorie();
        for (long i = 1; i <= elenco.Count(); ++i)
            comboBox.addItem(elenco.Item(i).nome);
    }

private:
    DB db_{QStringLiteral("splash.ps")};
};
