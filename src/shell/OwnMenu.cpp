#include "shell/OwnMenu.h"

#include "shell/ListaImmagini.h"
#include "shell/TestoMenu.h"

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

const char* const proprietaVoce = "voceOwnMenu";

int larghezzaTesto(const QFontMetrics& fm, const QString& didascalia) {
    const TestoMenu::Parti p = TestoMenu::scomponi(didascalia);
    return fm.horizontalAdvance(p.prima) + fm.horizontalAdvance(p.sottolineato) +
           fm.horizontalAdvance(p.dopo);
}

// The caption and the key shortcut shown at the right.
struct TestiVoce {
    TestoMenu::Colonne colonne;
    QString scorciatoia;
};

TestiVoce testiDi(const QString& testoOpzione) {
    const qsizetype tab = testoOpzione.indexOf(QLatin1Char('\t'));
    const QString didascalia = tab < 0 ? testoOpzione : testoOpzione.left(tab);
    return {TestoMenu::colonne(didascalia), tab < 0 ? QString() : testoOpzione.mid(tab + 1)};
}

const int distanzaScorciatoia = 24;

// Sizes of owner-drawn items; everything else is left to the application's style.
class StileMenu : public QProxyStyle {
public:
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        if (qobject_cast<const MenuDisegnato*>(w) && ownMenu().agganciato()) {
            switch (m) {
            case PM_MenuHMargin:
            case PM_MenuVMargin:
                return 0;
            case PM_MenuPanelWidth:
                return 1;
            default:
                break;
            }
        }
        return QProxyStyle::pixelMetric(m, o, w);
    }

    QSize sizeFromContents(ContentsType t, const QStyleOption* o, const QSize& s,
                           const QWidget* w) const override {
        const auto* menu = qobject_cast<const MenuDisegnato*>(w);
        const auto* voce = qstyleoption_cast<const QStyleOptionMenuItem*>(o);
        const OwnMenu& om = ownMenu();
        if (t != CT_MenuItem || !menu || !voce || !om.agganciato() || !om.sottomenuDi(menu))
            return QProxyStyle::sizeFromContents(t, o, s, w);
        if (voce->menuItemType == QStyleOptionMenuItem::Separator)
            return {1, TestoMenu::altezzaSeparatore};
        const QFontMetrics fm(om.carattere());
        const TestiVoce testi = testiDi(voce->text);
        int larghezza = larghezzaTesto(fm, testi.colonne.destra) + om.altezzaVoce() + 6;
        if (!testi.colonne.sinistra.isEmpty())
            larghezza += fm.horizontalAdvance(QStringLiteral("0") + testi.colonne.sinistra);
        if (!testi.scorciatoia.isEmpty())
            larghezza += distanzaScorciatoia + fm.horizontalAdvance(testi.scorciatoia);
        return {larghezza + om.margine(), om.altezzaVoce()};
    }
};

QStyle* stileMenu() {
    static QPointer<QStyle> stile;
    if (!stile) {
        stile = new StileMenu;
        stile->setParent(qApp);
    }
    return stile;
}

// Writes a caption at (x, y) with its access key underlined; returns the x where it ended.
int scriviTesto(QPainter& p, int x, int y, const QString& didascalia, const OwnMenu& om) {
    const TestoMenu::Parti parti = TestoMenu::scomponi(didascalia);
    const QFont& normale = om.carattere();
    const QFont& sottolineato = om.carattere(true);
    const QFontMetrics fm(normale);
    const int base = y + fm.ascent();
    p.setFont(normale);
    p.drawText(x, base, parti.prima);
    x += fm.horizontalAdvance(parti.prima);
    p.setFont(sottolineato);
    p.drawText(x, base, parti.sottolineato);
    x += fm.horizontalAdvance(parti.sottolineato);
    p.setFont(normale);
    p.drawText(x, base, parti.dopo);
    return x + fm.horizontalAdvance(parti.dopo);
}

