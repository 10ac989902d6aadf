#include "LadderProgrammeren.h"

#include <QCloseEvent>

#include <algorithm>

#include "ArduinoLink.h"
#include "CommandPrinten.h"
#include "Dashboard.h"
#include "Detection.h"
#include "FileCommands.h"
#include "FontSize.h"
#include "FunctionKeys.h"
#include "InputReading.h"
#include "LadderGeometry.h"
#include "LadderView.h"
#include "MainWindowCommands.h"
#include "MainWindowEditors.h"
#include "MouseWheel.h"
#include "Picture.h"
#include "RunCommands.h"
#include "SplashWindow.h"
#include "Twips.h"
#include "VbColor.h"
#include "Windows.h"

namespace tamberlo {

namespace {
constexpr int kWidth = 1207;  // 18105 twips
constexpr int kHeight = 820;
constexpr int kSettingsX = 1020;
constexpr int kSettingsWidth = 185;
}  // namespace

LadderProgrammeren::LadderProgrammeren(QWidget* parent) : QWidget(parent) {
    setObjectName("LadderProgrammeren");
    resize(kWidth, kHeight);
    setMinimumSize(640, 400);

    SSPanel67 = new Panel3D(QStringLiteral("Ladder Programma"), this);
    SSPanel67->setGeometry(0, 0, 1017, 28);
    QFont headerFont = SSPanel67->font();
    headerFont.setBold(true);
    headerFont.setPointSize(headerFont.pointSize() + 2);
    SSPanel67->setFont(headerFont);
    PanelKopConditie = new Panel3D(QStringLiteral("Conditie"), this);
    PanelKopConditie->setGeometry(0, 28, ladder::kActionLeft, 26);
    PanelKopActie = new Panel3D(QStringLiteral("Actie"), this);
    PanelKopActie->setGeometry(ladder::kActionLeft, 28, 1017 - ladder::kActionLeft, 26);
    PanelKopInstellingen = new Panel3D(QStringLiteral("Beheer"), this);
    PanelKopInstellingen->setGeometry(kSettingsX, 0, kSettingsWidth, 54);
    PanelKopInstellingen->SetBackColor(0xE0E0E0);
    for (Panel3D* p : {PanelKopConditie, PanelKopActie, PanelKopInstellingen}) p->setFont(headerFont);

    LadderArea = new QWidget(this);
    LadderArea->setObjectName("LadderVlak");
    LadderArea->setGeometry(0, 56, ladder::kWidth, kHeight - 56);
    PictureProgrammeerVenster = new LadderWidget(LadderArea);
    PictureProgrammeerVenster->setObjectName("PictureProgrammeerVenster");
    PictureProgrammeerVenster->move(0, 0);

    VScrollProgrammeerVenster = new QScrollBar(Qt::Vertical, this);
    VScrollProgrammeerVenster->setObjectName("VScrollProgrammeerVenster");
    VScrollProgrammeerVenster->setGeometry(ladder::kWidth, 56, 17, kHeight - 56);
    VScrollProgrammeerVenster->setRange(0, 450);
    VScrollProgrammeerVenster->setPageStep(100);  // LargeChange
    VScrollProgrammeerVenster->setSingleStep(1);
    // Change and scroll: the drawing area's top edge follows the value.
    connect(VScrollProgrammeerVenster, &QScrollBar::valueChanged, this,
            [this](int v) { PictureProgrammeerVenster->move(0, TopFor(v) - LadderArea->y()); });

    // On losing the focus the scroll bar has the drawing area refreshed.
    VScrollProgrammeerVenster->setFocusPolicy(Qt::StrongFocus);
    VScrollProgrammeerVenster->installEventFilter(this);
    connect(PictureProgrammeerVenster, &LadderWidget::backgroundDoubleClicked, this, [this] { DrawingAreaDoubleClicked(*this); });

    BuildControls();
    for (auto [w, name] : {std::pair<QWidget*, const char*>{SSPanel67, "SSPanel67"},
                           {PanelKopConditie, "PanelKopConditie"},
                           {PanelKopActie, "PanelKopActie"},
                           {PanelKopInstellingen, "PanelKopInstellingen"},
                           {PanelStartStop, "PanelStartStop"},
                           {SSPanel70, "SSPanel70"},
                           {SSPanel79, "SSPanel79"},
                           {SSPanel75, "SSPanel75"},
                           {SSPanel77, "SSPanel77"},
                           {SSPanel80, "SSPanel80"},
                           {PanelStatus, "PanelStatus"},
                           {PanelNetwerkUit, "PanelNetwerkUit"}})
        w->setObjectName(name);
    // Markers of the font choice: the toolbar's buttons grow and turn bold, the headings stay bold.
    for (QPushButton* b : ToolbarButtons(*this)) b->setProperty("WhatsThisHelpID", 4);
    for (Panel3D* p : {SSPanel67, PanelKopConditie, PanelKopActie, PanelKopInstellingen}) p->setProperty("WhatsThisHelpID", 1);
    BuildExplanatoryPicture();
    InstallToolbarHover(*this);
    buildEditors();
    connect(CommandLezen, &QPushButton::clicked, this, [] { tamberlo::CommandLezen(); });
    connect(CommandSchrijven, &QPushButton::clicked, this, [] { tamberlo::CommandSchrijven(); });
    connect(CommandWissen, &QPushButton::clicked, this, [] { tamberlo::CommandWissen(); });
    connect(CommandAfsluiten, &QPushButton::clicked, this, [this] { Afsluiten(); });
    connect(CommandAbout, &QPushButton::clicked, this, [this] { splashWindow().ShowAsAbout(this); });
    connect(CommandDashboard, &QPushButton::clicked, this, [] { CommandDashboard_Click(); });
    connect(CommandClipBoard, &QPushButton::clicked, this, [] { CommandClipBoard_Click(); });
    connect(CommandTaal, &QPushButton::clicked, this, [] { CommandTaal_Click(); });
    connect(CommandFont, &QPushButton::clicked, this, [] { CommandFont_Click(); });
    connect(CommandPrinten, &QPushButton::clicked, this, [this] { tamberlo::CommandPrinten(this); });
    connect(CommandStart, &QPushButton::clicked, this, [] { tamberlo::CommandStart(); });
    connect(CommandPauze, &QPushButton::clicked, this, [] { tamberlo::CommandPauze(); });
    connect(CommandStop, &QPushButton::clicked, this, [] { tamberlo::CommandStop(); });
    connect(CommandResetAll, &QPushButton::clicked, this, [] { tamberlo::CommandResetAll(); });

    frame_.setInterval(16);  // at most one repaint per frame
    connect(&frame_, &QTimer::timeout, this, &LadderProgrammeren::RefreshFromLadderView);
    frame_.start();
    RefreshFromLadderView();
}

LadderProgrammeren::~LadderProgrammeren() { MuiswielLoskoppelen(this); }

int LadderProgrammeren::DrawingAreaTop() const { return LadderArea->y() + PictureProgrammeerVenster->y(); }

void LadderProgrammeren::SetButtonColor(QPushButton* button, std::uint32_t vb) {
    button->setProperty("vbBackColor", uint(vb));
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset #a0a0a0; }"
                                         "QPushButton:pressed { border-style: inset; }")
                              .arg(VbToQColor(vb).name()));
}

