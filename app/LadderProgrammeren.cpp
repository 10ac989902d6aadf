#include "LadderProgrammeren.h"

#include <QCloseEvent>

#include <algorithm>

#include "ConditionEditor.h"
#include "ConditionLinks.h"
#include "Dashboard.h"
#include "Detection.h"
#include "FileCommands.h"
#include "FunctionKeys.h"
#include "LadderGeometry.h"
#include "LadderKnoppen.h"
#include "LadderView.h"
#include "MainWindowActionEditor.h"
#include "Muiswiel.h"
#include "Picture.h"
#include "PollTimers.h"
#include "RunCommands.h"
#include "SplashWindow.h"
#include "Twips.h"
#include "VbColor.h"
#include "Vensters.h"

namespace tamberlo {

namespace {
constexpr int kBreedte = 1207;  // 18105 twips
constexpr int kHoogte = 820;
constexpr int kBeheerX = 1020;
constexpr int kBeheerBreedte = 185;
}  // namespace

LadderProgrammeren::LadderProgrammeren(QWidget* parent) : QWidget(parent) {
    setObjectName("LadderProgrammeren");
    resize(kBreedte, kHoogte);
    setMinimumSize(640, 400);

    SSPanel67 = new Panel3D(QStringLiteral("Ladder Programma"), this);
    SSPanel67->setGeometry(0, 0, 1017, 28);
    QFont kopFont = SSPanel67->font();
    kopFont.setBold(true);
    kopFont.setPointSize(kopFont.pointSize() + 2);
    SSPanel67->setFont(kopFont);
    PanelKopConditie = new Panel3D(QStringLiteral("Conditie"), this);
    PanelKopConditie->setGeometry(0, 28, ladder::kActieLinks, 26);
    PanelKopActie = new Panel3D(QStringLiteral("Actie"), this);
    PanelKopActie->setGeometry(ladder::kActieLinks, 28, 1017 - ladder::kActieLinks, 26);
    PanelKopInstellingen = new Panel3D(QStringLiteral("Beheer"), this);
    PanelKopInstellingen->setGeometry(kBeheerX, 0, kBeheerBreedte, 54);
    PanelKopInstellingen->SetBackColor(0xE0E0E0);
    for (Panel3D* p : {PanelKopConditie, PanelKopActie, PanelKopInstellingen}) p->setFont(kopFont);

    LadderVlak = new QWidget(this);
    LadderVlak->setObjectName("LadderVlak");
    LadderVlak->setGeometry(0, 56, ladder::kBreedte, kHoogte - 56);
    PictureProgrammeerVenster = new LadderWidget(LadderVlak);
    PictureProgrammeerVenster->setObjectName("PictureProgrammeerVenster");
    PictureProgrammeerVenster->move(0, 0);

    VScrollProgrammeerVenster = new QScrollBar(Qt::Vertical, this);
    VScrollProgrammeerVenster->setObjectName("VScrollProgrammeerVenster");
    VScrollProgrammeerVenster->setGeometry(ladder::kBreedte, 56, 17, kHoogte - 56);
    VScrollProgrammeerVenster->setRange(0, 450);
    VScrollProgrammeerVenster->setPageStep(100);  // LargeChange
    VScrollProgrammeerVenster->setSingleStep(1);
    // Change and scroll: the drawing area's top edge follows the value.
    connect(VScrollProgrammeerVenster, &QScrollBar::valueChanged, this, [this](int v) {
        PictureProgrammeerVenster->move(0, BovenkantVoor(v) - LadderVlak->y());
    });

    // On losing the focus the scroll bar has the drawing area refreshed.
    VScrollProgrammeerVenster->setFocusPolicy(Qt::StrongFocus);
    VScrollProgrammeerVenster->installEventFilter(this);

    BouwBesturing();
    buildActionEditor();
    connect(CommandLezen, &QPushButton::clicked, this, [] { tamberlo::CommandLezen(); });
    connect(CommandSchrijven, &QPushButton::clicked, this, [] { tamberlo::CommandSchrijven(); });
    connect(CommandWissen, &QPushButton::clicked, this, [] { tamberlo::CommandWissen(); });
    connect(CommandAfsluiten, &QPushButton::clicked, this, [this] { Afsluiten(); });
    connect(CommandAbout, &QPushButton::clicked, this, [this] { SplashVenster().ToonAlsOver(this); });
    connect(CommandDashboard, &QPushButton::clicked, this, [] { CommandDashboard_Click(); });
    connect(CommandStart, &QPushButton::clicked, this, [] { tamberlo::CommandStart(); });
    connect(CommandPauze, &QPushButton::clicked, this, [] { tamberlo::CommandPauze(); });
    connect(CommandStop, &QPushButton::clicked, this, [] { tamberlo::CommandStop(); });
    connect(CommandResetAll, &QPushButton::clicked, this, [] { tamberlo::CommandResetAll(); });

    // The condition editor takes the control panel's place while a cell is edited.
    conditionEditor().placeIn(this, PanelBesturing->geometry(), PanelKopInstellingen, PanelBesturing);
    ladderKnoppen.CommandPanelConditie = [](int i) { CommandPanelConditie_Click(i); };
    ladderKnoppen.CommandVoegConditieToe = [](int i) { CommandVoegConditieToe_Click(i); };
    ladderKnoppen.CommandVoegConditieToeVertikaal = [](int i) { CommandVoegConditieToeVertikaal_Click(i); };

    frame_.setInterval(16);  // at most one repaint per frame
    connect(&frame_, &QTimer::timeout, this, &LadderProgrammeren::VerversUitLadderView);
    frame_.start();
    VerversUitLadderView();
}

LadderProgrammeren::~LadderProgrammeren() { MuiswielLoskoppelen(this); }

int LadderProgrammeren::BovenkantTekenvlak() const { return LadderVlak->y() + PictureProgrammeerVenster->y(); }

void LadderProgrammeren::ZetKnopKleur(QPushButton* knop, std::uint32_t vb) {
    knop->setProperty("vbBackColor", uint(vb));
    knop->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset #a0a0a0; }"
                                       "QPushButton:pressed { border-style: inset; }")
                            .arg(VbNaarQColor(vb).name()));
}

