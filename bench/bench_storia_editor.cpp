// Memory of the card editor's undo history: 1 000 steps on a 400-exercise card (values typed, notes,
// pictures dropped, exercises inserted and deleted, each on another page), made once with a history
// that keeps a single step and once with the whole history. The difference of the resident size is
// what the history costs. Run by hand (QT_QPA_PLATFORM=offscreen).
#include "PreparaEditor.h"
#include "editor/ImmagineEsercizio.h"
#include "editor/SchedaCorpo.h"

#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <malloc.h>

namespace {

constexpr int esercizi = 400;
constexpr int passi = 1000;

std::int32_t schedaDi(int n) {
    return schedaDiProva(n, QStringLiteral("esercizio %1, schiena dritta e respirare con calma"));
}

// A line of /proc/self/status in kB (VmRSS: resident now, VmHWM: resident at its peak).
long kB(const char* voce) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& riga : f.readAll().split('\n'))
        if (riga.startsWith(voce))
            return riga.mid(static_cast<int>(qstrlen(voce))).trimmed().split(' ').value(0).toLong();
    return -1;
}

void lasciaFigura(QWidget* destinazione, int figura) {
    QMimeData dati;
    dati.setText(QString::number(figura));
    const QPoint centro = destinazione->rect().center();
    QDragEnterEvent entra(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(destinazione, &entra);
    QDropEvent lascia(QPointF(centro), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(destinazione, &lascia);
}

// Opens the card and makes the steps; the history keeps at most `limite` of them (0: all). Returns
// the growth of the resident size in kB and the steps the history holds.
std::pair<long, int> passiSu(std::int32_t id, int limite) {
    mdiScheda& e = apriEditor(id);
    QApplication::processEvents();
    e.storia().pila().setUndoLimit(limite);
    malloc_trim(0);
    const long prima = kB("VmRSS:");
    SchedaCorpo* corpo = e.corpo();
    QScrollBar* vs = corpo->findChild<QScrollBar*>(QStringLiteral("VS"));
    for (int i = 0; i < passi; ++i) {
        // Another page each time, so no step merges into the one before.
        vs->setValue(1 + (i * 37) % (esercizi / 2));
        QWidget* pannello = corpo->findChild<QWidget*>(QStringLiteral("pannello%1").arg(i % 2));
        switch (i % 5) {
        case 0:
        case 1:
            pannello->findChild<QLineEdit*>(QStringLiteral("peso"))->setText(QStringLiteral("%1 kg").arg(i));
            break;
        case 2:
            pannello->findChild<QPlainTextEdit*>(QStringLiteral("note"))
                ->setPlainText(
                    QStringLiteral("passo %1: ginocchia piegate, spalle basse, sguardo avanti").arg(i));
            break;
        case 3: {
            // Another figure than the one shown, so the drop is a change.
            auto* figura = pannello->findChild<ImmagineEsercizio*>(QStringLiteral("figura"));
            lasciaFigura(figura, 1 + figura->Tag.toInt() % 40);
            break;
        }
        default:
            pannello
                ->findChild<QToolButton*>(i % 10 == 4 ? QStringLiteral("InserisciEsecizio")
                                                      : QStringLiteral("EliminaEsercizio"))
                ->click();
            break;
        }
    }
    QApplication::processEvents();
    malloc_trim(0);
    return {kB("VmRSS:") - prima, e.storia().pila().count()};
}

void BM_MemoriaStoria1000Passi(benchmark::State& stato) {
    long senza = 0, con = 0;
    int passiSenza = 0, passiCon = 0;
    for (auto _ : stato) {
        // Once ahead, so that what the first run loads for good is counted in neither.
        passiSu(schedaDi(esercizi), 1);
        std::tie(senza, passiSenza) = passiSu(schedaDi(esercizi), 1);
        std::tie(con, passiCon) = passiSu(schedaDi(esercizi), 0);
    }
    if (passiCon != passi || passiSenza != 1)
        stato.SkipWithError(
            QStringLiteral("la storia ha %1 passi, non %2").arg(passiCon).arg(passi).toStdString().c_str());
    stato.counters["kB_senza_storia"] = static_cast<double>(senza);
    stato.counters["kB_con_storia"] = static_cast<double>(con);
    stato.counters["MB_storia"] = static_cast<double>(con - senza) / 1024.0;
    stato.counters["MB_picco"] = static_cast<double>(kB("VmHWM:")) / 1024.0;
}
BENCHMARK(BM_MemoriaStoria1000Passi)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return eseguiBenchmarkEditor(argc, argv);
}
