#include "shell/Finestre.h"

RegistroFinestre& finestre() {
    static RegistroFinestre registro;
    return registro;
}

std::vector<FinestraElencata>& elencoFinestre() {
    static std::vector<FinestraElencata> elenco;
    return elenco;
}

void elencaFinestra(FinestraElencata voce) {
    for (FinestraElencata& f : elencoFinestre())
        if (f.nome == voce.nome) {
            f = std::move(voce);
            return;
        }
    elencoFinestre().push_back(std::move(voce));
}
