#include "ControlloFinestre.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QWidget>
#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

namespace {

// Positions designed in twips round to whole pixels: a control may reach one pixel past its holder
// (the picture selection's tab strip is designed 15 twips left of its window).
constexpr int arrotondamento = 1;

QRect conArrotondamento(const QRect& r) {
    return r.adjusted(-arrotondamento, -arrotondamento, arrotondamento, arrotondamento);
}

QString nome(const QWidget* w) {
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

QString testo(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The text as shown: an ampersand marks the access key and is not drawn.
QString senzaTastoRapido(QString t) {
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return t;
}

// Cut text is allowed where the tooltip shows it whole.
bool tooltipLoMostra(const QWidget* w, const QString& t) {
    const QString tip = w->toolTip();
    if (tip.isEmpty())
        return false;
    if (Qt::mightBeRichText(tip)) {
        QTextDocument d;
        d.setHtml(tip);
        return d.toPlainText().simplified().contains(t.simplified());
    }
    return tip.simplified().contains(t.simplified());
}

// A scroll bar on view that moves what `contenitore` holds: the scroll area's own, or one beside the
// holder or inside it.
bool barraVisibile(const QWidget* contenitore, Qt::Orientation verso) {
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(contenitore->parentWidget());
        area && area->viewport() == contenitore)
        return (verso == Qt::Horizontal ? area->horizontalScrollBar() : area->verticalScrollBar())
            ->isVisible();
    for (const QWidget* w : {contenitore, static_cast<const QWidget*>(contenitore->parentWidget())}) {
        if (!w)
            continue;
        for (const QScrollBar* b : w->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
            if (b->isVisible() && b->orientation() == verso)
                return true;
    }
    return false;
}

// A child may reach beyond what holds it only where a scroll bar on view brings the rest in.
bool scorreVerso(const QWidget* contenitore, const QRect& figlio) {
    const QRect dentro = contenitore->rect();
    const bool oltreX = figlio.left() < dentro.left() || figlio.right() > dentro.right();
    const bool oltreY = figlio.top() < dentro.top() || figlio.bottom() > dentro.bottom();
    return (!oltreX || barraVisibile(contenitore, Qt::Horizontal)) &&
           (!oltreY || barraVisibile(contenitore, Qt::Vertical));
}

void controllaEtichetta(const QLabel* l, QStringList& difetti) {
    if (l->text().isEmpty() || (!l->pixmap().isNull()))
        return;
    const QRect spazio = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    // With a buddy the ampersand marks the access key and is not drawn.
    QString mostrato = l->buddy() ? senzaTastoRapido(l->text()) : l->text();
    QSize serve;
    const bool ricco = l->textFormat() == Qt::RichText ||
                       (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
    if (!ricco && l->wordWrap()) {
        const QRect r =
            QFontMetrics(l->font()).boundingRect(spazio, Qt::TextWordWrap | l->alignment(), mostrato);
        serve = QSize(0, r.height());
    } else if (ricco) {
        QTextDocument d;
        d.setDefaultFont(l->font());
        d.setDocumentMargin(0);
        if (ricco)
            d.setHtml(l->text());
        else
            d.setPlainText(l->text());
        mostrato = d.toPlainText();
        if (l->wordWrap())
            d.setTextWidth(spazio.width());
        serve = QSize(qCeil(l->wordWrap() ? 0 : d.idealWidth()), qCeil(d.size().height()));
    } else {
        const QFontMetrics fm(l->font());
        const QStringList righe = mostrato.split(QLatin1Char('\n'));
        int larghezza = 0;
        for (const QString& r : righe)
            larghezza = qMax(larghezza, fm.horizontalAdvance(r));
        serve = QSize(larghezza, fm.height() * static_cast<int>(righe.size()));
    }
    if ((serve.width() <= spazio.width() && serve.height() <= spazio.height()) ||
        tooltipLoMostra(l, mostrato))
        return;
    difetti << QStringLiteral("%1: il testo \"%2\" richiede %3x%4, lo spazio e' %5x%6")
                   .arg(nome(l), mostrato.left(60))
                   .arg(serve.width())
                   .arg(serve.height())
                   .arg(spazio.width())
                   .arg(spazio.height());
}

void controllaPulsante(const QAbstractButton* b, QStringList& difetti) {
    const QString t = senzaTastoRapido(b->text());
    if (t.isEmpty())
        return;
    QSize serve;
    QSize spazio = b->size();
    if (qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b) ||
        qobject_cast<const QToolButton*>(b)) {
        // These draw exactly what their size hint asks for: box or icon, gap and text.
        serve = b->sizeHint();
    } else {
        const QFontMetrics fm(b->font());
        // The text must fit inside the button's frame.
        const int cornice = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        int larghezza = fm.horizontalAdvance(t);
        if (!b->icon().isNull())
            larghezza += b->iconSize().width() + 4;
        serve = QSize(larghezza + 2 * cornice, fm.height() + 2 * cornice);
        spazio = b->size();
    }
    if ((serve.width() <= spazio.width() && serve.height() <= spazio.height()) || tooltipLoMostra(b, t))
        return;
    difetti << QStringLiteral("%1: il testo \"%2\" richiede %3x%4, il pulsante e' %5x%6")
                   .arg(nome(b), t.left(60))
                   .arg(serve.width())
                   .arg(serve.height())
                   .arg(spazio.width())
                   .arg(spazio.height());
}

void controllaLinguette(const QTabBar* barra, QStringList& difetti) {
    const QFontMetrics fm(barra->font());
    const bool verticale = barra->shape() == QTabBar::RoundedWest || barra->shape() == QTabBar::RoundedEast ||
                           barra->shape() == QTabBar::TriangularWest ||
                           barra->shape() == QTabBar::TriangularEast;
    const int spazioTesto = barra->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, barra);
    for (int i = 0; i < barra->count(); ++i) {
        const QString t = senzaTastoRapido(barra->tabText(i));
        const QRect r = barra->tabRect(i);
        const int lunghezza = verticale ? r.height() : r.width();
        const int serve = fm.horizontalAdvance(t) + spazioTesto;
        if (serve > lunghezza + arrotondamento && barra->tabToolTip(i).simplified() != t.simplified())
            difetti << QStringLiteral("%1: la linguetta \"%2\" richiede %3, ha %4")
                           .arg(nome(barra), t)
                           .arg(serve)
                           .arg(lunghezza);
        if (!conArrotondamento(barra->rect()).contains(r))
            difetti << QStringLiteral("%1: la linguetta \"%2\" (%3) esce dalla barra (%4)")
                           .arg(nome(barra), t, testo(r), testo(barra->rect()));
    }
}

} // namespace

QStringList difettiFinestra(QWidget* finestra) {
    QStringList difetti;
    const QScreen* schermo = finestra->screen();
    const QRect libero = schermo->availableGeometry();
    const bool ingrandita = finestra->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    // A maximised window fills the free area and the window manager drops its borders.
    QRect cornice = ingrandita ? finestra->geometry() : finestra->frameGeometry();
    // Otherwise the window manager adds a title bar above it.
    if (!ingrandita && !(finestra->windowFlags() & Qt::FramelessWindowHint) &&
        finestra->windowType() != Qt::SplashScreen && cornice.top() >= finestra->y() - 4)
        cornice.setTop(cornice.top() -
                       finestra->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, finestra));
    // A window the program does not place, or maximises, is placed by the window manager: only its
    // size counts.
    if (ingrandita || !finestra->testAttribute(Qt::WA_Moved))
        cornice.moveTopLeft(libero.topLeft());
    if (!libero.contains(cornice))
        difetti << QStringLiteral(
                       "%1: la finestra con la cornice (%2) esce dall'area libera dello schermo (%3)")
                       .arg(nome(finestra), testo(cornice), testo(libero));

