#pragma once
// The dashboard window: every local and peer input and output bit, the
// analog values as bars and numbers, the eight ladder timers and the lamps
// of the interfaces found. It paints from the shared state (the images,
// the ladder view's lamps, the dashboard view and the peer's lamps),
// refreshing at most once per frame while shown. Created (hidden) the first time it is
// referred to; closing it by its close box destroys it, and the next
// reference creates it afresh.

#include <QWidget>

#include <cstdint>

#include "ControlArray.h"
#include "Panel3D.h"
#include "Shapes.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace tamberlo {

class DashboardWindow : public QWidget {
    Q_OBJECT
public:
    explicit DashboardWindow(QWidget* parent = nullptr);

    // Height in twips (15 per pixel): 5895 shows the local frame, 10455 both.
    void SetHeightTwips(int twips);
    int HeightTwips() const;
    static constexpr int kHeightLocal = 5895;
    static constexpr int kHeightWithNetwork = 10455;

    // Reads the shared state into every indicator that changed.
    void Refresh();
    // Every fixed caption in the language of TaalVlag.
    void ApplyLanguage();

    // Handlers, also callable from code.
    void CHKAltijdBoven_Click();
    void CMDToonNetwerk_Click();
    void CMDDashboardSluiten_Click();
    void Form_Activate();

    // Controls, under the names the program uses.
    QGroupBox* FrameInUitLokaal = nullptr;
    QGroupBox* FrameInUitNetwerk = nullptr;
    ControlArray<Panel3D> PanelKop{0, 11};
    ControlArray<Panel3D> PanelKopNetw{1, 9};
    ControlArray<LampShape> DigInVelPar{0, 108};
    ControlArray<LampShape> DigUitVelPar{0, 108};
    ControlArray<LampShape> DigInVelParNetw{0, 88};
    ControlArray<LampShape> DigUitVelParNetw{0, 88};
    ControlArray<Panel3D> PanelAnaloogIn{1, 8}, PanelAnaloogUit{1, 8};
    ControlArray<Panel3D> PanelAnaInDecimaal{1, 8}, PanelAnaUitDecimaal{1, 8};
    ControlArray<Panel3D> PanelAnaloogInNetw{1, 8}, PanelAnaloogUitNetw{1, 8};
    ControlArray<Panel3D> PanelAnaInDecimaalNetw{1, 8}, PanelAnaUitDecimaalNetw{1, 8};
    Panel3D* PanelKopTimers = nullptr;
    ControlArray<Panel3D> PanelTimer{0, 7}, PanelTijdTimer{0, 7};
    ControlArray<Panel3D> PanelVellemanGevonden{0, 3}, PanelVellemanGevondenNetw{0, 3};
    ControlArray<Panel3D> PanelBraskGevonden{1, 1};
    Panel3D* SSPaneliCP12USBstickGevonden = nullptr;
    Panel3D* PanelBraskGevondenNetw = nullptr;
    QLabel* Brask = nullptr;
    QLabel* iCP = nullptr;
    QCheckBox* CHKAltijdBoven = nullptr;
    QPushButton* CMDToonNetwerk = nullptr;
    QPushButton* CMDDashboardSluiten = nullptr;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void buildLocal();
    void buildNetwork();
    void setShowNetworkText(bool shown);

    QTimer* refreshTimer_ = nullptr;
};

// The window `Dashboard`, created hidden at the first reference.
DashboardWindow& dashboardWindow();
// True while a dashboard exists (without creating one).
bool dashboardWindowExists();

}  // namespace tamberlo
