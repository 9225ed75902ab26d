#pragma once

class QApplication;
class QString;
class QStyle;

// The application's style, wrapped so that the extension buttons of menu bars and toolbars get their
// pictures without Qt loading every image format plugin: Qt's own style reads those PNG files through a
// reader that asks each plugin whether it knows the format before it tries its built-in PNG reader,
// which brought TIFF, WebP, MNG and their libraries (about 1 MB) into every start. The pictures are
// the same files, read as PNG. Styles that draw those buttons otherwise are left as they are.
void installaStileProgramma(QApplication& applicazione);

// The wrapped style over a new instance of the style `nome`; nullptr for a style that draws the
// extension buttons with pictures of its own, which is then used as it is.
QStyle* creaStileProgramma(const QString& nome);
