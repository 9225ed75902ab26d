#include "shell/frmAbout.h"

#include "base/CartellaProgramma.h"
#include "base/Messaggi.h"
#include "data/ConnessioneServer.h"
#include "data/Server.h"
#include "data/db.h"
#include "shell/ImmaginiProgramma.h"
#include "shell/MonitorResolution.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QUrl>
#include <QVBoxLayout>

std::function<void(QWidget*)> frmAbout::apriInformazioniSistema = [](QWidget* genitore) {
    InformazioniSistema finestra(genitore);
    finestra.exec();
};

std::function<bool(const QString&)> frmAbout::apriCollegamento = [](const QString& indirizzo) {
    return QDesktopServices::openUrl(QUrl(indirizzo));
};

frmAbout::frmAbout(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Informazioni su ") + titoloApplicazione());

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ImmaginiProgramma::logoProdotto(QSize(150, 100)));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(ImmaginiProgramma::logoFamiglia(QSize(80, 80)));
    Image2->setAlignment(Qt::AlignBottom | Qt::AlignHCenter);

    lblTitle = new QLabel(titoloApplicazione(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont grande = lblTitle->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    grande.setBold(true);
    lblTitle->setFont(grande);

    lblVersion = new QLabel(testoVersione(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    lblDescription = new QLabel(
        QStringLiteral("Vibrana prepara, archivia e stampa le schede di allenamento su pedana vibrante: "
                       "anagrafica degli atleti, schede personali e schede modello, ricerca degli esercizi "
                       "per gruppo muscolare sulla mappa del corpo."),
        this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    lblLink = new QLabel(
        QStringLiteral("<a href=\"https://www.arvel.example/vibrana\">www.arvel.example/vibrana</a>"), this);
    lblLink->setObjectName(QStringLiteral("lblLink"));
    lblLink->setOpenExternalLinks(false);
    lblLink->setTextInteractionFlags(Qt::TextBrowserInteraction);
    lblLinkEmailAuthor = new QLabel(
        QStringLiteral("<a href=\"mailto:assistenza@arvel.example\">assistenza@arvel.example</a>"), this);
    lblLinkEmailAuthor->setObjectName(QStringLiteral("lblLinkEmailAuthor"));
    lblLinkEmailAuthor->setOpenExternalLinks(false);
    lblLinkEmailAuthor->setTextInteractionFlags(Qt::TextBrowserInteraction);
    for (QLabel* l : {lblLink, lblLinkEmailAuthor})
        connect(l, &QLabel::linkActivated, this, &frmAbout::apriLink);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    lblDisclaimer = new QLabel(
        QStringLiteral(
            "Attenzione: questo programma è tutelato dalle leggi sul diritto d'autore. La riproduzione "
            "o la distribuzione non autorizzata del programma, o di una sua parte, è perseguibile a "
            "norma di legge. Le indicazioni sugli esercizi non sostituiscono il parere di un medico."),
        this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* testi = new QVBoxLayout;
    testi->addWidget(lblTitle);
    testi->addWidget(lblVersion);
    testi->addSpacing(8);
    testi->addWidget(lblDescription);
    testi->addSpacing(4);
    testi->addWidget(lblLink);
    testi->addWidget(lblLinkEmailAuthor);
    testi->addStretch();

    auto* immagini = new QVBoxLayout;
    immagini->addWidget(Image1);
    immagini->addStretch();
    immagini->addWidget(Image2);

    auto* pulsanti = new QVBoxLayout;
    pulsanti->addWidget(cmdOK);
    pulsanti->addWidget(cmdSysInfo);
    pulsanti->addStretch();

    auto* griglia = new QGridLayout(this);
    griglia->addLayout(immagini, 0, 0);
    griglia->addLayout(testi, 0, 1);
    griglia->addWidget(Line1, 1, 0, 1, 2);
    griglia->addWidget(lblDisclaimer, 2, 0, 1, 1 + 1);
    auto* basso = new QHBoxLayout;
    basso->addStretch();
    basso->addLayout(pulsanti);
    griglia->addLayout(basso, 0, 2, 3, 1);
    griglia->setColumnStretch(1, 1);
    setFixedWidth(620);
}

void frmAbout::apriLink(const QString& indirizzo) {
    if (apriCollegamento && apriCollegamento(indirizzo))
        return;
    const bool posta = indirizzo.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
    const QString mostrato = posta ? indirizzo.mid(7) : indirizzo;
    mostraMessaggio(
        (posta ? QStringLiteral("Impossibile aprire il programma di posta elettronica: su questo computer "
                                "non ne risulta installato uno.\nScrivere a: ")
               : QStringLiteral("Impossibile aprire il collegamento: su questo computer non risulta "
                                "installato un browser.\nIndirizzo: ")) +
            mostrato,
        TipoMessaggio::Avviso, Pulsanti::OK);
}

void frmAbout::StartSysInfo() {
    try {
        apriInformazioniSistema(this);
    } catch (const std::exception&) {
        mostraMessaggio(QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili."),
                        TipoMessaggio::Informazione, Pulsanti::OK);
    }
}

namespace {
QString conteggio(const QString& tabella) {
    try {
        RecordSet rs = db().getRs(QStringLiteral("SELECT COUNT(*) FROM ") + tabella);
        return QLocale().toString(rs.campo(0).toLongLong());
    } catch (const std::exception&) {
        return QStringLiteral("non disponibile");
    }
}
} // namespace

QString testoInformazioniSistema() {
    QStringList righe;
    const QLocale it;
    righe << QStringLiteral("Programma: %1 %2").arg(titoloApplicazione(), testoVersione());
    righe << QStringLiteral("Sistema operativo: %1").arg(QSysInfo::prettyProductName());
    righe << QStringLiteral("Kernel: %1 %2 (%3)")
                 .arg(QSysInfo::kernelType(), QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture());
    righe << QStringLiteral("Qt: %1 (compilato con %2), piattaforma grafica \"%3\"")
                 .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR),
                      QGuiApplication::platformName());
    const ModoSchermo m = leggiRisoluzione();
    righe << QStringLiteral("Schermo: %1 x %2 pixel, %3 bit per pixel")
                 .arg(m.larghezza)
                 .arg(m.altezza)
                 .arg(m.profondita);
    if (QScreen* s = QGuiApplication::primaryScreen())
        righe << QStringLiteral("Punti per pollice: %1, scala %2")
                     .arg(it.toString(s->logicalDotsPerInch(), 'f', 0),
                          it.toString(s->devicePixelRatio(), 'f', 2));
    righe << QStringLiteral("Cartella del programma: %1").arg(cartellaProgramma());
    const QString archivio = db().percorsoArchivio();
    const QFileInfo info(archivio);
    const bool server = db().suServer();
    if (server)
        righe
            << QStringLiteral("Archivio: registro condiviso su %1").arg(indirizzoVisibile(indirizzoServer()));
    else
        righe << QStringLiteral("Archivio: %1 (%2)")
                     .arg(archivio,
                          info.exists() ? it.formattedDataSize(info.size()) : QStringLiteral("non trovato"));
    if (server || info.exists()) {
        const std::pair<const char*, const char*> tabelle[] = {{"Atleti", "utenti"},
                                                               {"Schede", "schede"},
                                                               {"Esercizi delle schede", "Esercizi"},
                                                               {"Schede modello", "schedeModello"},
                                                               {"Esercizi dei modelli", "EserciziModello"},
                                                               {"Categorie", "categorie"},
                                                               {"Figure", "figure"},
                                                               {"Muscoli", "muscoli"}};
        for (const auto& [nome, tabella] : tabelle)
            righe << QStringLiteral("  %1: %2")
                         .arg(QString::fromUtf8(nome), conteggio(QString::fromLatin1(tabella)));
    }
    return righe.join(QLatin1Char('\n'));
}

InformazioniSistema::InformazioniSistema(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("InformazioniSistema"));
    setWindowTitle(QStringLiteral("Informazioni sul sistema"));
    auto* testo = new QPlainTextEdit(testoInformazioniSistema(), this);
    testo->setObjectName(QStringLiteral("testo"));
    testo->setReadOnly(true);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copia = pulsanti->addButton(QStringLiteral("&Copia"), QDialogButtonBox::ActionRole);
    connect(copia, &QPushButton::clicked, this,
            [testo] { QApplication::clipboard()->setText(testo->toPlainText()); });
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* l = new QVBoxLayout(this);
    l->addWidget(testo);
    l->addWidget(pulsanti);
    resize(560, 380);
}
