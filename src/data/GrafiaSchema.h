#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// The spelling of the register's names, letter case included, and its yes/no columns, as the schema
// files write them. The server folds unquoted names to lower case and reports a yes/no column (domain
// sino) as its base type, a number: results read from it get both back from here, so they read as
// the file's do. A test holds this to the file register's own schema.
struct GrafiaSchema {
    // Relation (lower case) -> column name (lower case) -> its spelling.
    QHash<QString, QHash<QString, QString>> nomi;
    // Yes/no columns, lower case, in whichever table or view.
    QSet<QString> sino;
};

const GrafiaSchema& grafiaSchema();