QPushButton* LadderProgrammeren::Button(QWidget* parent, const char* name, const QString& text, int x, int y, int b, int h) {
    auto* k = new QPushButton(text, parent);
    k->setObjectName(name);
    k->setGeometry(x, y, b, h);
    SetButtonColor(k, 0xD7D7D7);
    return k;
}

void LadderProgrammeren::BuildControls() {
    PanelBesturing = new Panel3D(this);
    PanelBesturing->setObjectName("PanelBesturing");
    PanelBesturing->setGeometry(kSettingsX, 56, kSettingsWidth, kHeight - 56);
    const int w = kSettingsWidth - 4;

    PanelStartStop = new Panel3D(PanelBesturing);
    PanelStartStop->setGeometry(2, 2, w, 170);
    CommandStart = Button(PanelStartStop, "CommandStart", QStringLiteral("Start"), 3, 3);
    CommandPauze = Button(PanelStartStop, "CommandPauze", QStringLiteral("Pauze"), 92, 3);
    CommandStop = Button(PanelStartStop, "CommandStop", QStringLiteral("Stop"), 3, 41);
    CommandWissen = Button(PanelStartStop, "CommandWissen", QStringLiteral("Wissen"), 92, 41);
    CommandLezen = Button(PanelStartStop, "CommandLezen", QStringLiteral("Openen"), 3, 79);
    CommandSchrijven = Button(PanelStartStop, "CommandSchrijven", QStringLiteral("Opslaan"), 92, 79);
    CommandWissen->setIconSize(QSize(28, 28));
    SSPanelFlood = new Panel3D(PanelStartStop);
    SSPanelFlood->setGeometry(4, 119, w - 8, 14);
    SSPanelFlood->SetFloodType(Panel3D::Flood::LeftToRight);
    SSPanelFlood->SetBackColor(0xFFFFFF);
    SSPanel80 = new Panel3D(QStringLiteral("Tijd per Cyclus"), PanelStartStop);
    SSPanel80->setGeometry(4, 137, 96, 28);
    PanelCyclustijd = new Panel3D(PanelStartStop);
    PanelCyclustijd->setGeometry(102, 137, w - 106, 28);
    PanelCyclustijd->SetBackColor(0xFFFFFF);

    SSPanel70 = new Panel3D(PanelBesturing);
    SSPanel70->setGeometry(2, 176, w, 120);
    CommandClipBoard = Button(SSPanel70, "CommandClipBoard", QStringLiteral("Instellingen"), 3, 3);
    CommandPrinten = Button(SSPanel70, "CommandPrinten", QStringLiteral("Printen"), 92, 3);
    CommandFont = Button(SSPanel70, "CommandFont", QStringLiteral("Naam"), 3, 41);
    CommandAfsluiten = Button(SSPanel70, "CommandAfsluiten", QStringLiteral("Einde"), 92, 41);
    CommandTaal = Button(SSPanel70, "CommandTaal", QStringLiteral("Nederl."), 3, 79);
    CommandDashboard = Button(SSPanel70, "CommandDashboard", QStringLiteral("Dashboard"), 92, 79);
    CommandTaal->setIconSize(QSize(24, 17));
    CommandTaal->setIcon(QIcon(LoadPicture("vlag Nederlands.bmp")));

    SSPanel79 = new Panel3D(PanelBesturing);
    SSPanel79->setGeometry(2, 300, w, 42);
    CommandAbout = Button(SSPanel79, "CommandAbout", QStringLiteral("Over"), 3, 3, 86, 36);
    CommandResetAll = Button(SSPanel79, "CommandResetAll", QStringLiteral("Alles uit"), 92, 3, 86, 36);
    CommandInitialiseer = Button(SSPanel79, "CommandInitialiseer", QStringLiteral("Initialiseer"), 92, 3, 86, 36);
    CommandInitialiseer->setVisible(false);

    // Search lamps with their "find" buttons.
    auto* search = new Panel3D(PanelBesturing);
    search->setGeometry(2, 346, w, 86);
    auto lamp = [](QWidget* parent, const QString& text, int x, int y, int b, int h) {
        auto* p = new Panel3D(text, parent);
        p->setGeometry(x, y, b, h);
        p->SetBackColor(0xD7D7D7);
        return p;
    };
    // The lamps of single cards and modules are just wide enough for their digit;
    // the names beside them take the rest, in a font small enough for "Brask Kelvanor".
    SSPanelVellemanGevonden = lamp(search, QStringLiteral("Velleman"), 3, 3, 82, 24);
    for (int i = 0; i <= 3; ++i) PanelVellemanGevonden.set(i, lamp(search, QString::number(i), 86 + 13 * i, 3, 12, 24));
    CMDZoekVelleman = Button(search, "CMDZoekVelleman", QStringLiteral("Vind !"), 138, 3, 40, 24);
    SSPanelBraskEmberGevonden = lamp(search, QStringLiteral("Brask Kelvanor"), 3, 30, 95, 24);
    for (int i = 1; i <= 3; ++i) PanelBraskGevonden.set(i, lamp(search, QString::number(i), 99 + 13 * (i - 1), 30, 12, 24));
    CMDZoekBrask = Button(search, "CMDZoekBrask", QStringLiteral("Vind !"), 138, 30, 40, 24);
    SSPaneliCP12USBstickGevonden = lamp(search, QStringLiteral("Arduino NANO"), 3, 57, 132, 24);
    for (Panel3D* name : {SSPanelVellemanGevonden, SSPanelBraskEmberGevonden, SSPaneliCP12USBstickGevonden})
        SetFontPointSize(name, 8);
    CMDZoekiCP12 = Button(search, "CMDZoekiCP12", QStringLiteral("Vind !"), 138, 57, 40, 24);
    functionKeys();  // F1..F8 held down, and F11/F12 on this window, from now on
    connect(CMDZoekVelleman, &QPushButton::clicked, this, [] { CMDZoekVelleman_Click(); });
    connect(CMDZoekBrask, &QPushButton::clicked, this, [] { CMDZoekBrask_Click(); });
    connect(CMDZoekiCP12, &QPushButton::clicked, this, [] { CMDZoekiCP12_Click(); });

    // Network link.
    auto* network = new Panel3D(PanelBesturing);
    network->setGeometry(2, 436, w, 58);
    PanelStatus = lamp(network, QString(), 3, 3, w - 6, 24);
    PanelNetwerkIn = lamp(network, QStringLiteral("In"), 3, 30, (w - 8) / 2, 24);
    PanelNetwerkUit = lamp(network, QStringLiteral("Uit"), 5 + (w - 8) / 2, 30, (w - 8) / 2, 24);

    // Memories and variables.
    SSPanel75 = new Panel3D(QStringLiteral("Geheugen"), PanelBesturing);
    SSPanel75->setGeometry(2, 498, w, 22);
    for (int n = 0; n <= 7; ++n)
        PanelGeheugen.set(n, lamp(PanelBesturing, QStringLiteral("M%1").arg(n), 3 + 22 * n, 522, 22, 22));
    SSPanel77 = new Panel3D(QStringLiteral("Variabele"), PanelBesturing);
    SSPanel77->setGeometry(2, 548, w, 22);
    for (int v = 1; v <= 3; ++v) {
        auto* name = new Panel3D(QString(QChar('A' + v - 1)), PanelBesturing);
        name->setGeometry(3 + 60 * (v - 1), 572, 18, 22);
        PanelVarABC.set(v, lamp(PanelBesturing, QStringLiteral("0"), 21 + 60 * (v - 1), 572, 40, 22));
        PanelVarABC(v)->SetBackColor(0xFFFFFF);
    }
}

