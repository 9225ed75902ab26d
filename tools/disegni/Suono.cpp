#include "Suono.h"

#include <QtEndian>
#include <cmath>
#include <cstdint>

namespace {
void aggiungi32(QByteArray& b, quint32 v) {
    v = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&v), 4);
}
void aggiungi16(QByteArray& b, quint16 v) {
    v = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&v), 2);
}
} // namespace

QByteArray suonoClick() {
    const int frequenza = 44100;
    const int campioni = frequenza * 45 / 1000; // 45 ms
    QByteArray dati;
    quint32 caso = 12345;
    for (int i = 0; i < campioni; ++i) {
        const double t = double(i) / frequenza;
        // a damped 1.8 kHz tone with a little noise at the attack, soft attack to avoid a pop
        caso = caso * 1103515245u + 12345u;
        const double rumore = (double((caso >> 16) & 0x7fff) / 16384.0 - 1.0) * std::exp(-t / 0.002);
        const double tono = std::sin(2 * M_PI * 1800 * t) * std::exp(-t / 0.007);
        const double attacco = std::min(1.0, t / 0.0008);
        const double v = 0.32 * attacco * (0.85 * tono + 0.15 * rumore);
        aggiungi16(dati, quint16(qint16(std::lround(v * 32767))));
    }
    QByteArray wav("RIFF");
    aggiungi32(wav, quint32(36 + dati.size()));
    wav.append("WAVEfmt ");
    aggiungi32(wav, 16);
    aggiungi16(wav, 1); // PCM
    aggiungi16(wav, 1); // mono
    aggiungi32(wav, frequenza);
    aggiungi32(wav, frequenza * 2);
    aggiungi16(wav, 2);
    aggiungi16(wav, 16);
    wav.append("data");
    aggiungi32(wav, quint32(dati.size()));
    return wav + dati;
}
