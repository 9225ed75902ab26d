#include "printing/Foglio.h"

#include "base/Errore.h"

ElementoFoglio ElementoFoglio::posto(Tipo tipo, const QString& nome, int indice, double left, double top,
                                     double width, double height) {
    ElementoFoglio e;
    e.tipo = tipo;
    e.nome = nome;
    e.indice = indice;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    return e;
}

ElementoFoglio& Foglio::aggiungi(ElementoFoglio e) {
    const QString k = chiave(e.nome, e.indice);
    posizioni_.insert(k, elementi_.size());
    elementi_.push_back(std::move(e));
    return elementi_.back();
}

QString Foglio::chiave(const QString& nome, int indice) {
    return nome + QLatin1Char('#') + QString::number(indice);
}

const ElementoFoglio* Foglio::trova(const QString& nome, int indice) const {
    const auto it = posizioni_.constFind(chiave(nome, indice));
    return it == posizioni_.constEnd() ? nullptr : &elementi_[it.value()];
}

const ElementoFoglio& Foglio::el(const QString& nome, int indice) const {
    const ElementoFoglio* e = trova(nome, indice);
    if (!e)
        throw Errore(NumeriErrore::ElementoNonTrovato,
                     QStringLiteral("Elemento del foglio non trovato: %1(%2)").arg(nome).arg(indice));
    return *e;
}

ElementoFoglio& Foglio::el(const QString& nome, int indice) {
    return const_cast<ElementoFoglio&>(std::as_const(*this).el(nome, indice));
}

namespace ElementiFoglio {
ElementoFoglio etichetta(const QString& nome, int indice, double left, double top, double width,
                         double height, const QString& testo, const QStringList& famiglie, double punti,
                         bool grassetto, bool corsivo) {
    ElementoFoglio e =
        ElementoFoglio::posto(ElementoFoglio::Tipo::Etichetta, nome, indice, left, top, width, height);
    e.testo = testo;
    e.famiglie = famiglie;
    e.punti = punti;
    e.grassetto = grassetto;
    e.corsivo = corsivo;
    return e;
}

ElementoFoglio immagine(const QString& nome, int indice, double left, double top, double width, double height,
                        const QString& file) {
    ElementoFoglio e =
        ElementoFoglio::posto(ElementoFoglio::Tipo::Immagine, nome, indice, left, top, width, height);
    e.immagine = file;
    return e;
}

ElementoFoglio linea(const QString& nome, double x1, double y1, double x2, double y2) {
    ElementoFoglio e = ElementoFoglio::posto(ElementoFoglio::Tipo::Linea, nome, -1, x1, y1, x2 - x1, y2 - y1);
    e.colore = QColor(0xC0, 0xC0, 0xC0);
    return e;
}
} // namespace ElementiFoglio

namespace FamiglieFoglio {
QStringList msSansSerif() {
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
            QStringLiteral("DejaVu Sans")};
}
QStringList arial() {
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}
QStringList verdana() {
    return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
}
QStringList centuryGothic() {
    return {QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"), QStringLiteral("DejaVu Sans")};
}
QStringList timesNewRoman() {
    return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
            QStringLiteral("DejaVu Serif")};
}
} // namespace FamiglieFoglio
