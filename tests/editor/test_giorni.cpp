#include "editor/GGAllenHELPER.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// The nine-entry day list of the card header, without a window.
struct ListaGiorni : ListaSpunte {
    std::vector<bool> voci = std::vector<bool>(9, false);
    int numeroVoci() const override { return static_cast<int>(voci.size()); }
    bool spuntata(int i) const override { return voci.at(static_cast<size_t>(i)); }
    void spunta(int i, bool v) override { voci.at(static_cast<size_t>(i)) = v; }
};

TEST(GGAllenHELPER, DescriviGiorni) {
    struct {
        const char* flags;
        const char* testo;
    } casi[] = {
        {"001010100", "LUN - MER - VEN"},
        {"000000001", "DOM"},
        {"001111111", "LUN - MAR - MER - GIO - VEN - SAB - DOM"},
        {"101111111", "GIORNALIERO"},
        {"011000001", "NESSUNO"},
        {"110000000", "GIORNALIERO"},
        {"000000000", ""},
        {"", ""},
        {"1", "GIORNALIERO"},
        {"01", "NESSUNO"},
        {"0001", "MAR"},
        {"0000000011", "DOM"}, // nothing is printed beyond Sunday
    };
    for (const auto& c : casi)
        EXPECT_EQ(GGAllenHELPER::descriviGiorni(QString::fromUtf8(c.flags)).toStdString(), c.testo)
            << c.flags;
}

TEST(GGAllenHELPER, ImpostaELeggiGiorni) {
    struct {
        const char* flags;
        const char* letti;
    } casi[] = {
        {"001010100", "001010100"},
        {"", "000000000"}, // nothing chosen yet: nine characters at the first read
        {"1", "100000000"},
        {"0000000011", "000000001"}, // positions beyond the list are ignored
    };
    for (const auto& c : casi) {
        ListaGiorni lista;
        GGAllenHELPER::impostaGiorni(QString::fromUtf8(c.flags), lista);
        EXPECT_EQ(GGAllenHELPER::leggiGiorni(lista).toStdString(), c.letti) << c.flags;
    }

    // "0" positions leave an entry as it was.
    ListaGiorni lista;
    lista.spunta(4, true);
    GGAllenHELPER::impostaGiorni(QStringLiteral("001000000"), lista);
    EXPECT_EQ(GGAllenHELPER::leggiGiorni(lista), QStringLiteral("001010000"));
}

} // namespace
