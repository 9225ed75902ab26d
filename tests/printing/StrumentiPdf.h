#pragma once

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
} // namespace StrumentiPdf