void LadderProgrammeren::RefreshFromLadderView() {
    PictureProgrammeerVenster->RefreshIfNeeded();
    const LadderView& v = ladderView;
    if (v.revision == panelsShown_) return;
    panelsShown_ = v.revision;

    if (windowTitle() != v.windowCaption) setWindowTitle(v.windowCaption);
    if (v.clearPicture != clearPicture_) {
        clearPicture_ = v.clearPicture;
        CommandWissen->setIcon(QIcon(LoadPicture(v.clearPicture)));
    }
    PanelStatus->SetCaption(v.status.caption);
    PanelStatus->SetBackColor(v.status.backColor);
    PanelCyclustijd->SetCaption(v.cycleTime);
    PanelStartStop->SetBackColor(v.startStopColor);
    SSPanelFlood->SetFloodType(v.floodType == 2 ? Panel3D::Flood::RightToLeft : Panel3D::Flood::LeftToRight);
    SSPanelFlood->SetFloodPercent(v.floodPercent);
    for (int i = 1; i <= 3; ++i) PanelBraskGevonden(i)->SetBackColor(v.braskFound[std::size_t(i)]);
    for (int i = 0; i <= 3; ++i) PanelVellemanGevonden(i)->SetBackColor(v.vellemanFound[std::size_t(i)]);
    SSPanelVellemanGevonden->SetBackColor(v.vellemanFoundLamp);
    SSPanelBraskEmberGevonden->SetBackColor(v.braskEmberFoundLamp);
    SSPaneliCP12USBstickGevonden->SetBackColor(v.icp12FoundLamp);
    QPushButton* searchButtons[3] = {CMDZoekVelleman, CMDZoekBrask, CMDZoekiCP12};
    for (int k = 0; k < 3; ++k)
        if (searchButtons[k]->property("vbBackColor").toUInt() != v.searchButtonColor[std::size_t(k)])
            SetButtonColor(searchButtons[k], v.searchButtonColor[std::size_t(k)]);
    PanelNetwerkIn->SetBackColor(v.networkInColor);
    PanelNetwerkUit->SetBackColor(v.networkOutColor);
    for (int n = 0; n <= 7; ++n) PanelGeheugen(n)->SetBackColor(v.memoryColor[std::size_t(n)]);
    for (int a = 1; a <= 3; ++a) PanelVarABC(a)->SetCaption(v.varCaption[std::size_t(a)]);
}

