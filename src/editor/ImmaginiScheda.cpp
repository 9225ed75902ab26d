#include "editor/ImmaginiScheda.h"

#include "base/CartellaProgramma.h"
#include "base/ImmaginiNonLette.h"
#include "data/LettoriCampi.h"
#include "data/db.h"
#include "pictures/FileConsegnati.h"
#include "pictures/LeggiImmagine.h"
#include "records/Figure.h"
#include "shell/AvanzamentoBarra.h"
#include "shell/ImmaginiProgramma.h"

#include <QGuiApplication>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

std::unique_ptr<ImmaginiScheda>& globale() {
    static std::unique_ptr<ImmaginiScheda> i;
    return i;
}

// A picture file that is missing or unreadable shows the theme's "missing picture" symbol, so the
// picture lists stay complete and the program starts anyway.
QImage segnaposto(QSize lato, const QString& nomeIcona) {
    return ImmaginiProgramma::icona(nomeIcona).pixmap(lato).toImage();
}

} // namespace

QImage ImmaginiScheda::leggiRidotta(const QString& percorso, QSize lato) {
    // Read at the screen's density: the picture lists keep them so, sharp on a scaled display.
    return leggiRidotta(percorso, lato, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QImage ImmaginiScheda::leggiRidotta(const QString& percorso, QSize lato, qreal rapporto) {
    QImage letta = leggiImmagine(percorso, (QSizeF(lato) * rapporto).toSize());
    letta.setDevicePixelRatio(rapporto);
    return letta;
}

namespace {

// Decodes the pictures on every core while the caller takes them in their order as each is ready,
// so a progress bar advances as they really come: decoding is most of the start-up on a large
// catalogue.
class DecodificaParallela {
public:
    DecodificaParallela(const QStringList& percorsi, QSize lato, qreal rapporto)
        : percorsi_(percorsi), lette_(static_cast<std::size_t>(percorsi.size())),
          pronte_(static_cast<std::size_t>(percorsi.size()), false) {
        const unsigned core = std::max(1u, std::thread::hardware_concurrency());
        const auto n = std::min<std::size_t>(core, lette_.size());
        for (std::size_t i = 0; i < n; ++i)
            lavoratori_.emplace_back([this, lato, rapporto] {
                for (std::size_t k = prossima_++; k < lette_.size(); k = prossima_++) {
                    QImage img =
                        ImmaginiScheda::leggiRidotta(percorsi_[static_cast<qsizetype>(k)], lato, rapporto);
                    std::lock_guard<std::mutex> l(m_);
                    lette_[k] = std::move(img);
                    pronte_[k] = true;
                    pronta_.notify_all();
                }
            });
    }
    ~DecodificaParallela() {
        // A failure of the caller half-way: the remaining pictures are skipped, then the workers end.
        prossima_ = lette_.size();
        for (std::thread& t : lavoratori_)
            t.join();
    }
    DecodificaParallela(const DecodificaParallela&) = delete;
    DecodificaParallela& operator=(const DecodificaParallela&) = delete;

    QImage prendi(std::size_t k) {
        std::unique_lock<std::mutex> l(m_);
        pronta_.wait(l, [&] { return pronte_[k]; });
        return std::move(lette_[k]);
    }

private:
    const QStringList percorsi_;
    std::vector<QImage> lette_;
    std::vector<bool> pronte_;
    std::atomic<std::size_t> prossima_{0};
    std::mutex m_;
    std::condition_variable pronta_;
    std::vector<std::thread> lavoratori_;
};

} // namespace

void ImmaginiScheda::caricaImmagini(AvanzamentoBarra* barra) {
    ImageList1.setDimensione(QSize(25, 25));
    QImage cartella =
        leggiRidotta(percorsoProgramma(FileConsegnati::simboloCartella), ImageList1.dimensione());
    if (cartella.isNull()) {
        segnalaImmagineNonLetta(percorsoProgramma(FileConsegnati::simboloCartella));
        cartella = segnaposto(ImageList1.dimensione(), QStringLiteral("folder"));
    }
    ImageList1.aggiungi(QStringLiteral("Cartella"), cartella);

    ImageList2.setDimensione(QSize(150, 150));
    // Every figure's picture path in one query: a query per figure cost a statement each.
    RecordSet rs = db().getRs(QStringLiteral("SELECT ID_FIG, figura from figure"));
    if (barra) {
        barra->barReset();
        barra->barSetMax(static_cast<std::int16_t>(qMin(rs.RecordCount() + 1, 32767)));
    }
    QStringList chiavi;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        figura f;
        f.setFigura(nzStringa(rs.campo(1)));
        chiavi << f.Figura();
    }
    DecodificaParallela lettura(chiavi, ImageList2.dimensione(), qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
    for (qsizetype k = 0; k < chiavi.size(); ++k) {
        QImage immagine = lettura.prendi(static_cast<std::size_t>(k));
        if (immagine.isNull()) {
            segnalaImmagineNonLetta(chiavi[k]);
            immagine = segnaposto(ImageList2.dimensione(), QStringLiteral("image-missing"));
        }
        ImageList2.aggiungi(chiavi[k], immagine);
        if (barra)
            barra->barStep();
    }
}

ImmaginiScheda* immaginiScheda() {
    return globale().get();
}

void caricaImmaginiScheda(AvanzamentoBarra& barra) {
    auto nuove = std::make_unique<ImmaginiScheda>();
    nuove->caricaImmagini(&barra);
    globale() = std::move(nuove);
}

void scaricaImmaginiScheda() {
    globale().reset();
}