    const QList<QWidget*> figli = finestra->findChildren<QWidget*>();
    for (QWidget* c : figli) {
        if (c->isWindow() || !c->isVisible() || c->width() <= 0 || c->height() <= 0)
            continue;
        const QRect inFinestra(c->mapTo(finestra, QPoint(0, 0)), c->size());
        QWidget* contenitore = c->parentWidget();
        if (!conArrotondamento(finestra->rect()).contains(inFinestra) &&
            !scorreVerso(contenitore, c->geometry())) {
            difetti << QStringLiteral("%1 (%2) esce dalla finestra (%3)")
                           .arg(nome(c), testo(inFinestra), testo(finestra->rect()));
            continue;
        }
        if (contenitore != finestra && !conArrotondamento(contenitore->rect()).contains(c->geometry()) &&
            !scorreVerso(contenitore, c->geometry()))
            difetti << QStringLiteral("%1 (%2) e' tagliato da %3 (%4)")
                           .arg(nome(c), testo(c->geometry()), nome(contenitore), testo(contenitore->rect()));
        if (auto* l = qobject_cast<QLabel*>(c))
            controllaEtichetta(l, difetti);
        else if (auto* b = qobject_cast<QAbstractButton*>(c))
            controllaPulsante(b, difetti);
        else if (auto* t = qobject_cast<QTabBar*>(c))
            controllaLinguette(t, difetti);
    }
    return difetti;
}

namespace {

// The class of `w` and those it derives from, by Qt's meta-objects and by the C++ type (a window
// class without Q_OBJECT has only the latter).
void aggiungiClassi(const QWidget* w, QSet<QString>& classi) {
    for (const QMetaObject* m = w->metaObject(); m; m = m->superClass())
        classi.insert(QString::fromLatin1(m->className()));
    int stato = 0;
    char* nomeCpp = abi::__cxa_demangle(typeid(*w).name(), nullptr, nullptr, &stato);
    if (stato == 0 && nomeCpp) {
        const QString completo = QString::fromLatin1(nomeCpp);
        classi.insert(completo.mid(completo.lastIndexOf(QStringLiteral("::")) + 1).remove(QLatin1Char(':')));
    }
    std::free(nomeCpp);
}

} // namespace

QSet<QString> classiIn(QWidget* finestra) {
    QSet<QString> classi;
    aggiungiClassi(finestra, classi);
    for (const QWidget* w : finestra->findChildren<QWidget*>())
        aggiungiClassi(w, classi);
    return classi;
}

QSet<QString> classiFinestreNeiSorgenti(const QString& cartella) {
    static const QRegularExpression dichiarazione(QStringLiteral(
        R"(class\s+(\w+)\s*(?:final\s*)?:\s*public\s+Q(?:Dialog|MainWindow|Widget|MdiSubWindow)\b)"));
    QSet<QString> classi;
    QDirIterator it(cartella, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString sorgente = QString::fromUtf8(f.readAll());
        for (auto m = dichiarazione.globalMatch(sorgente); m.hasNext();)
            classi.insert(m.next().captured(1));
    }
    return classi;
}
