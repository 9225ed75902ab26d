#include "shell/FinestraGuida.h"

#include "base/Messaggi.h"
#include "shell/ImmaginiProgramma.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace {
QString& percorsoGuida() {
    static QString p;
    return p;
}
QPointer<FinestraGuida>& istanza() {
    static QPointer<FinestraGuida> f;
    return f;
}
} // namespace

FinestraGuida::FinestraGuida(QWidget* genitore) : QMainWindow(genitore) {
    setObjectName(QStringLiteral("FinestraGuida"));
    setWindowTitle(QStringLiteral("Guida di ") + titoloApplicazione());
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("browser"));
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);

    auto* barra = addToolBar(QStringLiteral("Navigazione"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* indietro = barra->addAction(ImmaginiProgramma::icona(QStringLiteral("go-previous")),
                                         QStringLiteral("&Indietro"), browser_, &QTextBrowser::backward);
    indietro->setShortcut(QKeySequence::Back);
    indietro->setEnabled(false);
    QAction* avanti = barra->addAction(ImmaginiProgramma::icona(QStringLiteral("go-next")),
                                       QStringLiteral("A&vanti"), browser_, &QTextBrowser::forward);
    avanti->setShortcut(QKeySequence::Forward);
    avanti->setEnabled(false);
    barra->addAction(ImmaginiProgramma::icona(QStringLiteral("go-home")), QStringLiteral("&Sommario"),
                     browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, indietro, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, avanti, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString titolo = browser_->documentTitle();
        setWindowTitle(titolo.isEmpty() ? QStringLiteral("Guida di ") + titoloApplicazione() : titolo);
    });

    resize(760, 620);
    if (QScreen* s = screen()) {
        const QRect disponibile = s->availableGeometry();
        resize(qMin(760, disponibile.width()), qMin(620, disponibile.height()));
        move(disponibile.center() - rect().center());
    }
}

bool FinestraGuida::apri(const QString& file, const QString& sezione) {
    if (!QFileInfo(file).isFile())
        return false;
    file_ = file;
    QUrl indirizzo = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    if (!sezione.isEmpty())
        indirizzo.setFragment(sezione);
    // The file is HTML whatever its extension says.
    browser_->setSource(indirizzo, QTextDocument::HtmlResource);
    return true;
}

void impostaFileGuida(const QString& percorso) {
    percorsoGuida() = percorso;
}

QString fileGuida() {
    return percorsoGuida();
}

FinestraGuida* finestraGuida() {
    return istanza();
}

void apriGuida() {
    apriGuida(QString());
}

void apriGuida(const QString& sezione) {
    const QString file = fileGuida();
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        mostraMessaggio(QStringLiteral("Impossibile trovare la guida del programma:\n") +
                            (file.isEmpty() ? QStringLiteral("(nessun file impostato)") : file),
                        TipoMessaggio::Avviso, Pulsanti::OK);
        return;
    }
    auto& f = istanza();
    if (!f)
        f = new FinestraGuida;
    // A modal window blocks every window but its own: over one, the help window becomes its own.
    QWidget* modale = QApplication::activeModalWidget();
    if (modale && modale != f && f->parentWidget() != modale) {
        const QRect posto = f->geometry();
        f->setParent(modale, Qt::Window);
        f->setGeometry(posto);
    } else if (!modale && f->parentWidget()) {
        f->setParent(nullptr, Qt::Window);
    }
    f->apri(file, sezione);
    f->show();
    f->raise();
    f->activateWindow();
}

namespace {
class TastoGuida : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        // The main window's menu has F1 as a shortcut of its own; every other window comes here.
        if (evento->type() == QEvent::KeyPress && oggetto->isWidgetType()) {
            auto* tasto = static_cast<QKeyEvent*>(evento);
            if (tasto->key() == Qt::Key_F1 && tasto->modifiers() == Qt::NoModifier) {
                const QString sezione =
                    static_cast<QWidget*>(oggetto)->window()->property("sezioneGuida").toString();
                proteggi([&sezione] { apriGuida(sezione); });
                return true;
            }
        }
        return QObject::eventFilter(oggetto, evento);
    }
};
} // namespace

void installaTastoGuida(QCoreApplication* applicazione) {
    const QString nome = QStringLiteral("tastoGuida");
    if (applicazione->findChild<QObject*>(nome, Qt::FindDirectChildrenOnly))
        return;
    auto* filtro = new TastoGuida(applicazione);
    filtro->setObjectName(nome);
    applicazione->installEventFilter(filtro);
}