void LadderProgrammeren::MouseWheel(int rotation) {
    const QPoint point = mapFromGlobal(QPoint(wheelState.x, wheelState.y));
    for (QWidget* w = childAt(point); w && w != this; w = w->parentWidget()) {
        if (!w->isVisible()) continue;
        if (w->property("pictureBox").toBool()) {
            // A picture box: the ladder moves by a tenth of the large change.
            QScrollBar* sb = VScrollProgrammeerVenster;
            const int step = sb->pageStep() / 10;
            sb->setValue(rotation > 0 ? std::max(sb->minimum(), sb->value() - step)
                                      : std::min(sb->maximum(), sb->value() + step));
            return;
        }
        auto* sb = qobject_cast<QScrollBar*>(w);
        if (sb && sb->orientation() == Qt::Horizontal) {
            const int step = sb->pageStep();
            sb->setValue(rotation > 0 ? std::max(sb->minimum(), sb->value() - step)
                                      : std::min(sb->maximum(), sb->value() + step));
            return;
        }
    }
}

void LadderProgrammeren::resizeEvent(QResizeEvent* e) {
    // The ladder's view, its scroll bar and the control panel reach down to the window's bottom edge.
    const int h = std::max(100, height() - 56);
    LadderArea->resize(LadderArea->width(), h);
    VScrollProgrammeerVenster->resize(VScrollProgrammeerVenster->width(), h);
    PanelBesturing->resize(PanelBesturing->width(), h);
    placeEditors(*this);
    QWidget::resizeEvent(e);
    if (isVisible()) WindowResized(*this);
}

bool LadderProgrammeren::eventFilter(QObject* obj, QEvent* e) {
    if (obj == VScrollProgrammeerVenster && e->type() == QEvent::FocusOut) PictureProgrammeerVenster->update();
    return QWidget::eventFilter(obj, e);
}

void LadderProgrammeren::closeEvent(QCloseEvent* e) {
    // The window is never closed by the request itself: it goes to Afsluiten,
    // which ends the program when the user confirms.
    e->ignore();
    Afsluiten();
}

// Shows or hides the dashboard; hidden, it stops polling the inputs.
void CommandDashboard_Click() {
    DashboardWindow& d = dashboardWindow();
    if (d.isVisible()) {
        TimerLeesIngangen().SetEnabled(false);
        d.hide();
        return;
    }
    TimerSerialPort().SetEnabled(true);
    d.show();  // its activation starts the input polling when no run is on
}

}  // namespace tamberlo
