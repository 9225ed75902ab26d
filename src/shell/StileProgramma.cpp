#include "shell/StileProgramma.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <initializer_list>

namespace {

// The styles whose extension buttons show Qt's common pictures.
bool usaFigureComuni(const QString& nome) {
    return nome.compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0 ||
           nome.compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0;
}

// One picture of Qt's common style, read as the PNG it is.
QPixmap figuraComune(const QString& nome) {
    QImageReader lettore(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + nome,
                         QByteArrayLiteral("png"));
    lettore.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(lettore.read());
}

QIcon iconaComune(const QString& radice, std::initializer_list<int> lati) {
    QIcon icona;
    for (int lato : lati) {
        const QPixmap p = figuraComune(radice + QString::number(lato) + QStringLiteral(".png"));
        if (!p.isNull())
            icona.addPixmap(p);
    }
    return icona;
}

class StileProgramma : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap quale, const QStyleOption* opzione,
                       const QWidget* widget) const override {
        if (quale == SP_ToolBarHorizontalExtensionButton || quale == SP_ToolBarVerticalExtensionButton) {
            const bool destraSinistra =
                (opzione ? opzione->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
            QIcon icona = quale == SP_ToolBarVerticalExtensionButton
                              ? iconaComune(QStringLiteral("toolbar-ext-v-"), {5, 10, 20})
                          : destraSinistra ? iconaComune(QStringLiteral("toolbar-ext-h-rtl-"), {8, 16, 32})
                                           : iconaComune(QStringLiteral("toolbar-ext-h-"), {8, 16, 32});
            if (!icona.isNull())
                return icona;
        }
        return QProxyStyle::standardIcon(quale, opzione, widget);
    }
};

} // namespace

QStyle* creaStileProgramma(const QString& nome) {
    if (!usaFigureComuni(nome))
        return nullptr;
    QStyle* base = QStyleFactory::create(nome);
    return base ? new StileProgramma(base) : nullptr;
}

void installaStileProgramma(QApplication& applicazione) {
    Q_UNUSED(applicazione);
    if (QStyle* stile = creaStileProgramma(QApplication::style()->name()))
        QApplication::setStyle(stile);
}
