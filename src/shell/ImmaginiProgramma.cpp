#include "shell/ImmaginiProgramma.h"

#include "base/CartellaProgramma.h"
#include "base/ImmaginiNonLette.h"
#include "pictures/FileConsegnati.h"
#include "pictures/LeggiImmagine.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QStandardPaths>

namespace ImmaginiProgramma {

namespace {
QPixmap carica(const QString& relativo, QSize massimo) {
    const QString percorso = percorsoProgramma(relativo);
    const QSize propria = dimensioneImmagine(percorso);
    // The size on screen stays the file's, or what fits `massimo`; on a dense display it is decoded
    // with as many of the file's pixels as that size covers there, so the logo stays sharp.
    QSize logica = propria;
    if (propria.isValid() && massimo.isValid() &&
        (propria.width() > massimo.width() || propria.height() > massimo.height()))
        logica = propria.scaled(massimo, Qt::KeepAspectRatio);
    const qreal densita = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QSize pixel = logica;
    if (logica.isValid() && densita > 1)
        pixel = (QSizeF(logica) * densita).toSize().boundedTo(propria.expandedTo(logica));
    const QImage immagine = leggiImmagine(percorso, pixel != propria ? pixel : QSize());
    if (immagine.isNull())
        segnalaImmagineNonLetta(percorso);
    QPixmap risultato = QPixmap::fromImage(immagine);
    if (!risultato.isNull() && logica.isValid() && logica.width() > 0)
        risultato.setDevicePixelRatio(static_cast<qreal>(risultato.width()) / logica.width());
    return risultato;
}
} // namespace

QPixmap logoProdotto(QSize massimo) {
    return carica(FileConsegnati::logoProdotto, massimo);
}

QPixmap logoFamiglia(QSize massimo) {
    return carica(FileConsegnati::logoFamiglia, massimo);
}

QPixmap barraMenu() {
    // The product name written upwards in the lowest 46 pixels, so that even a menu of two items shows
    // it whole; above it the picture fades into the bar colour that fills the rest of the bar.
    const int larghezza = 22;
    const int altezza = 72;
    const int spazioTesto = 44;
    const QString nome = QStringLiteral("Vibrana");
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    for (int px = 15; px >= 8; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(nome) <= spazioTesto)
            break;
    }
    QPixmap barra(larghezza, altezza);
    QPainter p(&barra);
    QLinearGradient sfumatura(0, 0, 0, altezza);
    sfumatura.setColorAt(0, QColor(255, 128, 128));
    sfumatura.setColorAt(1, QColor(176, 24, 32));
    p.fillRect(barra.rect(), sfumatura);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(f);
    p.setPen(Qt::white);
    const QFontMetrics fm(f);
    p.translate(larghezza / 2 + (fm.ascent() - fm.descent()) / 2, altezza - 3);
    p.rotate(-90);
    p.drawText(0, 0, nome);
    return barra;
}

QIcon icona(const QString& nome) {
    static const bool temaPronto = [] {
        // Without a desktop session (or on the offscreen platform) Qt may know neither the icon folders
        // nor a theme; the installed Breeze theme has every standard name.
        QStringList cartelle = QIcon::themeSearchPaths();
        for (const QString& c :
             QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                       QStandardPaths::LocateDirectory))
            if (!cartelle.contains(c))
                cartelle << c;
        QIcon::setThemeSearchPaths(cartelle);
        if (!QIcon::hasThemeIcon(QStringLiteral("document-open")))
            QIcon::setThemeName(QStringLiteral("breeze"));
        return true;
    }();
    (void)temaPronto;
    return QIcon::fromTheme(nome);
}

} // namespace ImmaginiProgramma