QPushButton* LadderProgrammeren::Knop(QWidget* ouder, const char* naam, const QString& tekst, int x, int y, int b, int h) {
    auto* k = new QPushButton(tekst, ouder);
    k->setObjectName(naam);
    k->setGeometry(x, y, b, h);
    ZetKnopKleur(k, 0xD7D7D7);
    return k;
}

void LadderProgrammeren::BouwBesturing() {
    PanelBesturing = new Panel3D(this);
    PanelBesturing->setObjectName("PanelBesturing");
    PanelBesturing->setGeometry(kBeheerX, 56, kBeheerBreedte, kHoogte - 56);
    const int w = kBeheerBreedte - 4;

    PanelStartStop = new Panel3D(PanelBesturing);
    PanelStartStop->setGeometry(2, 2, w, 170);
    CommandStart = Knop(PanelStartStop, "CommandStart", QStringLiteral("Start"), 3, 3);
    CommandPauze = Knop(PanelStartStop, "CommandPauze", QStringLiteral("Pauze"), 92, 3);
    CommandStop = Knop(PanelStartStop, "CommandStop", QStringLiteral("Stop"), 3, 41);
    CommandWissen = Knop(PanelStartStop, "CommandWissen", QStringLiteral("Wissen"), 92, 41);
    CommandLezen = Knop(PanelStartStop, "CommandLezen", QStringLiteral("Openen"), 3, 79);
    CommandSchrijven = Knop(PanelStartStop, "CommandSchrijven", QStringLiteral("Opslaan"), 92, 79);
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
    CommandClipBoard = Knop(SSPanel70, "CommandClipBoard", QStringLiteral("Instellingen"), 3, 3);
    CommandPrinten = Knop(SSPanel70, "CommandPrinten", QStringLiteral("Printen"), 92, 3);
    CommandFont = Knop(SSPanel70, "CommandFont", QStringLiteral("Naam"), 3, 41);
    CommandAfsluiten = Knop(SSPanel70, "CommandAfsluiten", QStringLiteral("Einde"), 92, 41);
    CommandTaal = Knop(SSPanel70, "CommandTaal", QStringLiteral("Nederl."), 3, 79);
    CommandDashboard = Knop(SSPanel70, "CommandDashboard", QStringLiteral("Dashboard"), 92, 79);
    CommandTaal->setIconSize(QSize(24, 17));
    CommandTaal->setIcon(QIcon(LaadAfbeelding("vlag Nederlands.bmp")));

    SSPanel79 = new Panel3D(PanelBesturing);
    SSPanel79->setGeometry(2, 300, w, 42);
    CommandAbout = Knop(SSPanel79, "CommandAbout", QStringLiteral("Over"), 3, 3, 86, 36);
    CommandResetAll = Knop(SSPanel79, "CommandResetAll", QStringLiteral("Alles uit"), 92, 3, 86, 36);

    // Search lamps with their "find" buttons.
    auto* zoek = new Panel3D(PanelBesturing);
    zoek->setGeometry(2, 346, w, 86);
    auto lamp = [](QWidget* ouder, const QString& tekst, int x, int y, int b, int h) {
        auto* p = new Panel3D(tekst, ouder);
        p->setGeometry(x, y, b, h);
        p->SetBackColor(0xD7D7D7);
        return p;
    };
    SSPanelVellemanGevonden = lamp(zoek, QStringLiteral("Velleman"), 3, 3, 84, 24);
    for (int i = 0; i <= 3; ++i) PanelVellemanGevonden.set(i, lamp(zoek, QString::number(i), 89 + 12 * i, 3, 11, 24));
    CMDZoekVelleman = Knop(zoek, "CMDZoekVelleman", QStringLiteral("Vind !"), 138, 3, 40, 24);
    SSPanelBraskEmberGevonden = lamp(zoek, QStringLiteral("Brask Kelvanor"), 3, 30, 84, 24);
    for (int i = 1; i <= 3; ++i) PanelBraskGevonden.set(i, lamp(zoek, QString::number(i), 89 + 16 * (i - 1), 30, 15, 24));
    CMDZoekBrask = Knop(zoek, "CMDZoekBrask", QStringLiteral("Vind !"), 138, 30, 40, 24);
    SSPaneliCP12USBstickGevonden = lamp(zoek, QStringLiteral("Arduino NANO"), 3, 57, 132, 24);
    CMDZoekiCP12 = Knop(zoek, "CMDZoekiCP12", QStringLiteral("Vind !"), 138, 57, 40, 24);
    functionKeys();  // F1..F8 held down, and F11/F12 on this window, from now on
    connect(CMDZoekVelleman, &QPushButton::clicked, this, [] { CMDZoekVelleman_Click(); });
    connect(CMDZoekBrask, &QPushButton::clicked, this, [] { CMDZoekBrask_Click(); });
    connect(CMDZoekiCP12, &QPushButton::clicked, this, [] { CMDZoekiCP12_Click(); });

    // Network link.
    auto* netwerk = new Panel3D(PanelBesturing);
    netwerk->setGeometry(2, 436, w, 58);
    PanelStatus = lamp(netwerk, QString(), 3, 3, w - 6, 24);
    PanelNetwerkIn = lamp(netwerk, QStringLiteral("In"), 3, 30, (w - 8) / 2, 24);
    PanelNetwerkUit = lamp(netwerk, QStringLiteral("Uit"), 5 + (w - 8) / 2, 30, (w - 8) / 2, 24);

    // Memories and variables.
    SSPanel75 = new Panel3D(QStringLiteral("Geheugen"), PanelBesturing);
    SSPanel75->setGeometry(2, 498, w, 22);
    for (int n = 0; n <= 7; ++n)
        PanelGeheugen.set(n, lamp(PanelBesturing, QStringLiteral("M%1").arg(n), 3 + 22 * n, 522, 21, 22));
    SSPanel77 = new Panel3D(QStringLiteral("Variabele"), PanelBesturing);
    SSPanel77->setGeometry(2, 548, w, 22);
    for (int v = 1; v <= 3; ++v) {
        auto* naam = new Panel3D(QString(QChar('A' + v - 1)), PanelBesturing);
        naam->setGeometry(3 + 60 * (v - 1), 572, 18, 22);
        PanelVarABC.set(v, lamp(PanelBesturing, QStringLiteral("0"), 21 + 60 * (v - 1), 572, 40, 22));
        PanelVarABC(v)->SetBackColor(0xFFFFFF);
    }
}

