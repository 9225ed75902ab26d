#include "pictures/SuonoClic.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#ifdef VIBRANA_PULSE
#include <dlfcn.h>
#include <mutex>
#include <pulse/simple.h>
#endif

namespace {

struct Wav {
    int canali = 0;
    int frequenza = 0;
    int bit = 0;
    QByteArray campioni;
};

// Reads the format and the sample data of an uncompressed RIFF/WAVE file; false for anything else.
bool leggiWav(const QString& percorso, Wav& wav) {
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray d = f.readAll();
    if (d.size() < 12 || !d.startsWith("RIFF") || d.mid(8, 4) != "WAVE")
        return false;
    bool formato = false;
    qsizetype pos = 12;
    while (pos + 8 <= d.size()) {
        const QByteArray id = d.mid(pos, 4);
        const quint32 lung = qFromLittleEndian<quint32>(d.constData() + pos + 4);
        const qsizetype inizio = pos + 8;
        const qsizetype disponibili = qMin<qsizetype>(lung, d.size() - inizio);
        if (id == "fmt " && disponibili >= 16) {
            const char* p = d.constData() + inizio;
            if (qFromLittleEndian<quint16>(p) != 1) // PCM only
                return false;
            wav.canali = qFromLittleEndian<quint16>(p + 2);
            wav.frequenza = static_cast<int>(qFromLittleEndian<quint32>(p + 4));
            wav.bit = qFromLittleEndian<quint16>(p + 14);
            formato = true;
        } else if (id == "data") {
            wav.campioni = d.mid(inizio, disponibili);
        }
        pos = inizio + lung + (lung & 1);
    }
    return formato && !wav.campioni.isEmpty() && wav.canali >= 1 && wav.canali <= 8 && wav.frequenza > 0 &&
           (wav.bit == 8 || wav.bit == 16);
}

#ifdef VIBRANA_PULSE
// PulseAudio's simple API, opened at the first click rather than at start-up: the library brings in
// the sound file codecs, which the program would otherwise load and keep in memory without a click.
struct Pulse {
    decltype(&::pa_simple_new) nuovo = nullptr;
    decltype(&::pa_simple_write) scrivi = nullptr;
    decltype(&::pa_simple_drain) svuota = nullptr;
    decltype(&::pa_simple_free) libera = nullptr;
};

// nullptr where the library is missing: the click is then silent, as without a server.
const Pulse* pulse() {
    static const Pulse* trovata = []() -> const Pulse* {
        void* libreria = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!libreria)
            return nullptr;
        static Pulse p;
        p.nuovo = reinterpret_cast<decltype(p.nuovo)>(dlsym(libreria, "pa_simple_new"));
        p.scrivi = reinterpret_cast<decltype(p.scrivi)>(dlsym(libreria, "pa_simple_write"));
        p.svuota = reinterpret_cast<decltype(p.svuota)>(dlsym(libreria, "pa_simple_drain"));
        p.libera = reinterpret_cast<decltype(p.libera)>(dlsym(libreria, "pa_simple_free"));
        return p.nuovo && p.scrivi && p.svuota && p.libera ? &p : nullptr;
    }();
    return trovata;
}
#endif

} // namespace

namespace SuonoClic {

bool serverRaggiungibile() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pulse/native"));
}

bool riproducibile(const QString& percorso) {
    Wav wav;
    return leggiWav(percorso, wav);
}

bool riproduci(const QString& percorso) {
    Wav wav;
    if (!leggiWav(percorso, wav))
        return false;
#ifdef VIBRANA_PULSE
    // Without a server, pa_simple_new would try to start one: a click is not worth that.
    if (!serverRaggiungibile())
        return false;
    const Pulse* pa = pulse();
    if (!pa)
        return false;
    pa_sample_spec formato{};
    formato.format = wav.bit == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    formato.rate = static_cast<uint32_t>(wav.frequenza);
    formato.channels = static_cast<uint8_t>(wav.canali);
    int errore = 0;
    pa_simple* s = pa->nuovo(nullptr, "Vibrana", PA_STREAM_PLAYBACK, nullptr, "clic", &formato, nullptr,
                             nullptr, &errore);
    if (!s)
        return false;
    bool ok = pa->scrivi(s, wav.campioni.constData(), static_cast<size_t>(wav.campioni.size()), &errore) >= 0;
    ok = ok && pa->svuota(s, &errore) >= 0;
    pa->libera(s);
    return ok;
#else
    return false;
#endif
}

} // namespace SuonoClic
