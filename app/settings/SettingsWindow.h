#pragma once
// The settings window `Instellingen`: which interfaces the periodic search
// covers and how often it runs, the Arduino's COM port, the Arduino's
// running light and sketch version, the libraries' versions, and the
// network peer's address and port. Created once, at the first reference, and
// hidden (never destroyed) when left, so its choices last until the program
// ends. OK, the close box and Esc all leave it the same way.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include <cstdint>

#include "ControlArray.h"
#include "FormWindow.h"
#include "Panel3D.h"
#include "VbLabel.h"

class QTimer;

namespace tamberlo {

class SettingsWindow : public FormWindow {
    Q_OBJECT
public:
    explicit SettingsWindow(QWidget* parent = nullptr);

    // The captions of table E in the language TaalVlag holds.
    void ApplyLanguage();
    // Shows the port list and the peer's panels as their models hold them.
    void RefreshFromModels();

    // Handlers, also callable from code.
    void CheckInterface_Click();
    void OptionTimer_Click(int index);
    void CMDVellemanVersie_Click();
    void CMDOk_Click();
    void CancelPath() override;  // close box and Esc: as OK

    VbLabel* LabelInfo;
    QCheckBox* CheckVelleman;
    QCheckBox* CheckBrask;
    QCheckBox* CheckiCP12;
    ControlArray<QRadioButton> OptionTimer{1, 4};
    QComboBox* Combo_Beschikbare_Com_Poorten;
    QPushButton* CMD_Flits;
    QPushButton* CMDArduinoInoVersie;
    QPushButton* CMDVellemanVersie;
    QPushButton* CMDBraskVersie;
    Panel3D* PanelNetwerk;
    Panel3D* PanelNetwerkIPadres;
    Panel3D* PanelNetwerkPoort;
    Panel3D* PanelIPadres;
    Panel3D* PanelPoort;
    QPushButton* CMDOk;

protected:
    bool event(QEvent* e) override;

private:
    void Form_Activate();
    void syncPeriodicSearch();

    QString rememberedVellemanCaption_;
    QString rememberedVersionCaption_;
    std::uint64_t portsShown_ = ~std::uint64_t(0);
    std::uint64_t peerShown_ = ~std::uint64_t(0);
    QTimer* refresh_;
};

// The settings window `Instellingen`, created hidden at the first reference.
SettingsWindow& settingsWindow();
// Tests: destroys it so the next reference creates it anew.
void forgetSettingsWindow();

}  // namespace tamberlo
