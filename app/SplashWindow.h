#pragma once
// The window `Splash`: at program start the progress display of the start-up,
// later the About window. OK (or the "Klik OK." label once it is armed), the
// close box and Esc all hide it and enable the main window.

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "FormWindow.h"
#include "VbLabel.h"
#include "VbTimer.h"

namespace tamberlo {

class SplashWindow : public FormWindow {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // The window's load: the first one runs the whole start-up (settings file,
    // the main window's load handler, the wait for OK) and returns after it.
    void Load(bool withoutArguments);
    // The About role: shown over the main window, topmost.
    void ShowAsAbout(QWidget* mainWindow);
    // Shows the port list of the COM port scans (which add to it at every search).
    void FillComPorts();

    // Captions set on every activation (and by the start-up).
    void SetActivationTexts();

    // Sets a search button's back colour (&HBBGGRR) and, optionally, its picture.
    static void SetButtonColor(QPushButton* button, std::uint32_t vb);
    static std::uint32_t ButtonColor(const QPushButton* button);
    static void SetButtonPicture(QPushButton* button, const QString& name);

    void CancelPath() override;  // close box and Esc: as OK

    // Controls, under the names the program uses.
    VbLabel* lblLicenseTo;
    VbLabel* lblVersion;
    VbLabel* lblProductName;
    VbLabel* lblCompanyProduct;
    VbLabel* lblCompany;
    VbLabel* lblCopyright;
    VbLabel* LabelDllVersie;
    VbLabel* LabelBraskVersie;
    QProgressBar* ProgressBar;
    QProgressBar* Progress_Zoek_Arduino;
    VbTimer* Timer_Zoek_Interface;
    VbLabel* Label_Starten;
    QPushButton* CMD_K8055;
    VbLabel* Label_K8055;
    QPushButton* CMD_Brask;
    VbLabel* Label_Brask;
    QPushButton* CMD_Arduino_Nano;
    VbLabel* Label_Arduino_Nano;
    QComboBox* Combo_Beschikbare_Com_Poorten;
    QPushButton* CMDOk;
    QLabel* ImgLogo;

    // The start-up's progress value.
    void ProgressStep(int n = 1) { ProgressBar->setValue(ProgressBar->value() + n); }

protected:
    bool event(QEvent* e) override;

private:
    void CMDOk_Click();
    void Label_Starten_Click();
    void LabelDllVersie_Click();
    void Timer_Zoek_Interface_Timer();
    bool loaded_ = false;
};

// "a.b.c.d" of a Velleman library version word (bytes high to low).
QString VellemanVersionText(std::int32_t v);

}  // namespace tamberlo
