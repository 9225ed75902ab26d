#pragma once

#include <QString>

// Appends one time-stamped line per call to "log.txt" in the program folder. Opens, writes and
// closes the file on every call, so the log is complete on disk after each line. Once the file
// passes its size limit it becomes "log.1.txt" (replacing the older one) and a new file starts, so
// the two together never hold much more than twice the limit.
class Logger {
public:
    static constexpr qint64 limitePredefinito = 2 * 1024 * 1024;
    // Characters of one line's message; a longer one is cut and ends with marcaTaglio.
    static constexpr qsizetype lunghezzaMassima = 2000;
    static inline const QString marcaTaglio = QStringLiteral(" [...riga troncata]");

    // An empty folder means the program folder, looked up at each call.
    explicit Logger(QString cartella = {}, qint64 limite = limitePredefinito)
        : cartella_(std::move(cartella)), limite_(limite) {}

    // Line breaks in `buffer` become spaces: one call, one line.
    // False when the line could not be written. The log only records what the program does, so a
    // failure never stops the work: the first one of the run is reported once, the rest are silent.
    bool log(const QString& buffer) const;

    QString percorsoFile() const;
    QString percorsoPrecedente() const;

private:
    void ruota(const QString& percorso) const;
    void segnala(const QString& percorso, const QString& causa) const;

    QString cartella_;
    qint64 limite_;
    mutable bool segnalato_ = false;
};

// The global log writer, created on first use.
Logger& logger();
