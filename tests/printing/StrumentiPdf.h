#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Reading PDF files back with poppler's command-line tools.
namespace StrumentiPdf {
// Number of pages (pdfinfo); -1 when the file cannot be read.
int pagine(const QString& file);
// The text of every page, in order (pdftotext).
QStringList testiPagine(const QString& file);
// Distinct embedded picture objects and how many times pictures are drawn (pdfimages -list).
struct Immagini {
    int oggetti = 0;
    int disegni = 0;
};
Immagini immagini(const QString& file);
// Page `n` (from 1) drawn at `dpi` (pdftoppm); a null image when it cannot be drawn.
QImage pagina(const QString& file, int n, int dpi);
// Whether every object the cross-reference table lists starts where the table says.
bool riferimentiCoerenti(const QString& file);
} // namespace StrumentiPdf
