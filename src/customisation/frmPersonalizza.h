#pragma once

#include "customisation/palestra.h"
#include "pictures/RidimensionatoreImmagini.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmPersonalizza;
}

// "Personalizza": the gym's name, manager, logo and optional platform-time limit per session. A chosen logo
// is copied into the program's images folder; nothing is stored until "Applica" or "OK".
class frmPersonalizza : public QDialog {
    Q_OBJECT
public:
    explicit frmPersonalizza(QWidget* genitore = nullptr);
    ~frmPersonalizza() override;

    // The logo's file path as it will be stored (the picture's tag).
    QString percorsoLogo() const { return tag_; }
    bool logoCaricato() const;

    void cmdApriIMG_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdApply_Click();

protected:
    // Reads the gym before the window shows: a message about an empty register, shown while the
    // window was being shown, left it without its size on some window systems.
    void setVisible(bool visibile) override;

private:
    void Form_Load();
    void mostraLogo(const QString& percorso);
    bool salvaPalestra();
    // The platform-time limit on screen, in seconds; 0 = none.
    int limiteScelto() const;

    std::unique_ptr<Ui::frmPersonalizza> ui_;
    palestra palestra_;
    RidimensionatoreImmagini ridimensionatore_;
    QString tag_;
    // The limit as read, so that a value in seconds the box cannot show stays as it was unless changed.
    int limiteLetto_ = 0;
    bool caricata_ = false;
};
