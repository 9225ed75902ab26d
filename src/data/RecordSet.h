#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

// A static snapshot of a query's rows: the row count is known at once, fields are read by position
// or by name (names matched without regard to letter case, "categorie.nome" included).
// Nulls are invalid QVariants; dates come back as QDate, yes/no as bool, numbers as qlonglong or double.
class RecordSet {
public:
    RecordSet() = default;
    RecordSet(QStringList nomi, std::vector<std::vector<QVariant>> righe)
        : nomi_(std::move(nomi)), righe_(std::move(righe)) {}

    int RecordCount() const { return static_cast<int>(righe_.size()); }
    bool eof() const { return corrente_ >= RecordCount(); }
    void MoveFirst() { corrente_ = 0; }
    void MoveNext() {
        if (corrente_ < RecordCount())
            ++corrente_;
    }

    int contaCampi() const { return static_cast<int>(nomi_.size()); }
    const QStringList& nomiCampi() const { return nomi_; }

    // Throw Errore when there is no current row or no such field.
    QVariant campo(int indice) const;
    QVariant campo(const QString& nome) const;
    QVariant operator[](const QString& nome) const { return campo(nome); }

    int indiceCampo(const QString& nome) const; // -1 when unknown

private:
    QStringList nomi_;
    std::vector<std::vector<QVariant>> righe_;
    int corrente_ = 0;
};
