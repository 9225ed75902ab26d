#pragma once

#include <QImage>

// Logos, the folder symbol and the program icon.
QImage logoProdotto();    // "Vibrana" with its wave mark, about 3:2
QImage logoFamiglia();    // square product-family mark
QImage logoMacchina();    // 10:3, footer of printed sheets
QImage logoProduttore();  // 13:4, footer of printed sheets
QImage simboloCartella(); // 25 x 25
QImage icona(int lato);   // program icon, transparent background