void LadderProgrammeren::VerversUitLadderView() {
    PictureProgrammeerVenster->VerversAlsNodig();
    const LadderView& v = ladderView;
    if (v.revision == panelenGetoond_) return;
    panelenGetoond_ = v.revision;

    if (windowTitle() != v.windowCaption) setWindowTitle(v.windowCaption);
    if (v.wissenPicture != wissenAfbeelding_) {
        wissenAfbeelding_ = v.wissenPicture;
        CommandWissen->setIcon(QIcon(LaadAfbeelding(v.wissenPicture)));
    }
    PanelStatus->SetCaption(v.status.caption);
    PanelStatus->SetBackColor(v.status.backColor);
    PanelCyclustijd->SetCaption(v.cyclustijd);
    PanelStartStop->SetBackColor(v.startStopColor);
    SSPanelFlood->SetFloodType(v.floodType == 2 ? Panel3D::Flood::RightToLeft : Panel3D::Flood::LeftToRight);
    SSPanelFlood->SetFloodPercent(v.floodPercent);
    for (int i = 1; i <= 3; ++i) PanelBraskGevonden(i)->SetBackColor(v.braskGevonden[std::size_t(i)]);
    for (int i = 0; i <= 3; ++i) PanelVellemanGevonden(i)->SetBackColor(v.vellemanGevonden[std::size_t(i)]);
    SSPanelVellemanGevonden->SetBackColor(v.vellemanGevondenLamp);
    SSPanelBraskEmberGevonden->SetBackColor(v.braskEmberGevondenLamp);
    SSPaneliCP12USBstickGevonden->SetBackColor(v.icp12GevondenLamp);
    QPushButton* zoekKnoppen[3] = {CMDZoekVelleman, CMDZoekBrask, CMDZoekiCP12};
    for (int k = 0; k < 3; ++k)
        if (zoekKnoppen[k]->property("vbBackColor").toUInt() != v.zoekKnopColor[std::size_t(k)])
            ZetKnopKleur(zoekKnoppen[k], v.zoekKnopColor[std::size_t(k)]);
    PanelNetwerkIn->SetBackColor(v.netwerkInColor);
    PanelNetwerkUit->SetBackColor(v.netwerkUitColor);
    for (int n = 0; n <= 7; ++n) PanelGeheugen(n)->SetBackColor(v.geheugenColor[std::size_t(n)]);
    for (int a = 1; a <= 3; ++a) PanelVarABC(a)->SetCaption(v.varCaption[std::size_t(a)]);
}

