// vibrana-disegni: draws the delivered pictures and the click sound into a program folder, and writes
// the figure catalogue SQL from the same table of exercises.
//
//   vibrana-disegni immagini CARTELLA_PROGRAMMA   every picture and the click sound
//   vibrana-disegni sql FILE                      the figure catalogue (figure, figure_muscoli)
//   vibrana-disegni icona FILE [LATO]             the program icon (PNG), 256 pixels a side or LATO
//   vibrana-disegni prova CARTELLA                exercise pictures as PNG with a floor check, for tuning
#include "Catalogo.h"
#include "Loghi.h"
#include "MappaCorpo.h"
#include "Suono.h"
#include "pictures/FileConsegnati.h"
#include "pictures/ZoneMappa.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

QString radice;
bool ok = true;

void errore(const QString& testo) {
    std::fprintf(stderr, "vibrana-disegni: %s\n", qPrintable(testo));
    ok = false;
}

// A program path written with "\" (leading or not) as a file under the output folder.
QString sulDisco(QString relativo) {
    relativo.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relativo.startsWith(QLatin1Char('/')))
        relativo.remove(0, 1);
    // the body-map folder is spelt three ways by the program; on disk it is one folder
    if (relativo.startsWith(QLatin1String("images/bodymap/"), Qt::CaseInsensitive))
        relativo = QStringLiteral("images/bodymap/") + relativo.mid(15);
    return radice + QLatin1Char('/') + relativo;
}

void salva(const QImage& img, const QString& relativo) {
    const QString f = sulDisco(relativo);
    QDir().mkpath(QFileInfo(f).absolutePath());
    if (!img.save(f, "JPG", 92))
        errore(QStringLiteral("impossibile scrivere %1").arg(f));
}

void scrivi(const QByteArray& dati, const QString& f) {
    QDir().mkpath(QFileInfo(f).absolutePath());
    QSaveFile out(f);
    if (!out.open(QIODevice::WriteOnly) || out.write(dati) != dati.size() || !out.commit())
        errore(QStringLiteral("impossibile scrivere %1").arg(f));
}

// Sizes of the wrong-position pictures follow the frames they are stretched into on the sheet.
const QSize dimensioniSbagliate[FileConsegnati::numeroPosizioniSbagliate] = {
    {280, 418}, {260, 428}, {400, 384}, {400, 384}, {400, 384}};

void immagini() {
    salva(simboloCartella(), FileConsegnati::simboloCartella);
    salva(disegnaMappa(), FileConsegnati::corpo);
    for (const QString& c : ZoneMappa::codici())
        salva(disegnaMappa(c), FileConsegnati::corpoGruppo(c));
    scrivi(suonoClick(), sulDisco(FileConsegnati::suonoMappa));
    salva(logoProdotto(), FileConsegnati::logoProdotto);
    salva(logoFamiglia(), FileConsegnati::logoFamiglia);
    salva(logoMacchina(), FileConsegnati::logoMacchina);
    salva(logoProduttore(), FileConsegnati::logoProduttore);
    const std::vector<Posa> sbagliate = posizioniSbagliate();
    for (int i = 0; i < int(sbagliate.size()); ++i) {
        QImage img =
            disegnaPosa(sbagliate[i], dimensioniSbagliate[i].width(), dimensioniSbagliate[i].height());
        barraConCroce(img);
        salva(img, FileConsegnati::posizioneSbagliata(i));
    }
    for (const Esercizio& e : catalogo())
        salva(disegnaPosa(e.posa), percorsoFigura(e));
}

QString numero(double n) {
    return QString::number(n, 'g', 6);
}
QString testoSql(QString t) {
    return QLatin1Char('\'') + t.replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

QByteArray sqlCatalogo() {
    QString s;
    QTextStream o(&s);
    o << "-- Figure catalogue: one picture per exercise position and the muscles it trains.\n"
         "-- Written by vibrana-disegni from its exercise table (tools/disegni/Catalogo.cpp), which also "
         "draws\n"
         "-- the pictures; change the table and rebuild the target vibrana_catalogo_sql, do not edit by "
         "hand.\n\n";
    const auto& c = catalogo();
    o << "INSERT INTO figure (id_fig, numero, ID_MAC, figura) VALUES\n";
    for (size_t i = 0; i < c.size(); ++i) {
        const Esercizio& e = c[i];
        o << "    (" << e.id_fig << ", " << numero(e.numero) << ", " << testoSql(idMacchina(e.macchina))
          << ", " << testoSql(percorsoFigura(e)) << ")" << (i + 1 < c.size() ? "," : ";") << " -- " << e.nome
          << "\n";
    }
    o << "\nINSERT INTO figure_muscoli (id_fig, id_muscolo) VALUES\n";
    QStringList righe;
    for (const Esercizio& e : c)
        for (const QString& m : e.muscoli)
            righe << QStringLiteral("    (%1, %2)").arg(e.id_fig).arg(testoSql(m));
    o << righe.join(QStringLiteral(",\n")) << ";\n";
    o.flush();
    return s.toUtf8();
}

void prova(const QString& cartella) {
    QDir().mkpath(cartella);
    for (const Esercizio& e : catalogo()) {
        disegnaPosa(e.posa).save(cartella + QStringLiteral("/%1.png").arg(e.id_fig));
        std::printf("%3d %-50s quota minima %.3f\n", e.id_fig, qPrintable(e.nome), quotaMinima(e.posa));
    }
    const std::vector<Posa> sbagliate = posizioniSbagliate();
    for (int i = 0; i < int(sbagliate.size()); ++i) {
        QImage img =
            disegnaPosa(sbagliate[i], dimensioniSbagliate[i].width(), dimensioniSbagliate[i].height());
        barraConCroce(img);
        img.save(cartella + QStringLiteral("/sbagliato_%1.png").arg(i));
    }
}

// Headless runs at build time have no runtime folder; that notice is noise in the build log.
void filtroMessaggi(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
    if (testo.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(testo));
    if (tipo == QtFatalMsg)
        std::abort();
}

int uso() {
    std::fputs("uso: vibrana-disegni immagini CARTELLA | sql FILE | icona FILE [LATO] | prova CARTELLA\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Runs at build time, with or without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(filtroMessaggi);
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments().mid(1);
    if (a.size() != 2 && !(a.size() == 3 && a[0] == QLatin1String("icona")))
        return uso();
    if (a[0] == QLatin1String("immagini")) {
        radice = QDir(a[1]).absolutePath();
        immagini();
    } else if (a[0] == QLatin1String("sql")) {
        scrivi(sqlCatalogo(), a[1]);
    } else if (a[0] == QLatin1String("icona")) {
        bool numero = true;
        const int lato = a.size() == 3 ? a[2].toInt(&numero) : 256;
        if (!numero || lato < 16 || lato > 1024)
            return uso();
        QDir().mkpath(QFileInfo(a[1]).absolutePath());
        if (!icona(lato).save(a[1], "PNG"))
            errore(QStringLiteral("impossibile scrivere %1").arg(a[1]));
    } else if (a[0] == QLatin1String("prova")) {
        prova(a[1]);
    } else {
        return uso();
    }
    return ok ? 0 : 1;
}
