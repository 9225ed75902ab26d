#!/usr/bin/env python3
"""The yardstick of bench/stampa_pdf.sh: the sheets of a card drawn with ReportLab.

Draws what "vibrana-archivio pdf" draws for a card, on pages of 20 x 28 cm: ten exercises a page, each
a rounded frame with its number, its picture (the JPEG files given, in their order), eight short
captioned values (duration, frequency, amplitude, sets, rest), the mode line and a note; on each page
the header (athlete, instructor, period, frequency of training, days), two rules, the closing notes,
the footer "Pagina i di n" and the program's two logos. Text uses the TrueType fonts the program
prints with (Liberation Sans and Serif, embedded as subsets, as the Qt writer does); each picture is
embedded once per file.

    stampa_reportlab.py OUTPUT.pdf LOGO1 LOGO2 PICTURE...      (one PICTURE per exercise)
"""
import sys

from reportlab.lib.units import mm
from reportlab.pdfbase import pdfmetrics
from reportlab.pdfbase.ttfonts import TTFont
from reportlab.pdfgen import canvas

TWIP = 1 / 20  # points
LARGHEZZA, ALTEZZA = 200 * mm, 280 * mm
PER_PAGINA = 10
CARATTERI = {
    "Sans": "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "SansB": "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "Serif": "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
}


def t(x):
    return x * TWIP


def testo(c, font, punti, x, y, stringa):
    # y counted from the top of the page, in twips, as the program places its elements.
    c.setFont(font, punti)
    c.drawString(t(x), ALTEZZA - t(y) - punti, stringa)


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    uscita, logo1, logo2, figure = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    for nome, percorso in CARATTERI.items():
        pdfmetrics.registerFont(TTFont(nome, percorso))
    c = canvas.Canvas(uscita, pagesize=(LARGHEZZA, ALTEZZA))
    c.setTitle("Scheda di Rossi Mario")
    c.setCreator("Vibrana")
    pagine = (len(figure) + PER_PAGINA - 1) // PER_PAGINA
    for p in range(pagine):
        testo(c, "SansB", 14.25, 480, 300, "Utente: ")
        testo(c, "SansB", 14.25, 2100, 300, "Rossi Mario")
        testo(c, "Sans", 12, 480, 700, "Istruttore: ")
        testo(c, "SansB", 12, 2100, 700, "Anna")
        testo(c, "Sans", 12, 480, 1050, "Periodo: ")
        testo(c, "SansB", 12, 2100, 1050, "01/12/2026 - 22/12/2026")
        testo(c, "SansB", 12, 2100, 1400, "Frequenza di allenamento: 3 giorni la settimana")
        testo(c, "Sans", 12, 480, 1750, "Giorni: ")
        testo(c, "SansB", 12, 2100, 1750, "Martedì, Giovedì, Sabato")
        c.line(t(480), ALTEZZA - t(2200), t(10920), ALTEZZA - t(2200))
        for k, figura in enumerate(figure[p * PER_PAGINA:(p + 1) * PER_PAGINA]):
            n = p * PER_PAGINA + k + 1
            x = 360 + (k % 2) * 5400
            y = 2400 + (k // 2) * 2200
            c.roundRect(t(x), ALTEZZA - t(y + 2100), t(5250), t(2100), t(180))
            c.drawImage(figura, t(x + 150), ALTEZZA - t(y + 90 + 1995), t(2280), t(1995))
            testo(c, "SansB", 9.75, x + 180, y + 120, str(n))
            valori = [("Durata", "30s"), ("Frequenza", "40Hz"), ("Ampiezza", "H"), ("Serie", "3"),
                      ("Recupero", "1' 30\"")]
            for r, (etichetta, valore) in enumerate(valori):
                testo(c, "Sans", 8.25, x + 2520, y + 120 + r * 190, etichetta + ":")
                testo(c, "SansB", 8.25, x + 3900, y + 120 + r * 190, valore)
            testo(c, "Sans", 8.25, x + 2520, y + 1080, "Modalità: Combinata")
            testo(c, "Sans", 6.75, x + 2520, y + 1485, "Note: esercizio %d" % n)
        c.line(t(360), ALTEZZA - t(13500), t(10800), ALTEZZA - t(13500))
        testo(c, "Sans", 8.25, 510, 13650, "Bere molta acqua")
        testo(c, "Serif", 9, 4800, 15500, "Pagina %d di %d" % (p + 1, pagine))
        testo(c, "Serif", 9, 480, 15500, "Printed with: ")
        c.drawImage(logo1, t(1500), ALTEZZA - t(15400 + 405), t(1350), t(405))
        c.drawImage(logo2, t(8900), ALTEZZA - t(15300 + 540), t(1755), t(540))
        c.showPage()
    c.save()


if __name__ == "__main__":
    main()
