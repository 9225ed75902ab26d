#include "shell/Finestre.h"

RegistroFinestre& finestre() {
    static RegistroFinestre registro;
    return registro;
}
