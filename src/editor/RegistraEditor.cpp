#include "editor/RegistraEditor.h"

#include "base/variabiliGlobali.h"
#include "editor/ImmaginiScheda.h"
#include "editor/mdiScheda.h"
#include "pictures/SchedaSelezioneFIGURE.h"
#include "shell/Finestre.h"

#include <QApplication>
#include <QPushButton>
#include <memory>

namespace {

std::unique_ptr<mdiScheda>& istanza() {
    static std::unique_ptr<mdiScheda> e;
    return e;
}

} // namespace

mdiScheda& editorScheda() {
    auto& e = istanza();
    if (!e) {
        e = std::make_unique<mdiScheda>();
        // The window the editor took the place of comes back as it closes.
        QObject::connect(e.get(), &mdiScheda::chiuso, [] {
            if (finestre().mostraPrincipale)
                finestre().mostraPrincipale();
        });
        // Windows must go before the application object does.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { istanza().reset(); });
    }
    return *e;
}

mdiScheda* editorSchedaCaricato() {
    return istanza().get();
}

void scaricaEditorScheda() {
    istanza().reset();
}

void registraFinestreEditor() {
    RegistroFinestre& f = finestre();
    f.mdiSchedaMostra = [] { editorScheda().mostra(); };
    // Start-up prepares the picture lists only: the editor's window is built at its first opening,
    // where building it is a small part of the time, so a session that never edits a card never pays
    // for it.
    f.caricaEditorScheda = [](AvanzamentoBarra& barra) { preparaImmaginiScheda(barra); };
    f.scaricaEditorScheda = [] {
        scaricaEditorScheda();
        scaricaImmaginiScheda();
    };

    const auto metteVia = [] {
        if (mdiScheda* e = editorSchedaCaricato()) {
            mdiScheda::setPuoiChiudere(true);
            e->close();
        }
    };
    elencaFinestra({QStringLiteral("mdiScheda"), [] { editorScheda().mostra(); }, metteVia});
    // The template header takes the card header's place: a template opened with no athlete chosen.
    elencaFinestra({QStringLiteral("mdiScheda modello"),
                    [] {
                        const std::int32_t utente = idUtenteSelezionato;
                        const std::int32_t scheda = idSchedaSelezionata;
                        idUtenteSelezionato = 0;
                        idSchedaSelezionata = 0;
                        editorScheda().mostra();
                        idUtenteSelezionato = utente;
                        idSchedaSelezionata = scheda;
                    },
                    metteVia});
    // The picture preview, as "Zoom Immagine" shows it beside the picture selection.
    elencaFinestra({QStringLiteral("SchedaPreviewFigura"),
                    [] {
                        mdiScheda& e = editorScheda();
                        e.mostra();
                        if (SchedaSelezioneFIGURE* s = e.selezioneFigure())
                            s->cmdZoom()->click();
                    },
                    metteVia});
}

void predefiniteEditor(RegistroFinestre& f) {
    if (!f.caricaEditorScheda)
        f.caricaEditorScheda = [](AvanzamentoBarra& barra) { preparaImmaginiScheda(barra); };
    if (!f.scaricaEditorScheda)
        f.scaricaEditorScheda = [] { scaricaImmaginiScheda(); };
}
