#include "editor/GGAllenHELPER.h"

#include <array>

namespace GGAllenHELPER {

void impostaGiorni(const QString& flags, ListaSpunte& lista) {
    const int n = std::min<int>(static_cast<int>(flags.size()), lista.numeroVoci());
    for (int i = 0; i < n; ++i)
        if (flags[i] == u'1')
            lista.spunta(i, true);
}

QString leggiGiorni(const ListaSpunte& lista) {
    QString flags;
    for (int i = 0; i < lista.numeroVoci(); ++i)
        flags += lista.spuntata(i) ? QLatin1Char('1') : QLatin1Char('0');
    return flags;
}

QString descriviGiorni(const QString& flags) {
    static const std::array<const char*, 7> giorni = {"LUN", "MAR", "MER", "GIO", "VEN", "SAB", "DOM"};
    if (flags.startsWith(QLatin1Char('1')))
        return QStringLiteral("GIORNALIERO");
    if (flags.size() >= 2 && flags[1] == u'1')
        return QStringLiteral("NESSUNO");
    QString testo;
    for (int i = 2; i < flags.size() && i - 2 < static_cast<int>(giorni.size()); ++i) {
        if (flags[i] != u'1')
            continue;
        if (!testo.isEmpty())
            testo += QStringLiteral(" - ");
        testo += QLatin1String(giorni[static_cast<std::size_t>(i - 2)]);
    }
    return testo;
}

} // namespace GGAllenHELPER
