#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// The JPEG file of `immagine` with an EXIF block holding only the orientation tag (1 to 8), as a
// camera held sideways writes it; 0 writes no EXIF block at all.
inline QByteArray jpegConOrientamento(const QImage& immagine, int orientamento) {
    QByteArray dati;
    QBuffer b(&dati);
    b.open(QIODevice::WriteOnly);
    immagine.save(&b, "JPG", 100);
    if (orientamento == 0)
        return dati;
    // APP1 "Exif": a big-endian TIFF header and one directory with a single SHORT entry.
    const char exif[] = {'\xFF', '\xE1', 0, 34,   'E', 'x', 'i', 'f', 0, 0,
                         'M',    'M',    0, 0x2A, 0,   0,   0,   8,   0, 1,
                         0x01,   0x12,   0, 3,    0,   0,   0,   1,   0, static_cast<char>(orientamento),
                         0,      0,      0, 0,    0,   0};
    return dati.left(2) + QByteArray(exif, sizeof exif) + dati.mid(2);
}

// w x h pixels, red on the left half and blue on the right: which way up it stands is plain to see.
inline QImage rossoEBlu(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::blue);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w / 2; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}
