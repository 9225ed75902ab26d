#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures the windows of the shell show: the delivered logos, the side-bar bitmap of the menus and
// icons of the installed freedesktop theme. A missing or unreadable file gives a null picture, never an
// error, and is reported to the list of pictures not read.
namespace ImmaginiProgramma {

// The logo scaled down (never up) into `massimo` keeping its proportions; an empty size keeps it whole.
QPixmap logoProdotto(QSize massimo = {});
QPixmap logoFamiglia(QSize massimo = {});

// The bitmap drawn at the bottom of the menus' side bars.
QPixmap barraMenu();

// A theme icon by its standard name; makes sure an icon theme with the standard names is in use.
QIcon icona(const QString& nome);

} // namespace ImmaginiProgramma
