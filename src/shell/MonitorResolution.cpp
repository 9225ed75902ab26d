#include "shell/MonitorResolution.h"

#include <QGuiApplication>
#include <QScreen>

#ifdef VIBRANA_XRANDR
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#endif

std::int16_t esitoConferma = 0;

namespace {

// The mode as Qt sees the primary screen; changing it is not possible this way.
class SchermoQt : public Schermo {
public:
    ModoSchermo leggi() override {
        QScreen* s = QGuiApplication::primaryScreen();
        if (!s)
            return {};
        const QRect g = s->geometry();
        const qreal scala = s->devicePixelRatio();
        return {static_cast<std::int32_t>(g.width() * scala), static_cast<std::int32_t>(g.height() * scala),
                static_cast<std::int16_t>(s->depth())};
    }
    bool imposta(const ModoSchermo&) override { return false; }
};

#ifdef VIBRANA_XRANDR
// The screen sizes of the X server through the RandR extension. The colour depth of an X screen is
// fixed: a change that asks for another depth fails.
class SchermoXRandR : public Schermo {
public:
    ModoSchermo leggi() override {
        Display* d = XOpenDisplay(nullptr);
        if (!d)
            return riserva_.leggi();
        const int n = DefaultScreen(d);
        ModoSchermo m{DisplayWidth(d, n), DisplayHeight(d, n), static_cast<std::int16_t>(DefaultDepth(d, n))};
        XCloseDisplay(d);
        return m;
    }

    bool imposta(const ModoSchermo& modo) override {
        Display* d = XOpenDisplay(nullptr);
        if (!d)
            return false;
        bool riuscito = false;
        int evento = 0, errore = 0;
        const int n = DefaultScreen(d);
        if (XRRQueryExtension(d, &evento, &errore) &&
            (modo.profondita == 0 || modo.profondita == DefaultDepth(d, n))) {
            const Window radice = RootWindow(d, n);
            if (XRRScreenConfiguration* conf = XRRGetScreenInfo(d, radice)) {
                int quante = 0;
                XRRScreenSize* misure = XRRConfigSizes(conf, &quante);
                Rotation rotazione = 0;
                XRRConfigCurrentConfiguration(conf, &rotazione);
                for (int i = 0; i < quante; ++i) {
                    if (misure[i].width == modo.larghezza && misure[i].height == modo.altezza) {
                        riuscito = XRRSetScreenConfig(d, conf, radice, i, rotazione, CurrentTime) == Success;
                        break;
                    }
                }
                XRRFreeScreenConfigInfo(conf);
            }
        }
        XSync(d, False);
        XCloseDisplay(d);
        return riuscito;
    }

private:
    SchermoQt riserva_;
};
#endif

std::shared_ptr<Schermo>& schermoInstallato() {
    static std::shared_ptr<Schermo> s;
    return s;
}

Schermo& schermo() {
    auto& s = schermoInstallato();
    if (!s) {
#ifdef VIBRANA_XRANDR
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            s = std::make_shared<SchermoXRandR>();
#endif
        if (!s)
            s = std::make_shared<SchermoQt>();
    }
    return *s;
}

} // namespace

std::shared_ptr<Schermo> installaSchermo(std::shared_ptr<Schermo> nuovo) {
    auto precedente = schermoInstallato();
    schermoInstallato() = std::move(nuovo);
    return precedente;
}

ModoSchermo leggiRisoluzione() {
    return schermo().leggi();
}

bool impostaRisoluzione(const ModoSchermo& modo) {
    return schermo().imposta(modo);
}
