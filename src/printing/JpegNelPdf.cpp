#include "printing/JpegNelPdf.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace {

quint16 dueByte(const uchar* p, bool intel = false) {
    return intel ? quint16(p[1] << 8 | p[0]) : quint16(p[0] << 8 | p[1]);
}

quint32 quattroByte(const uchar* p, bool intel) {
    return intel ? quint32(p[3]) << 24 | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0]
                 : quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// Whether the Exif block (the TIFF data after "Exif\0\0") leaves the picture as stored. One that
// cannot be read counts as turned: the decoded way is always right.
bool exifDritto(const uchar* t, qsizetype n) {
    if (n < 8)
        return false;
    bool intel = false;
    if (std::memcmp(t, "II", 2) == 0)
        intel = true;
    else if (std::memcmp(t, "MM", 2) != 0)
        return false;
    if (dueByte(t + 2, intel) != 42)
        return false;
    const quint32 ifd = quattroByte(t + 4, intel);
    if (ifd > quint64(n) || n - qsizetype(ifd) < 2)
        return false;
    const int voci = dueByte(t + ifd, intel);
    if (qsizetype(ifd) + 2 + qsizetype(voci) * 12 > n)
        return false;
    for (int k = 0; k < voci; ++k) {
        const uchar* v = t + ifd + 2 + k * 12;
        if (dueByte(v, intel) == 0x0112) // orientation, a SHORT kept in the value field
            return dueByte(v + 2, intel) == 3 && dueByte(v + 8, intel) == 1;
    }
    return true;
}

struct JpegRicordato {
    std::optional<JpegIntatto> jpeg;
    QDateTime modificato;
    qint64 dimensione = -1;
};

QHash<QString, JpegRicordato>& archivioJpeg() {
    static QHash<QString, JpegRicordato> archivio;
    return archivio;
}

// The number written after `p` (spaces first), or -1.
qint64 numeroDopo(const QByteArray& b, qsizetype& p) {
    while (p < b.size() && (b[p] == ' ' || b[p] == '\r' || b[p] == '\n'))
        ++p;
    qint64 v = -1;
    while (p < b.size() && b[p] >= '0' && b[p] <= '9') {
        v = (v < 0 ? 0 : v * 10) + (b[p] - '0');
        if (v > (qint64(1) << 40))
            return -1;
        ++p;
    }
    return v;
}

// The number written after `chiave` inside `diz`, or -1.
qint64 valoreDi(const QByteArray& diz, const char* chiave) {
    const QByteArray k(chiave);
    qsizetype p = 0;
    while ((p = diz.indexOf(k, p)) >= 0) {
        p += k.size();
        // "/Width" but not "/WidthX"
        if (p < diz.size() && (diz[p] == ' ' || diz[p] == '\n' || diz[p] == '\r'))
            return numeroDopo(diz, p);
    }
    return -1;
}

} // namespace

std::optional<JpegIntatto> jpegIntatto(const QByteArray& dati) {
    const auto* d = reinterpret_cast<const uchar*>(dati.constData());
    const qsizetype n = dati.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return std::nullopt;
    JpegIntatto j;
    qsizetype i = 2;
    for (;;) {
        if (i >= n || d[i] != 0xFF)
            return std::nullopt;
        while (i < n && d[i] == 0xFF)
            ++i;
        if (i >= n)
            return std::nullopt;
        const uchar m = d[i++];
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD7))
            continue;
        if (m == 0x00 || m == 0xD8 || m == 0xD9 || i + 2 > n)
            return std::nullopt;
        const int lunghezza = dueByte(d + i);
        if (lunghezza < 2 || i + lunghezza > n)
            return std::nullopt;
        const uchar* s = d + i + 2;
        const int l = lunghezza - 2;
        switch (m) {
        case 0xC0: // baseline
        case 0xC1: // extended sequential, Huffman
        case 0xC2: // progressive, Huffman
            if (j.componenti != 0 || l < 6 || s[0] != 8)
                return std::nullopt;
            j.altezza = dueByte(s + 1);
            j.larghezza = dueByte(s + 3);
            j.componenti = s[5];
            // A height of 0 is given later, in a DNL marker, which few readers follow.
            if (j.altezza == 0 || j.larghezza == 0 || (j.componenti != 1 && j.componenti != 3))
                return std::nullopt;
            break;
        case 0xC3: // lossless, hierarchical, arithmetic coding: not for a PDF's DCT filter
        case 0xC5:
        case 0xC6:
        case 0xC7:
        case 0xC9:
        case 0xCA:
        case 0xCB:
        case 0xCD:
        case 0xCE:
        case 0xCF:
            return std::nullopt;
        case 0xE1:
            if (l >= 6 && std::memcmp(s, "Exif\0\0", 6) == 0 && !exifDritto(s + 6, l - 6))
                return std::nullopt;
            break;
        case 0xDA: {
            if (j.componenti == 0)
                return std::nullopt;
            // The coded data never holds 0xFF 0xD9 (a 0xFF there is followed by 0 or a restart):
            // the last one ends the picture, and whatever trails it stays out.
            const qsizetype fine = dati.lastIndexOf(QByteArrayView("\xFF\xD9", 2));
            if (fine < i + lunghezza)
                return std::nullopt;
            j.dati = dati.left(fine + 2);
            return j;
        }
        default:
            break;
        }
        i += lunghezza;
    }
}