// The picture in one colour, for the embossed look of disabled items.
QPixmap monocromatica(const QPixmap& origine, const QColor& colore) {
    QPixmap copia(origine.size());
    copia.setDevicePixelRatio(origine.devicePixelRatio());
    copia.fill(Qt::transparent);
    QPainter p(&copia);
    p.drawPixmap(0, 0, origine);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(copia.rect(), colore);
    return copia;
}

// What an item's look depends on besides its texts and picture.
struct StatoVoce {
    bool abilitata;
    bool selezionata;
    bool spuntata;
};

// The caption of an action with its shortcut after a tab, as the width rule reads it.
TestiVoce testiDi(const QAction* a) {
    return testiDi(a->text() + (a->shortcut().isEmpty()
                                    ? QString()
                                    : QLatin1Char('\t') + a->shortcut().toString(QKeySequence::NativeText)));
}

// An engraved line: dark above, light below.
void disegnaSeparatore(QPainter& p, const QPalette& pal, int larghezza) {
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(2, 4, larghezza - 3, 4);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(2, 5, larghezza - 3, 5);
}

// The item's picture by its registered key for the state, else the action's own icon; null for none.
QPixmap immagineVoce(const QAction* a, const OwnMenu& om, const StatoVoce& stato, qreal densita) {
    QPixmap immagine;
    if (const OwnMenu::Voce* v = om.voceDi(a); v && om.immagini()) {
        const QString chiave =
            TestoMenu::chiaveImmagine({v->chiaveNormale, v->chiaveSpuntata, v->chiaveSelezionata},
                                      stato.spuntata, stato.selezionata, stato.abilitata);
        if (!chiave.isEmpty())
            immagine = om.immagini()->immagine(chiave);
    }
    if (immagine.isNull() && !a->icon().isNull())
        immagine = a->icon().pixmap(QSize(16, 16), densita);
    return immagine;
}

// The checkerboard of a ticked item's picture column: every other point in `colore`, inside a
// one-pixel border.
void disegnaRetino(QPainter& p, const QColor& colore, const QRect& riquadro) {
    p.setPen(colore);
    for (int y = 1; y < riquadro.height() - 1; ++y)
        for (int x = 1 + (y % 2); x < riquadro.width() - 1; x += 2)
            p.drawPoint(x, y);
}

// The left caption (if any), the right caption and the shortcut, all moved by `spostamento`.
void scriviTesti(QPainter& p, const TestiVoce& testi, QPoint testo, QPoint spostamento, int larghezzaVoce,
                 const OwnMenu& om) {
    const QFontMetrics fm(om.carattere());
    const QPoint inizio = testo + spostamento;
    int larghezzaSinistra = 0;
    if (!testi.colonne.sinistra.isEmpty()) {
        larghezzaSinistra = fm.horizontalAdvance(QStringLiteral("0") + testi.colonne.sinistra);
        scriviTesto(p, inizio.x(), inizio.y(), testi.colonne.sinistra, om);
    }
    scriviTesto(p, inizio.x() + larghezzaSinistra, inizio.y(), testi.colonne.destra, om);
    if (!testi.scorciatoia.isEmpty()) {
        p.setFont(om.carattere());
        const int x = TestoMenu::xScorciatoia(larghezzaVoce, fm.horizontalAdvance(testi.scorciatoia));
        p.drawText(x + spostamento.x(), inizio.y() + fm.ascent(), testi.scorciatoia);
    }
}

// The texts in the state's colours; a disabled item's are embossed: a light copy one pixel down and
// right under the dark one (left out on a selected item of a menu without frames).
void disegnaTesti(QPainter& p, const QPalette& pal, const TestiVoce& testi, QPoint testo, int larghezzaVoce,
                  const StatoVoce& stato, bool cornici, const OwnMenu& om) {
    if (stato.abilitata) {
        p.setPen(stato.selezionata ? pal.color(QPalette::HighlightedText)
                                   : pal.color(cornici ? QPalette::ButtonText : QPalette::WindowText));
        scriviTesti(p, testi, testo, {0, 0}, larghezzaVoce, om);
        return;
    }
    if (cornici || !stato.selezionata) {
        p.setPen(pal.color(QPalette::Light));
        scriviTesti(p, testi, testo, {1, 1}, larghezzaVoce, om);
    }
    p.setPen(pal.color(QPalette::Dark));
    scriviTesti(p, testi, testo, {0, 0}, larghezzaVoce, om);
}

