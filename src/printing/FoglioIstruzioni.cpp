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
    Foglio f;
    ElementoFoglio titolo;
    titolo.nome = QStringLiteral("UtenteEti");
    titolo.left = 3030;
    titolo.top = 585;
    titolo.width = 5835;
    titolo.height = 375;
    titolo.testo = QStringLiteral("ISTRUZIONI D'USO");
    titolo.famiglie = verdana();
    titolo.punti = 18;
    titolo.grassetto = true;
    titolo.colore = QColor(0xC0, 0x00, 0x00);
    titolo.allineamento = Qt::AlignHCenter;
    f.aggiungi(titolo);

    struct Riquadro {
        const char* nome;
        double l, t, w, h;
    };
    const Riquadro cornici[] = {{"Shape1", 255, 1725, 5205, 2610},
                                {"Shape2", 5730, 2580, 4920, 2730},
                                {"Shape4", 270, 4695, 5190, 2640},
                                {"Shape5", 5655, 5610, 4995, 2610},
                                {"Shape3", 300, 7680, 5145, 2460}};
    for (const auto& c : cornici) {
        f.aggiungi(ElementoFoglio::posto(ElementoFoglio::Tipo::Cornice, QLatin1String(c.nome), -1, c.l, c.t,
                                         c.w, c.h));
    }
    const double figure[5][4] = {{570, 1710, 1830, 2730},
                                 {5865, 2565, 1755, 2895},
                                 {270, 4875, 2235, 2145},
                                 {5805, 5820, 2235, 2145},
                                 {375, 7890, 2235, 2145}};
    const double testi[5][4] = {{2520, 1935, 2520, 2505},
                                {7830, 2715, 1905, 2685},
                                {2625, 4950, 2490, 2280},
                                {8100, 5805, 2340, 2340},
                                {2535, 7785, 3030, 2115}};
    for (int i = 0; i < 5; ++i) {
        ElementoFoglio img = ElementoFoglio::posto(ElementoFoglio::Tipo::Immagine, QStringLiteral("Image1"),
                                                   i, figure[i][0], figure[i][1], figure[i][2], figure[i][3]);
        img.immagine = percorsoProgramma(FileConsegnati::posizioneSbagliata(i));
        f.aggiungi(img);
        ElementoFoglio t = ElementoFoglio::posto(ElementoFoglio::Tipo::Etichetta, QStringLiteral("Label1"), i,
                                                 testi[i][0], testi[i][1], testi[i][2], testi[i][3]);
        t.testo = testiPannelli()[i];
        t.famiglie = arial();
        t.punti = 8.25;
        t.colore = QColor(0x80, 0x00, 0x80);
        f.aggiungi(t);
    }

    // Positions of the lower part, as the window lays them out on a sheet 20 cm wide.
    const double p = Foglio::altezza;
    const double larghezzaFinestra = Foglio::larghezza;
    ElementoFoglio info;
    info.nome = QStringLiteral("info");
    info.width = 2775;
    info.height = 285;
    info.testo = QStringLiteral("Printed with: ") + titoloApplicazione();
    info.famiglie = timesNewRoman();
    info.punti = 9;
    info.corsivo = true;
    info.bordo = true;
    info.visibile = false;
    info.top = p - 2 * info.height;
    info.left = larghezzaFinestra * 0.7125;

    const double larghezzaArvel = 1755;
    const double altezzaArvel = 540;
    ElementoFoglio arvel = ElementoFoglio::posto(ElementoFoglio::Tipo::Immagine, QStringLiteral("LogoArvel"),
                                                 -1, info.left + info.width - larghezzaArvel - 20,
                                                 p - 2 * altezzaArvel + 150, larghezzaArvel, altezzaArvel);
    arvel.immagine = percorsoProgramma(FileConsegnati::logoProduttore);

    const double altezzaVibrana = 405;
    ElementoFoglio vibrana = ElementoFoglio::posto(
        ElementoFoglio::Tipo::Immagine, QStringLiteral("logoVibrana"), -1, twips::daCentimetri(0.9) + 100,
        p - 2 * altezzaVibrana + 115, 1350, altezzaVibrana);
    vibrana.immagine = percorsoProgramma(FileConsegnati::logoMacchina);

    ElementoFoglio avv;
    avv.nome = QStringLiteral("avvertenze");
    avv.left = 1065;
    avv.width = 9645;
    avv.height = 3345;
    avv.top = p - 1.5 * avv.height;
    avv.testo = avvertenze().join(QLatin1Char('\r'));
    avv.famiglie = verdana();
    avv.punti = 8.25;
    avv.colore = QColor(0xFF, 0x00, 0x00);
    avv.sfondo = Qt::white;

    f.aggiungi(avv);
    f.aggiungi(vibrana);
    f.aggiungi(arvel);
    f.aggiungi(info);
    return f;
}

} // namespace FoglioIstruzioni
