#pragma once

#include <QMainWindow>
#include <QString>

class QTextBrowser;

// The program's help file: an HTML document at a fixed place in the program folder, shown in a window
// of its own with back, forward and contents.
class FinestraGuida : public QMainWindow {
    Q_OBJECT
public:
    explicit FinestraGuida(QWidget* genitore = nullptr);

    // Opens `file` at its beginning (the contents), or at the anchor `sezione`; false when the file
    // does not exist.
    bool apri(const QString& file, const QString& sezione = {});

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QString file_;
};

// The help file of the program (set at start-up) and the window that shows it.
void impostaFileGuida(const QString& percorso);
QString fileGuida();
// Shows the help file at its contents; a missing file is reported in a message.
void apriGuida();
// The same, at the anchor `sezione` of the help file (a window's own chapter).
void apriGuida(const QString& sezione);
// The help window when it is open, else nullptr; closing it unloads it.
FinestraGuida* finestraGuida();

class QCoreApplication;
// F1 opens the help from every window of the application, modal ones included (over a modal window
// the help belongs to it, so it can be read and closed while that window waits); at the section a
// window names in its property "sezioneGuida", else at the contents.
void installaTastoGuida(QCoreApplication* applicazione);
