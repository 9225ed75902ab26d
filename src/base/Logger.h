#pragma once

#include <QString>

// Appends one time-stamped line per call to "log.txt" in the program folder. Opens, writes and
// closes the file on every call, so the log is complete on disk after each line.
class Logger {
public:
    // An empty folder means the program folder, looked up at each call.
    explicit Logger(QString cartella = {}) : cartella_(std::move(cartella)) {}

    // Throws Errore when the file cannot be created or written.
    void log(const QString& buffer) const;

    QString percorsoFile() const;

private:
    QString cartella_;
};

// The global log writer, created on first use.
Logger& logger();