// A one-pixel 3-D frame: raised (light top and left) or sunken (dark top and left).
void disegnaCornice(QPainter& p, const QPalette& pal, const QRect& c, bool incassata) {
    const QColor chiaro = pal.color(QPalette::Light);
    const QColor scuro = pal.color(QPalette::Dark);
    p.setPen(incassata ? scuro : chiaro);
    p.drawLine(c.topLeft(), c.topRight());
    p.drawLine(c.topLeft(), c.bottomLeft());
    p.setPen(incassata ? chiaro : scuro);
    p.drawLine(c.bottomLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomRight());
}

// The picture, embossed when disabled; in a menu with frames its column is sunken while ticked and
// raised while selected.
void disegnaImmagine(QPainter& p, const QPalette& pal, const QPixmap& immagine,
                     const TestoMenu::PostiVoce& posti, const StatoVoce& stato, bool cornici) {
    if (stato.abilitata) {
        p.drawPixmap(posti.immagine, immagine);
    } else {
        p.drawPixmap(posti.immagine.translated(1, 1), monocromatica(immagine, pal.color(QPalette::Light)));
        p.drawPixmap(posti.immagine, monocromatica(immagine, pal.color(QPalette::Dark)));
    }
    if (cornici && (stato.spuntata || (stato.selezionata && stato.abilitata)))
        disegnaCornice(p, pal, posti.riquadro.adjusted(0, 0, -1, -1), stato.spuntata);
}

} // namespace

MenuDisegnato::MenuDisegnato(const QString& titolo, QWidget* genitore) : QMenu(titolo, genitore) {
    setStyle(stileMenu());
}

int MenuDisegnato::larghezzaBarra() const {
    const OwnMenu::Sottomenu* s = ownMenu().sottomenuDi(this);
    if (!s || !s->haBarra || !ownMenu().agganciato())
        return 0;
    return s->immagineBarra.width() + (s->stile == 1 ? 2 : 0);
}

void MenuDisegnato::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange && ownMenu().sottomenuDi(this))
        ownMenu().aggiornaImpostazioni();
    QMenu::changeEvent(e);
    if (e->type() == QEvent::PaletteChange)
        update();
}

void MenuDisegnato::paintEvent(QPaintEvent* e) {
    const OwnMenu& om = ownMenu();
    const OwnMenu::Sottomenu* s = om.sottomenuDi(this);
    if (!om.agganciato() || !s) {
        QMenu::paintEvent(e);
        return;
    }
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), s->stile == 1 ? pal.button() : pal.window());
    const int bordo = 1;
    if (const int lb = larghezzaBarra(); lb > 0)
        disegnaBarra(p, QRect(bordo, bordo, lb, height() - 2 * bordo));

    for (QAction* a : actions()) {
        if (!a->isVisible())
            continue;
        const QRect r = actionGeometry(a);
        if (!r.isValid() || !r.intersects(e->rect()))
            continue;
        // Drawn aside and copied in one piece, so an item never flickers while it changes.
        QPixmap fuoriSchermo(r.size() * devicePixelRatio());
        fuoriSchermo.setDevicePixelRatio(devicePixelRatio());
        QPainter pv(&fuoriSchermo);
        disegnaVoce(pv, a, QRect(QPoint(0, 0), r.size()));
        pv.end();
        p.drawPixmap(r.topLeft(), fuoriSchermo);
    }
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void MenuDisegnato::disegnaBarra(QPainter& p, const QRect& r) {
    const OwnMenu::Sottomenu* s = ownMenu().sottomenuDi(this);
    const QPixmap& img = s->immagineBarra;
    const int larghezzaImmagine = img.width();
    const int visibile = qMin(img.height(), r.height());
    const QRect colonna(r.left(), r.top(), larghezzaImmagine, r.height());
    if (s->allineatoInBasso) {
        p.fillRect(QRect(colonna.left(), colonna.top(), larghezzaImmagine, r.height() - visibile),
                   s->coloreBarra);
        p.drawPixmap(QRect(colonna.left(), colonna.bottom() - visibile + 1, larghezzaImmagine, visibile), img,
                     QRect(0, img.height() - visibile, larghezzaImmagine, visibile));
    } else {
        p.drawPixmap(QRect(colonna.left(), colonna.top(), larghezzaImmagine, visibile), img,
                     QRect(0, 0, larghezzaImmagine, visibile));
        p.fillRect(QRect(colonna.left(), colonna.top() + visibile, larghezzaImmagine, r.height() - visibile),
                   s->coloreBarra);
    }
    if (s->stile == 1)
        p.fillRect(QRect(r.left() + larghezzaImmagine, r.top(), 2, r.height()), palette().button());
}

