#include "shell/ImmaginiProgramma.h"

#include "pictures/FileConsegnati.h"
#include "shell/CartellaProgramma.h"

#include <QFont>
#include <QFontMetrics>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>

namespace ImmaginiProgramma {

namespace {
QPixmap carica(const QString& relativo, QSize massimo) {
    QImageReader lettore(percorsoProgramma(relativo));
    lettore.setAutoTransform(true);
    const QSize propria = lettore.size();
    if (propria.isValid() && massimo.isValid() &&
        (propria.width() > massimo.width() || propria.height() > massimo.height()))
        lettore.setScaledSize(propria.scaled(massimo, Qt::KeepAspectRatio));
    return QPixmap::fromImage(lettore.read());
}
} // namespace

QPixmap logoProdotto(QSize massimo) {
    return carica(FileConsegnati::logoProdotto, massimo);
}

QPixmap logoFamiglia(QSize massimo) {
    return carica(FileConsegnati::logoFamiglia, massimo);
}

QPixmap barraMenu() {
    // The product name written upwards, fading into the bar colour at the top.
    const int larghezza = 22;
    const int altezza = 96;
    QPixmap barra(larghezza, altezza);
    QPainter p(&barra);
    QLinearGradient sfumatura(0, 0, 0, altezza);
    sfumatura.setColorAt(0, QColor(255, 128, 128));
    sfumatura.setColorAt(1, QColor(176, 24, 32));
    p.fillRect(barra.rect(), sfumatura);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.translate(larghezza / 2 + QFontMetrics(f).ascent() / 2 - 1, altezza - 6);
    p.rotate(-90);
    p.drawText(0, 0, QStringLiteral("Vibrana"));
    return barra;
}

QIcon icona(const QString& nome) {
    static const bool temaPronto = [] {
        // Without a desktop session Qt may know no theme; the installed Breeze theme has the standard names.
        if (!QIcon::hasThemeIcon(QStringLiteral("document-open")))
            QIcon::setThemeName(QStringLiteral("breeze"));
        return true;
    }();
    (void)temaPronto;
    return QIcon::fromTheme(nome);
}

} // namespace ImmaginiProgramma