void LadderProgrammeren::MouseWheel(int rotation) {
    const QPoint punt = mapFromGlobal(QPoint(muiswiel.x, muiswiel.y));
    for (QWidget* w = childAt(punt); w && w != this; w = w->parentWidget()) {
        if (!w->isVisible()) continue;
        if (w->property("pictureBox").toBool()) {
            // A picture box: the ladder moves by a tenth of the large change.
            QScrollBar* sb = VScrollProgrammeerVenster;
            const int stap = sb->pageStep() / 10;
            sb->setValue(rotation > 0 ? std::max(sb->minimum(), sb->value() - stap)
                                      : std::min(sb->maximum(), sb->value() + stap));
            return;
        }
        auto* sb = qobject_cast<QScrollBar*>(w);
        if (sb && sb->orientation() == Qt::Horizontal) {
            const int stap = sb->pageStep();
            sb->setValue(rotation > 0 ? std::max(sb->minimum(), sb->value() - stap)
                                      : std::min(sb->maximum(), sb->value() + stap));
            return;
        }
    }
}

void LadderProgrammeren::resizeEvent(QResizeEvent* e) {
    // The ladder's view, its scroll bar and the control panel reach down to the window's bottom edge.
    const int h = std::max(100, height() - 56);
    LadderVlak->resize(LadderVlak->width(), h);
    VScrollProgrammeerVenster->resize(VScrollProgrammeerVenster->width(), h);
    PanelBesturing->resize(PanelBesturing->width(), h);
    placeActionEditor(*this);
    QWidget::resizeEvent(e);
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
    DashboardWindow& d = Dashboard();
    if (d.isVisible()) {
        TimerLeesIngangen().SetEnabled(false);
        d.hide();
        return;
    }
    TimerSerialPort().SetEnabled(true);
    d.show();  // its activation starts the input polling when no run is on
}

}  // namespace tamberlo