std::optional<JpegIntatto> jpegIntattoDelFile(const QString& percorso) {
    if (percorso.isEmpty())
        return std::nullopt;
    const QFileInfo info(percorso);
    auto& archivio = archivioJpeg();
    const auto it = archivio.constFind(percorso);
    if (it != archivio.constEnd() && it->modificato == info.lastModified() && it->dimensione == info.size())
        return it->jpeg;
    JpegRicordato r;
    r.modificato = info.lastModified();
    r.dimensione = info.exists() ? info.size() : -1;
    QFile file(percorso);
    if (file.open(QIODevice::ReadOnly))
        r.jpeg = jpegIntatto(file.readAll());
    if (archivio.size() > 200)
        archivio.clear();
    archivio.insert(percorso, r);
    return r.jpeg;
}

void dimenticaJpegIntatti() {
    archivioJpeg().clear();
}

// The stand-in is 2 x 2 pixels: no picture of the catalogue is that small, and the file's objects
// are told apart by their size and their order.
constexpr int latoSegnaposto = 2;

QImage JpegNelPdf::segnaposto(const QString& percorso) {
    const auto it = indici_.constFind(percorso);
    if (it != indici_.constEnd())
        return segnaposto_.at(*it);
    std::optional<JpegIntatto> j = jpegIntattoDelFile(percorso);
    if (!j)
        return {};
    // One bit deep: Qt's writer stores it as it is, where a colour picture would have it probe
    // (and load) every image plugin of the system to find a JPEG encoder.
    QImage s(latoSegnaposto, latoSegnaposto, QImage::Format_Mono);
    s.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    s.fill(1);
    indici_.insert(percorso, segnaposto_.size());
    segnaposto_.append(s);
    jpeg_.append(std::move(*j));
    return s;
}

