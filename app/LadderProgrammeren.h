#pragma once
// The main window `LadderProgrammeren`: the ladder's drawing area with its
// scroll bar, the column headers, and the control panel with the toolbar, the
// search lamps, the network lamps, memories, variables and the run panels.
// What it shows of the ladder and of the run comes from `ladderView`; it
// repaints at most once per frame when that moved on.
//
// The toolbar buttons are plain buttons: the parts that own their commands
// connect to their `clicked` signal.
//
// The members live in LadderProgrammeren.cpp, except where a member names
// its own file.

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <cstdint>

#include "ControlArray.h"
#include "LadderWidget.h"
#include "Panel3D.h"

namespace tamberlo {

class LadderProgrammeren : public QWidget {
    Q_OBJECT
public:
    explicit LadderProgrammeren(QWidget* parent = nullptr);
    ~LadderProgrammeren() override;

    // The load handler: the program's start-up, run inside the splash's
    // first load. Returns after the user closed the splash with OK. (StartUp.cpp)
    void Load(bool withoutArguments);
    // Asks, and ends the program when the user confirms. (Afsluiten.cpp)
    void Afsluiten();
    // The wheel turned by `rotation` over this window (pointer in `wheelState`).
    void MouseWheel(int rotation);
    // The language applied to this window's captions and the ladder's cells. (LanguageSwitch.cpp)
    void TaalAanpassenConActBeh();
    // The window caption: title, version and the supported interfaces. (LanguageSwitch.cpp)
    void CaptionFormAanpassen();
    // The explanatory picture of an editor's item (group, item) at the right
    // of the ladder; a pair it does not know keeps the picture it has. (ExplanatoryPictures.cpp)
    void Show_Interface(int group, int item);
    // Shows what moved on in ladderView (the frame timer calls it).
    void RefreshFromLadderView();

    // A toolbar button's back colour (&HBBGGRR), and the colour it has.
    static void SetButtonColor(QPushButton* button, std::uint32_t vb);
    static std::uint32_t ButtonColor(const QPushButton* button) { return button->property("vbBackColor").toUInt(); }

    // The drawing area's top edge for a scroll value: 56 - 15 × value.
    static int TopFor(int value) { return 56 - 15 * value; }
    int DrawingAreaTop() const;

    // ---- controls --------------------------------------------------------
    Panel3D* SSPanel67;  // "Ladder Programma"
    Panel3D* PanelKopConditie;
    Panel3D* PanelKopActie;
    Panel3D* PanelKopInstellingen;
    QWidget* LadderArea;  // clips the drawing area below the headers
    LadderWidget* PictureProgrammeerVenster;
    QScrollBar* VScrollProgrammeerVenster;

    Panel3D* PanelBesturing;
    Panel3D* PanelStartStop;
    Panel3D* SSPanel70;
    Panel3D* SSPanel79;
    QPushButton* CommandStart;
    QPushButton* CommandPauze;
    QPushButton* CommandStop;
    QPushButton* CommandWissen;
    QPushButton* CommandLezen;
    QPushButton* CommandSchrijven;
    QPushButton* CommandClipBoard;
    QPushButton* CommandPrinten;
    QPushButton* CommandFont;
    QPushButton* CommandAfsluiten;
    QPushButton* CommandTaal;
    QPushButton* CommandDashboard;
    QPushButton* CommandAbout;
    QPushButton* CommandResetAll;
    QPushButton* CommandInitialiseer;  // shows the start-only row's action cell (placed beside it)
    Panel3D* SSPanelFlood;
    Panel3D* SSPanel80;  // "Tijd per Cyclus"
    Panel3D* PanelCyclustijd;

    Panel3D* SSPanelVellemanGevonden;
    ControlArray<Panel3D> PanelVellemanGevonden{0, 3};
    QPushButton* CMDZoekVelleman;
    Panel3D* SSPanelBraskEmberGevonden;
    ControlArray<Panel3D> PanelBraskGevonden{1, 3};
    QPushButton* CMDZoekBrask;
    Panel3D* SSPaneliCP12USBstickGevonden;
    QPushButton* CMDZoekiCP12;

    Panel3D* PanelStatus;
    Panel3D* PanelNetwerkIn;
    Panel3D* PanelNetwerkUit;
    Panel3D* SSPanel75;  // "Geheugen"
    ControlArray<Panel3D> PanelGeheugen{0, 7};
    Panel3D* SSPanel77;  // "Variabele"
    ControlArray<Panel3D> PanelVarABC{1, 3};

    QWidget* Picture_Holder_Show_Interface;  // the explanatory picture's frame
    QLabel* Image_Show_Interface;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void BuildControls();
    void buildEditors();  // MainWindowEditors.cpp: the cell editors over the control panel's place
    QPushButton* Button(QWidget* parent, const char* name, const QString& text, int x, int y, int b = 86, int h = 36);
    void BuildExplanatoryPicture();  // the explanatory picture's frame, hidden (ExplanatoryPictures.cpp)

    QTimer frame_;
    std::uint64_t panelsShown_ = ~std::uint64_t(0);
    QString clearPicture_;
};

// The toolbar's dashboard button: shows or hides the dashboard window.
void CommandDashboard_Click();

}  // namespace tamberlo
