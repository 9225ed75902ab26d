#pragma once

#include <QWidget>

// Picture preview window ("Preview"), a child window of the card editor.
// Placeholder until the pictures subsystem lands: the card editor places it already.
class SchedaPreviewFigura : public QWidget {
    Q_OBJECT
public:
    explicit SchedaPreviewFigura(QWidget* parent = nullptr);
};