bool JpegNelPdf::sostituisci(QByteArray& pdf) const {
    if (jpeg_.isEmpty())
        return true;
    // The cross-reference table: where it is, and each object's entry in it.
    const qsizetype inizioXref = pdf.lastIndexOf("startxref");
    if (inizioXref < 0)
        return false;
    qsizetype p = inizioXref + 9;
    const qint64 xref = numeroDopo(pdf, p);
    if (xref < 0 || xref >= inizioXref || pdf.mid(xref, 4) != "xref")
        return false;
    struct Voce {
        qsizetype riga; // where its offset is written
        qint64 posizione;
        qint64 numero;
    };
    QList<Voce> voci;
    p = xref + 4;
    for (;;) {
        const qsizetype riga = p;
        const qint64 primo = numeroDopo(pdf, p);
        if (primo < 0) {
            p = riga;
            break;
        }
        const qint64 quanti = numeroDopo(pdf, p);
        while (p < pdf.size() && (pdf[p] == ' ' || pdf[p] == '\r' || pdf[p] == '\n'))
            ++p;
        if (quanti < 0 || p + quanti * 20 > inizioXref)
            return false;
        for (qint64 k = 0; k < quanti; ++k, p += 20) {
            if (pdf[p + 17] == 'n')
                voci.append({p, pdf.mid(p, 10).toLongLong(), primo + k});
        }
    }
    while (p < pdf.size() && (pdf[p] == '\r' || pdf[p] == '\n'))
        ++p;
    if (!pdf.mid(p).startsWith("trailer"))
        return false;
    const qsizetype inizioTrailer = p;
    std::sort(voci.begin(), voci.end(),
              [](const Voce& a, const Voce& b) { return a.posizione < b.posizione; });
    if (voci.isEmpty() || voci.front().posizione <= 0)
        return false;

    // Each stand-in, in the order drawn, and the objects holding their lengths.
    QHash<qint64, qsizetype> immagini;  // object number -> JPEG
    QHash<qint64, qsizetype> lunghezze; // object number -> JPEG whose length it holds
    qsizetype trovati = 0;
    for (qsizetype k = 0; k < voci.size(); ++k) {
        const qint64 da = voci[k].posizione;
        const qint64 a = k + 1 < voci.size() ? voci[k + 1].posizione : xref;
        if (da >= a || a > pdf.size() ||
            !QByteArrayView(pdf).sliced(da, a - da).startsWith(QByteArray::number(voci[k].numero) + " 0 obj"))
            return false;
        const qsizetype flusso = pdf.indexOf("stream", da);
        if (flusso < 0 || flusso >= a)
            continue;
        const QByteArray diz = pdf.mid(da, flusso - da);
        if (!diz.contains("/Subtype /Image") || valoreDi(diz, "/Width") != latoSegnaposto ||
            valoreDi(diz, "/Height") != latoSegnaposto)
            continue;
        if (trovati == jpeg_.size() || diz.contains("/SMask"))
            return false;
        immagini.insert(voci[k].numero, trovati);
        const qsizetype l = diz.indexOf("/Length");
        if (l >= 0) { // "/Length 10 0 R": the length is an object of its own
            qsizetype q = l + 7;
            const qint64 oggetto = numeroDopo(diz, q);
            if (numeroDopo(diz, q) == 0 && diz.mid(q).trimmed().startsWith('R'))
                lunghezze.insert(oggetto, trovati);
        }
        ++trovati;
    }
    if (trovati != jpeg_.size())
        return false;

    QByteArray uscita;
    qsizetype totale = pdf.size();
    for (const JpegIntatto& j : jpeg_)
        totale += j.dati.size() + 200;
    uscita.reserve(totale);
    uscita.append(pdf.constData(), voci.front().posizione);
    QHash<qint64, qint64> nuove; // object number -> its new offset
    for (qsizetype k = 0; k < voci.size(); ++k) {
        const qint64 numero = voci[k].numero;
        nuove.insert(numero, uscita.size());
        const QByteArray intestazione = QByteArray::number(numero) + " 0 obj\n";
        if (const auto i = immagini.constFind(numero); i != immagini.constEnd()) {
            const JpegIntatto& j = jpeg_.at(*i);
            uscita += intestazione;
            uscita += "<<\n/Type /XObject\n/Subtype /Image\n/Width " + QByteArray::number(j.larghezza) +
                      "\n/Height " + QByteArray::number(j.altezza) + "\n/BitsPerComponent 8\n/ColorSpace " +
                      (j.componenti == 1 ? "/DeviceGray" : "/DeviceRGB") + "\n/Length " +
                      QByteArray::number(j.dati.size()) + "\n/Filter /DCTDecode\n>>\nstream\n";
            uscita += j.dati;
            uscita += "\nendstream\nendobj\n";
        } else if (const auto l = lunghezze.constFind(numero); l != lunghezze.constEnd()) {
            uscita += intestazione + QByteArray::number(jpeg_.at(*l).dati.size()) + "\nendobj\n";
        } else {
            const qint64 a = k + 1 < voci.size() ? voci[k + 1].posizione : xref;
            uscita.append(pdf.constData() + voci[k].posizione, a - voci[k].posizione);
        }
    }
    for (auto l = lunghezze.constBegin(); l != lunghezze.constEnd(); ++l)
        if (!nuove.contains(l.key()))
            return false;
    const qint64 nuovoXref = uscita.size();
    uscita.append(pdf.constData() + xref, inizioTrailer - xref);
    for (const Voce& v : voci) {
        const QByteArray posizione = QByteArray::number(nuove.value(v.numero)).rightJustified(10, '0');
        if (posizione.size() != 10)
            return false;
        std::memcpy(uscita.data() + nuovoXref + (v.riga - xref), posizione.constData(), 10);
    }
    uscita.append(pdf.constData() + inizioTrailer, inizioXref - inizioTrailer);
    uscita += "startxref\n" + QByteArray::number(nuovoXref) + "\n%%EOF\n";
    pdf = std::move(uscita);
    return true;
}
