#include "shell/Finestre.h"

RegistroFinestre& finestre() {
    static RegistroFinestre registro;
    return registro;
}

namespace {

std::vector<ModuloFinestre>& moduli() {
    static std::vector<ModuloFinestre> elenco;
    return elenco;
}

} // namespace

bool aggiungiModulo(const ModuloFinestre& modulo) {
    for (ModuloFinestre& m : moduli())
        if (QLatin1String(m.nome) == QLatin1String(modulo.nome)) {
            m = modulo;
            return true;
        }
    moduli().push_back(modulo);
    return true;
}

const std::vector<ModuloFinestre>& moduliFinestre() {
    return moduli();
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
