#include "printing/FoglioIstruzioni.h"

#include "base/CartellaProgramma.h"
#include "base/Messaggi.h"
#include "base/Twips.h"
#include "pictures/FileConsegnati.h"

namespace FoglioIstruzioni {

const QStringList& testiPannelli() {
    static const QStringList testi = {
        QStringLiteral(
            "Non utilizzare la VIBRANA in funzione da in piedi con il busto flesso in avanti, con lo "
            "scopo di migliorare la flessibilità articolare. Questa posizione può creare problemi alla "
            "colonna vertebrale. Da puntualizzare il fatto che la vibrazione crea contrazione muscolare "
            "in questa posizione e non i presupposti per un buon allungamento"),
        QStringLiteral(
            "Non rimanere passivamente in piedi, a ginocchia distese, con la VIBRANA funzionante. Questa "
            "posizione può creare problemi alla colonna vertebrale e dare spiacevoli disturbi generali."),
        QStringLiteral(
            "Non sedersi passivamente sulla VIBRANA funzionante. Questa posizione può creare problemi "
            "alla colonna vertebrale, agli organi interni e dare spiacevoli disturbi generali."),
        QStringLiteral(
            "Non sedersi sulla VIBRANA in funzione, con lo scopo di allenare gli addominali. Questa "
            "posizione può creare problemi agli organi interni e dare spiacevoli disturbi generali. Da "
            "puntualizzare il fatto che la vibrazione non ha alcun effetto diretto sulla muscolatura "
            "addominale in questa posizione"),
        QStringLiteral(
            "In tutti le posizioni o esercizi che prevedono la posizione in piedi sulla VIBRANA, è "
            "sconsigliato dare pressione con il tallone mentre invece è consigliato dare pressione con "
            "l'avampiede. Caricare troppo o tutto il peso del corpo sul tallone, crea un marcato "
            "trasferimento della vibrazione fino alla testa. Questo evento può dare senso di disagio e "
            "spiacevoli disturbi generici.")};
    return testi;
}

const QStringList& avvertenze() {
    static const QStringList testi = {
        QStringLiteral(
            "- Non utilizzare mai la VIBRANA rimanendo a contatto diretto della pedana con parti "
            "anatomiche nude. Utilizzare sempre il tappetino in dotazione o delle scarpe da ginnastica "
            "con suola ammortizzata. Questa regola non vale quando si usano le fasce in dotazione. "),
        QStringLiteral(
            "- Non utilizzare la VIBRANA con soggetti che non conoscono perfettamente le posizioni o gli "
            "esercizi; tale regola vale anche per i soggetti che pur conoscendoli, non riescono a "
            "mantenerli correttamente per tutta la durata della serie o dell'allenamento stesso. - Le "
            "vibrazioni che passano per il segmento mano-braccio possono dare problemi più facilmente "
            "(in particolare vertigini e cefalea). "),
        QStringLiteral(
            "- Non utilizzare la VIBRANA per fare massaggi. In particolare nel caso di cellulite grave, "
            "le vibrazioni possono aumentare il problema sotto vari aspetti. La VIBRANA offre così tanti "
            "vantaggi nel trattamento degli inestetismi da soddisfare tutte le esigenze senza dover "
            "tentare un suo utilizzo poco razionale. Anche nel caso si voglia utilizzare la VIBRANA per "
            "stimolare il recupero muscolare tramite un aumento della circolazione sanguigna, il "
            "massagio è sconsigliato ed anche in questo caso ci sono tecniche idonee allo scopo e non "
            "dannose. "),
        QStringLiteral(
            "- Utilizzare la VIBRANA con modalità idonee al soggetto, sempre valutate e consigliate da "
            "un esperto."),
        QStringLiteral(
            "- Non utilizzare la VIBRANA in condizioni di stanchezza, malnutrizione, scarsa idratazione "
            "e in tutti i casi in cui ci sia repulsione psicologica o fisiologica al metodo. "),
        QStringLiteral("- Non utilizzare la VIBRANA in presenza di soggetti con controindicazioni.")};
    return testi;
}

Foglio crea() {
    using namespace FamiglieFoglio;
    using namespace ElementiFoglio;
    Foglio f;
    auto& titolo = f.aggiungi(etichetta(QStringLiteral("UtenteEti"), -1, 3030, 585, 5835, 375,
                                        QStringLiteral("ISTRUZIONI D'USO"), verdana(), 18, true));
    titolo.colore = QColor(0xC0, 0x00, 0x00);
    titolo.allineamento = Qt::AlignHCenter;

    // Each panel: its frame, the picture of the wrong position and the text beside it.
    struct Riquadro {
        double l, t, w, h;
    };
    struct Pannello {
        const char* cornice;
        Riquadro riquadro, figura, testo;
    };
    static const Pannello pannelli[] = {
        {"Shape1", {255, 1725, 5205, 2610}, {570, 1710, 1830, 2730}, {2520, 1935, 2520, 2505}},
        {"Shape2", {5730, 2580, 4920, 2730}, {5865, 2565, 1755, 2895}, {7830, 2715, 1905, 2685}},
        {"Shape4", {270, 4695, 5190, 2640}, {270, 4875, 2235, 2145}, {2625, 4950, 2490, 2280}},
        {"Shape5", {5655, 5610, 4995, 2610}, {5805, 5820, 2235, 2145}, {8100, 5805, 2340, 2340}},
        {"Shape3", {300, 7680, 5145, 2460}, {375, 7890, 2235, 2145}, {2535, 7785, 3030, 2115}}};
    for (const Pannello& p : pannelli) {
        const Riquadro& r = p.riquadro;
        f.aggiungi(ElementoFoglio::posto(ElementoFoglio::Tipo::Cornice, QLatin1String(p.cornice), -1, r.l,
                                         r.t, r.w, r.h));
    }
    for (int i = 0; i < 5; ++i) {
        const Riquadro& r = pannelli[i].figura;
        f.aggiungi(immagine(QStringLiteral("Image1"), i, r.l, r.t, r.w, r.h,
                            percorsoProgramma(FileConsegnati::posizioneSbagliata(i))));
        const Riquadro& t = pannelli[i].testo;
        f.aggiungi(
             etichetta(QStringLiteral("Label1"), i, t.l, t.t, t.w, t.h, testiPannelli()[i], arial(), 8.25))
            .colore = QColor(0x80, 0x00, 0x80);
    }

    // The lower part, as the window lays it out on a sheet 20 cm wide.
    const double p = Foglio::altezza;
    auto& avv = f.aggiungi(etichetta(QStringLiteral("avvertenze"), -1, 1065, p - 1.5 * 3345, 9645, 3345,
                                     avvertenze().join(QLatin1Char('\r')), verdana(), 8.25));
    avv.colore = QColor(0xFF, 0x00, 0x00);
    avv.sfondo = Qt::white;
    f.aggiungi(immagine(QStringLiteral("logoVibrana"), -1, twips::daCentimetri(0.9) + 100, p - 2 * 405 + 115,
                        1350, 405, percorsoProgramma(FileConsegnati::logoMacchina)));
    // The maker's logo ends where the hidden credit line does.
    const double infoLeft = Foglio::larghezza * 0.7125;
    const double infoWidth = 2775;
    f.aggiungi(immagine(QStringLiteral("LogoArvel"), -1, infoLeft + infoWidth - 1755 - 20, p - 2 * 540 + 150,
                        1755, 540, percorsoProgramma(FileConsegnati::logoProduttore)));
    auto& info = f.aggiungi(etichetta(QStringLiteral("info"), -1, infoLeft, p - 2 * 285, infoWidth, 285,
                                      QStringLiteral("Printed with: ") + titoloApplicazione(),
                                      timesNewRoman(), 9, false, true));
    info.bordo = true;
    info.visibile = false;
    return f;
}

} // namespace FoglioIstruzioni
