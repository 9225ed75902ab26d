#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <memory>

namespace Ui {
class BodyMap;
}
class QLabel;

// One clickable zone of the body map: transparent, crosshair pointer, a thin border until the map is
// loaded. Named after its group's control array and index ("DEL_12").
class ZonaMappa : public QWidget {
    Q_OBJECT
public:
    ZonaMappa(const QString& codice, QWidget* genitore);
    const QString& codice() const { return codice_; }
    void setBordo(bool visibile);
    bool bordo() const { return bordo_; }

signals:
    void cliccata(const QString& codice);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString codice_;
    bool bordo_ = true;
    bool premuta_ = false;
};

// The drawing of the body on which a muscle group is chosen with a click. It raises Change with the
// group's code and otherwise leaves everything to its container, which usually answers with
// changeMuscle. The zones come from the same table that drew the pictures.
class BodyMap : public QWidget {
    Q_OBJECT
public:
    explicit BodyMap(QWidget* parent = nullptr);
    ~BodyMap() override;

    // Shows the group's highlighted picture, then plays the click sound to its end.
    void changeMuscle(const QString& gruppo);
    // Loads a picture file; an empty path keeps the current picture. A file that cannot be read
    // throws Errore naming it, and the picture shown stays as it was.
    void changeBackground(const QString& img);
    // The plain body picture, and the zones lose their borders.
    void onLoad();

    QLabel* Image1() const;
    const QList<ZonaMappa*>& zone() const { return zone_; }
    // The file shown last (empty before the first load).
    const QString& immagineMostrata() const { return immagineMostrata_; }

signals:
    void Change(QString& gruppo);

private:
    void riproduciSuono();
    void nascondiBordi();

    std::unique_ptr<Ui::BodyMap> ui_;
    QList<ZonaMappa*> zone_;
    QString immagineMostrata_;
};
