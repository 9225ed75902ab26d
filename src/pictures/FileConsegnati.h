#pragma once

#include <QString>

// Files delivered in the program folder besides the database, as paths relative to it, written with
// "\" like every path of the program (resolve them with percorsoProgramma). The picture tool writes
// exactly these files; windows and printing read them through these names.
namespace FileConsegnati {

// Folder symbol of the folder tree (25 x 25).
inline const QString simboloCartella = QStringLiteral("\\images\\FolderXP.JPG");

// Body map: plain body, one highlighted picture per group ("Corpo_" + code + ".JPG"), click sound.
// The three spellings of the folder name are one folder.
inline const QString corpo = QStringLiteral("\\images\\BodyMap\\corpo.JPG");
inline const QString prefissoCorpoGruppo = QStringLiteral("\\images\\BODYMAP\\Corpo_");
inline QString corpoGruppo(const QString& codice) {
    return prefissoCorpoGruppo + codice + QStringLiteral(".JPG");
}
inline const QString suonoMappa = QStringLiteral("\\images\\bodymap\\suono.wav");

// Product logo: centre of the main window and splash window (wide, about 3:2).
inline const QString logoProdotto = QStringLiteral("\\images\\LogoVibrana.JPG");
// Product-family logo of the splash window (square).
inline const QString logoFamiglia = QStringLiteral("\\images\\LogoZDF.JPG");
// Machine's logo in the footer of printed sheets (1350 x 405 twips, 10:3).
inline const QString logoMacchina = QStringLiteral("\\images\\LogoVibranaStampa.JPG");
// Producer's logo in the footer of printed sheets (1755 x 540 twips, 13:4).
inline const QString logoProduttore = QStringLiteral("\\images\\LogoArvel.JPG");

// The five wrong positions of the usage-instructions sheet, index 0 to 4 in the order of their texts:
// 0 bending forward with straight legs, 1 standing passively with straight knees, 2 sitting passively,
// 3 sitting to train the abdominals, 4 weight on the heels.
inline QString posizioneSbagliata(int indice) {
    return QStringLiteral("\\images\\istruzioni\\sbagliato_%1.JPG").arg(indice);
}
inline constexpr int numeroPosizioniSbagliate = 5;

// Folder of the exercise pictures named by the figure catalogue (its paths have no leading "\").
inline const QString cartellaEsercizi = QStringLiteral("images\\esercizi");

// Help file opened with F1.
inline const QString guida = QStringLiteral("\\HELP\\HELP.hlp");

} // namespace FileConsegnati