void MenuDisegnato::disegnaVoce(QPainter& p, QAction* a, const QRect& r) {
    const OwnMenu& om = ownMenu();
    const QPalette& pal = palette();
    const bool cornici = om.sottomenuDi(this)->stile == 1;
    p.fillRect(r, cornici ? pal.button() : pal.window());
    if (a->isSeparator()) {
        disegnaSeparatore(p, pal, r.width());
        return;
    }
    const StatoVoce stato{a->isEnabled(), activeAction() == a, a->isCheckable() && a->isChecked()};
    const QPixmap immagine = immagineVoce(a, om, stato, devicePixelRatio());
    const QFontMetrics fm(om.carattere());
    const TestoMenu::PostiVoce posti = TestoMenu::postiVoce(om.altezzaVoce(), r.size(), fm.height());

    if (stato.spuntata && stato.abilitata && !stato.selezionata && cornici)
        disegnaRetino(p, pal.color(QPalette::Light), posti.riquadro);
    if (stato.abilitata && stato.selezionata) {
        const int x = TestoMenu::inizioEvidenziazione(posti, !immagine.isNull(), cornici);
        p.fillRect(QRect(x, 0, r.width() - x, r.height()), pal.highlight());
    }
    disegnaTesti(p, pal, testiDi(a), posti.testo, r.width(), stato, cornici, om);
    if (!immagine.isNull())
        disegnaImmagine(p, pal, immagine, posti, stato, cornici);
}

// ---------------------------------------------------------------------------------------------------

OwnMenu& ownMenu() {
    static OwnMenu modulo;
    return modulo;
}

void OwnMenu::inizializzaMenu(QWidget* finestra, ListaImmagini* immagini) {
    finestra_ = finestra;
    immagini_ = immagini;
    sottomenu_.clear();
    voci_.clear();
    creaCaratteri();
}

void OwnMenu::impostaBarraMenu(QMenuBar* barra) {
    barra_ = barra;
}

void OwnMenu::aggiungiSottomenu(int posizione, int stile, const QPixmap& immagineBarra, int allineatoInBasso,
                                const QColor& coloreBarra) {
    if (!barra_)
        return;
    const QList<QAction*> menu = barra_->actions();
    if (posizione < 0 || posizione >= menu.size())
        return;
    auto* sotto = qobject_cast<MenuDisegnato*>(menu.at(posizione)->menu());
    if (!sotto)
        return;
    Sottomenu s;
    s.menu = sotto;
    s.posizione = posizione;
    s.stile = stile;
    s.haBarra = !immagineBarra.isNull();
    s.immagineBarra = immagineBarra;
    s.allineatoInBasso = allineatoInBasso == 1;
    s.coloreBarra = coloreBarra;
    sottomenu_.push_back(s);
    sotto->setContentsMargins(sotto->larghezzaBarra(), 0, 0, 0);
}

