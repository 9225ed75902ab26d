#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

// A JPEG file as a PDF can carry it untouched: its bytes and what the PDF must say about them.
struct JpegIntatto {
    QByteArray dati;
    int larghezza = 0;
    int altezza = 0;
    int componenti = 0; // 1 grey, 3 colour
};

// The JPEG in `dati` when a PDF can carry it as it is: 8 bits, baseline or progressive, grey or
// colour, upright (an Exif turn would be applied by the decoder and not by a PDF reader), whole up
// to its end marker. Anything else gives nothing, and the picture goes the decoded way.
std::optional<JpegIntatto> jpegIntatto(const QByteArray& dati);

// The same for a file, read once per process (and again when the file changes).
std::optional<JpegIntatto> jpegIntattoDelFile(const QString& percorso);
void dimenticaJpegIntatti();

// Qt's PDF writer decodes every picture and encodes it again as JPEG for each file: the costliest
// part of a card's PDF, and a second loss of quality. While a PDF is drawn, each JPEG that can go
// in untouched is drawn as a tiny stand-in of its own; afterwards the stand-ins' objects in the file
// are replaced by the JPEG files' bytes. The stand-in is mapped onto the same rectangle as the
// picture would be, so the page draws the same.
class JpegNelPdf {
public:
    // The picture to draw for `percorso`: a stand-in when its JPEG can go in untouched, otherwise
    // `decodificata(percorso)`.
    template <typename Decodifica> QImage immagine(const QString& percorso, const Decodifica& decodificata) {
        const QImage s = segnaposto(percorso);
        return s.isNull() ? decodificata(percorso) : s;
    }

    // Whether any stand-in was handed out.
    bool usato() const { return !jpeg_.isEmpty(); }

    // Puts each JPEG in place of its stand-in in the PDF `pdf`, as Qt's writer left it. False, with
    // `pdf` untouched, when the file is not laid out as expected (then it must be written again
    // with the pictures decoded).
    bool sostituisci(QByteArray& pdf) const;

private:
    QImage segnaposto(const QString& percorso);

    QHash<QString, qsizetype> indici_;
    QList<QImage> segnaposto_;
    QList<JpegIntatto> jpeg_;
};