void OwnMenu::aggiungiVoce(QAction* voce, int posizione, const QString& chiaveNormale,
                           const QString& chiaveSpuntata, const QString& chiaveSelezionata) {
    if (!voce)
        return;
    int riga = voce->property(proprietaVoce).toInt();
    if (riga < 1 || riga > static_cast<int>(voci_.size()) ||
        voci_[static_cast<size_t>(riga - 1)].voce != voce) {
        voci_.push_back({});
        riga = static_cast<int>(voci_.size());
        voce->setProperty(proprietaVoce, riga);
    }
    Voce& v = voci_[static_cast<size_t>(riga - 1)];
    v.voce = voce;
    v.posizione = posizione;
    v.chiaveNormale = chiaveNormale;
    v.chiaveSpuntata = chiaveSpuntata;
    v.chiaveSelezionata = chiaveSelezionata;
    v.sottomenu = 0;
    for (size_t i = 0; i < sottomenu_.size(); ++i)
        if (sottomenu_[i].menu && sottomenu_[i].menu->actions().contains(voce))
            v.sottomenu = static_cast<int>(i) + 1;
}

void OwnMenu::agganciaFinestra() {
    if (agganciato_ || !finestra_)
        return;
    finestra_->installEventFilter(this);
    agganciato_ = true;
    aggiornaImpostazioni();
}

void OwnMenu::sganciaFinestra() {
    if (!agganciato_)
        return;
    if (finestra_)
        finestra_->removeEventFilter(this);
    agganciato_ = false;
    for (const Sottomenu& s : sottomenu_)
        if (s.menu) {
            s.menu->setContentsMargins(0, 0, 0, 0);
            s.menu->setStyle(nullptr);
        }
}

const QFont& OwnMenu::carattere(bool sottolineato, bool grassetto) const {
    return caratteri_[(sottolineato ? 1 : 0) + (grassetto ? 2 : 0)];
}

const OwnMenu::Sottomenu* OwnMenu::sottomenuDi(const QMenu* menu) const {
    for (const Sottomenu& s : sottomenu_)
        if (s.menu == menu)
            return &s;
    return nullptr;
}

const OwnMenu::Voce* OwnMenu::voceDi(const QAction* voce) const {
    const int riga = voce->property(proprietaVoce).toInt();
    if (riga < 1 || riga > static_cast<int>(voci_.size()))
        return nullptr;
    const Voce& v = voci_[static_cast<size_t>(riga - 1)];
    return v.voce == voce ? &v : nullptr;
}

void OwnMenu::creaCaratteri() {
    // The system's menu font, whichever menu is told of a change first.
    const QFont base = QApplication::font("QMenu");
    caratteri_[0] = base;
    caratteri_[1] = base;
    caratteri_[1].setUnderline(true);
    caratteri_[2] = base;
    caratteri_[2].setWeight(static_cast<QFont::Weight>(qMin(900, base.weight() + 300)));
    caratteri_[3] = caratteri_[2];
    caratteri_[3].setUnderline(true);
    const QFontMetrics fm(base);
    altezzaVoce_ = TestoMenu::altezzaVoce(fm.height());
    margine_ = 2 * fm.horizontalAdvance(QLatin1Char('0'));
}

void OwnMenu::aggiornaImpostazioni() {
    creaCaratteri();
    for (const Sottomenu& s : sottomenu_) {
        if (!s.menu)
            continue;
        s.menu->setContentsMargins(s.menu->larghezzaBarra(), 0, 0, 0);
        // A style change makes the menu measure its items again.
        s.menu->setStyle(stileMenu());
        s.menu->update();
    }
}

bool OwnMenu::eventFilter(QObject* oggetto, QEvent* evento) {
    switch (evento->type()) {
    case QEvent::ApplicationFontChange:
    case QEvent::FontChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        if (oggetto == finestra_)
            aggiornaImpostazioni();
        break;
    default:
        break;
    }
    return QObject::eventFilter(oggetto, evento);
}
