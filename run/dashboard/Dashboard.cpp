#include "Dashboard.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ArduinoLink.h"
#include "CaptionTable.h"
#include "DashboardView.h"
#include "Detection.h"
#include "InputReading.h"
#include "LadderView.h"
#include "NetworkPeer.h"
#include "SharedState.h"
#include "SoleWindow.h"
#include "Twips.h"

namespace tamberlo {

namespace {

constexpr int kWidthTwips = 13500;
constexpr int kColumn = 26;  // one column of lamps
constexpr int kRow = 16;     // one lamp row
constexpr int kLampSize = 12;
constexpr int kLampsTop = 56;           // first lamp row inside a frame
constexpr VbColor kLampOff = 0x0000FF;  // output lamps: red
constexpr VbColor kLampIn = 0x00C000;   // input lamps: green
constexpr int kRefreshMs = 40;

SoleWindow<DashboardWindow> dashboard;  // deleted only by its close box

// Writes only what changed, so a refresh of an idle dashboard paints nothing.
void lamp(LampShape* l, bool on) {
    const int style = on ? 0 : 1;
    if (l && l->FillStyle() != style) l->SetFillStyle(style);
}
void caption(Panel3D* p, const QString& c) {
    if (p && p->Caption() != c) p->SetCaption(c);
}
void flood(Panel3D* p, double pct) {
    if (p && p->FloodPercent() != pct) p->SetFloodPercent(pct);
}
void color(Panel3D* p, VbColor c) {
    if (p && p->BackColor() != c) p->SetBackColor(c);
}
void text(QLabel* l, const QString& t) {
    if (l && l->text() != t) l->setText(t);
}
double percent(long value) { return qRound(value / 2.55); }

Panel3D* panel(QWidget* parent, int x, int y, int w, int h, const QString& c = {}) {
    auto* p = new Panel3D(c, parent);
    p->setGeometry(x, y, w, h);
    QFont f = p->font();
    f.setPointSize(7);
    p->setFont(f);
    return p;
}

Panel3D* gauge(QWidget* parent, int x, int y, int w, int h) {
    Panel3D* p = panel(parent, x, y, w, h);
    p->SetFloodType(Panel3D::Flood::LeftToRight);
    p->SetBackColor(0xFFFFFF);
    return p;
}

// A column of `n` lamps for signals 1..n of `group`, stored at group * 10 + signal.
void lampColumn(QWidget* parent, ControlArray<LampShape>& array, int group, int n, int x, VbColor fill) {
    for (int s = 1; s <= n; ++s) {
        auto* l = new LampShape(LampShape::Kind::Circle, parent);
        l->setGeometry(x + (kColumn - kLampSize) / 2, kLampsTop + (s - 1) * kRow, kLampSize, kLampSize);
        l->SetFillColor(fill);
        l->SetFillStyle(1);
        array.set(group * 10 + s, l);
    }
}

// Lays out a frame's header panels left to right, one block of columns each.
class HeaderRow {
public:
    HeaderRow(QWidget* frame, ControlArray<Panel3D>& headers) : frame_(frame), headers_(headers) {}
    // Adds header `item` over `columns` columns; returns its left edge.
    int header(int item, int columns) {
        const int links = x_;
        // Three lines high: a two-column head such as "Brask Ember Out" takes three.
        headers_.set(item, panel(frame_, x_, 18, columns * kColumn, 36));
        x_ += columns * kColumn + 4;
        return links;
    }
    int x() const { return x_; }

private:
    QWidget* frame_;
    ControlArray<Panel3D>& headers_;
    int x_ = 8;
};

// The left edges of the column blocks both frames share (header items 1-8):
// outputs and inputs of cards 0-1, of cards 2-3, the parallel ports and the
// Kelvanor module.
struct Columns {
    int cardsOut01, cardsIn01, cardsOut23, cardsIn23, portsOut, portsIn, moduleOut, moduleIn;
};

Columns sharedHeaders(HeaderRow& row) {
    Columns k{};
    k.cardsOut01 = row.header(1, 2);
    k.cardsIn01 = row.header(2, 2);
    k.cardsOut23 = row.header(3, 2);
    k.cardsIn23 = row.header(4, 2);
    k.portsOut = row.header(5, 3);
    k.portsIn = row.header(6, 3);
    k.moduleOut = row.header(7, 2);
    k.moduleIn = row.header(8, 2);
    return k;
}

// The lamps of the four cards (groups 0-3) and the three ports (groups 4-6).
void cardAndPortLamps(QWidget* f, ControlArray<LampShape>& out, ControlArray<LampShape>& in, const Columns& k) {
    for (int c = 0; c <= 1; ++c) {
        lampColumn(f, out, c, 8, k.cardsOut01 + c * kColumn, kLampOff);
        lampColumn(f, in, c, 5, k.cardsIn01 + c * kColumn, kLampIn);
        lampColumn(f, out, c + 2, 8, k.cardsOut23 + c * kColumn, kLampOff);
        lampColumn(f, in, c + 2, 5, k.cardsIn23 + c * kColumn, kLampIn);
    }
    for (int p = 0; p < 3; ++p) {
        lampColumn(f, out, 4 + p, 8, k.portsOut + p * kColumn, kLampOff);
        lampColumn(f, in, 4 + p, 5, k.portsIn + p * kColumn, kLampIn);
    }
}

// The lamps of the cards found, under their output columns.
void cardsFound(QWidget* f, ControlArray<Panel3D>& found, const Columns& k, int y) {
    for (int c = 0; c <= 3; ++c) {
        const int cx = (c < 2 ? k.cardsOut01 : k.cardsOut23) + (c % 2) * kColumn;
        found.set(c, panel(f, cx + 2, y, kColumn - 4, 14, QString::number(c)));
    }
}

// Analog inputs and outputs from x: card c's channel k at item 2c + k.
void analogPanels(QWidget* f, int ax, ControlArray<Panel3D>& in, ControlArray<Panel3D>& inDecimal, ControlArray<Panel3D>& out,
                  ControlArray<Panel3D>& outDecimal) {
    for (int i = 1; i <= 8; ++i) {
        const int ay = 20 + (i - 1) * 17;
        in.set(i, gauge(f, ax, ay, 70, 15));
        inDecimal.set(i, panel(f, ax + 72, ay, 32, 15, QStringLiteral("0")));
        out.set(i, gauge(f, ax + 110, ay, 70, 15));
        outDecimal.set(i, panel(f, ax + 182, ay, 32, 15, QStringLiteral("0")));
    }
}

}  // namespace

DashboardWindow::DashboardWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Tamberlo - Dashboard"));
    setFocusPolicy(Qt::StrongFocus);
    resize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightWithNetwork));
    buildLocal();
    buildNetwork();

    const int w = TwipsToPixels(kWidthTwips);
    CHKAltijdBoven = new QCheckBox(this);
    CHKAltijdBoven->setGeometry(12, 318, 200, 22);
    connect(CHKAltijdBoven, &QCheckBox::clicked, this, [this] { CHKAltijdBoven_Click(); });
    CMDToonNetwerk = new QPushButton(this);
    CMDToonNetwerk->setGeometry(230, 314, 320, 28);
    connect(CMDToonNetwerk, &QPushButton::clicked, this, [this] { CMDToonNetwerk_Click(); });
    CMDDashboardSluiten = new QPushButton(this);
    CMDDashboardSluiten->setGeometry(w - 120, 314, 108, 28);
    connect(CMDDashboardSluiten, &QPushButton::clicked, this, [this] { CMDDashboardSluiten_Click(); });

    refreshTimer_ = new QTimer(this);
    refreshTimer_->setInterval(kRefreshMs);
    connect(refreshTimer_, &QTimer::timeout, this, [this] { Refresh(); });

    ApplyLanguage();
    Refresh();
}

void DashboardWindow::buildLocal() {
    FrameInUitLokaal = new QGroupBox(this);
    FrameInUitLokaal->setGeometry(4, 2, TwipsToPixels(kWidthTwips) - 8, 306);
    QWidget* f = FrameInUitLokaal;

    // Columns: the shared blocks, then the Arduino, each under its header.
    HeaderRow row(f, PanelKop);
    const Columns k = sharedHeaders(row);
    const int arduinoOut = row.header(10, 2);
    const int arduinoIn = row.header(11, 2);
    // Items 0 and 9 repeat the Arduino headers; the layout needs one of each.
    PanelKop.set(0, panel(f, 0, 0, 1, 1));
    PanelKop.set(9, panel(f, 0, 0, 1, 1));
    PanelKop(0)->hide();
    PanelKop(9)->hide();

    cardAndPortLamps(f, DigUitVelPar, DigInVelPar, k);
    lampColumn(f, DigUitVelPar, 7, 8, k.moduleOut + kColumn / 2, kLampOff);
    lampColumn(f, DigInVelPar, 7, 8, k.moduleIn + kColumn / 2, kLampIn);
    lampColumn(f, DigUitVelPar, 10, 8, arduinoOut + kColumn / 2, kLampOff);
    lampColumn(f, DigInVelPar, 10, 5, arduinoIn + kColumn / 2, kLampIn);

    // The lamps of the interfaces found, under their columns.
    const int y = kLampsTop + 8 * kRow + 6;
    cardsFound(f, PanelVellemanGevonden, k, y);
    PanelBraskGevonden.set(1, panel(f, k.moduleOut, y, 2 * kColumn, 14));
    SSPaneliCP12USBstickGevonden = panel(f, arduinoOut, y, 2 * kColumn, 14);
    Brask = new QLabel(f);
    Brask->setGeometry(k.moduleOut, y + 18, 2 * kColumn, 16);
    Brask->setAlignment(Qt::AlignCenter);
    iCP = new QLabel(f);
    iCP->setGeometry(arduinoOut, y + 18, 2 * kColumn, 16);
    iCP->setAlignment(Qt::AlignCenter);

    const int ax = row.x() + 12;
    analogPanels(f, ax, PanelAnaloogIn, PanelAnaInDecimaal, PanelAnaloogUit, PanelAnaUitDecimaal);
    // The ladder timers: remaining time and interval.
    const int ty = 20 + 8 * 17 + 6;
    PanelKopTimers = panel(f, ax, ty, 214, 16);
    for (int i = 0; i <= 7; ++i) {
        const int r = ty + 18 + (i / 2) * 17;
        const int tx = ax + (i % 2) * 108;
        PanelTimer.set(i, gauge(f, tx, r, 60, 15));
        PanelTijdTimer.set(i, panel(f, tx + 62, r, 44, 15));
    }
}

void DashboardWindow::buildNetwork() {
    FrameInUitNetwerk = new QGroupBox(this);
    FrameInUitNetwerk->setGeometry(4, 396, TwipsToPixels(kWidthTwips) - 8, 290);
    QWidget* f = FrameInUitNetwerk;

    HeaderRow row(f, PanelKopNetw);
    const Columns k = sharedHeaders(row);
    const int arduino = row.header(9, 2);

    cardAndPortLamps(f, DigUitVelParNetw, DigInVelParNetw, k);
    lampColumn(f, DigUitVelParNetw, 7, 8, k.moduleOut + kColumn / 2, kLampOff);
    lampColumn(f, DigInVelParNetw, 7, 6, k.moduleIn + kColumn / 2, kLampIn);
    lampColumn(f, DigUitVelParNetw, 8, 8, arduino, kLampOff);
    lampColumn(f, DigInVelParNetw, 8, 5, arduino + kColumn, kLampIn);

    const int y = kLampsTop + 8 * kRow + 6;
    cardsFound(f, PanelVellemanGevondenNetw, k, y);
    PanelBraskGevondenNetw = panel(f, k.moduleOut, y, 2 * kColumn, 14);

    analogPanels(f, row.x() + 12, PanelAnaloogInNetw, PanelAnaInDecimaalNetw, PanelAnaloogUitNetw, PanelAnaUitDecimaalNetw);
}

void DashboardWindow::SetHeightTwips(int twips) {
    resize(width(), TwipsToPixels(twips));
    // The button names what it will do next: the start-up makes the window
    // compact without a language pass, and then it must offer to show the peer.
    setShowNetworkText(HeightTwips() > kHeightLocal);
}

int DashboardWindow::HeightTwips() const { return PixelsToTwips(height()); }

void DashboardWindow::Refresh() {
    // The dashboard paints from the program's images and lamps; only what
    // they do not hold (the timers' panels, the analog outputs last written)
    // comes from the dashboard view.
    const SharedState& s = shared;
    for (int g = 0; g <= 7; ++g) {
        for (int k = 1; k <= 8; ++k) {
            lamp(DigInVelPar(g * 10 + k), s.IngangDigitaal[g][k] != 0);
            lamp(DigUitVelPar(g * 10 + k), s.UitgangDigitaal[g][k]);
        }
    }
    // The Arduino: lamp group 10, image column 9 and output row 8.
    for (int k = 1; k <= 8; ++k) {
        lamp(DigInVelPar(100 + k), s.IngangDigitaal[kGroupArduinoLocal][k] != 0);
        lamp(DigUitVelPar(100 + k), s.UitgangDigitaal[8][k]);
    }
    // The peer's inputs and the outputs the program sends it.
    for (int g = 0; g <= 8; ++g) {
        for (int k = 1; k <= 8; ++k) {
            lamp(DigInVelParNetw(g * 10 + k), s.IngangDigitaalNetw[g][k] != 0);
            lamp(DigUitVelParNetw(g * 10 + k), (s.NetwUitgangen[g] >> (k - 1)) & 1);
        }
    }
    const DashboardView& v = dashboardView;
    for (int c = 0; c <= 3; ++c) {
        for (int ch = 1; ch <= 2; ++ch) {
            const int item = 2 * c + ch;
            const long in = s.IngangAnaloog[ch == 1 ? c : 4 + c];
            const long inNetwork = s.IngangAnaloogNetw[ch == 1 ? c : 4 + c];
            const long out = ch == 1 ? s.AnaloogUitA1[c] : s.AnaloogUitA2[c];
            const long outNetwork = s.NetwAnaUitgangen[c][ch];
            caption(PanelAnaInDecimaal(item), QString::number(in));
            flood(PanelAnaloogIn(item), percent(in));
            caption(PanelAnaUitDecimaal(item), v.analogOutDecimal[item]);
            flood(PanelAnaloogUit(item), percent(out));
            caption(PanelAnaInDecimaalNetw(item), QString::number(inNetwork));
            flood(PanelAnaloogInNetw(item), percent(inNetwork));
            caption(PanelAnaUitDecimaalNetw(item), QString::number(outNetwork));
            flood(PanelAnaloogUitNetw(item), percent(outNetwork));
        }
    }
    for (int i = 0; i <= 7; ++i) {
        flood(PanelTimer(i), v.timerFlood[i]);
        caption(PanelTimer(i), v.timerCaption[i]);
        caption(PanelTijdTimer(i), v.timeTimerCaption[i]);
        color(PanelTijdTimer(i), v.timeTimerColor[i]);
    }
    // Lamps of the interfaces found: the same lamps as on the main window,
    // except the module's, which only the module search sets (the main
    // window's module lamps are the start-up's per-module report).
    for (int c = 0; c <= 3; ++c) color(PanelVellemanGevonden(c), ladderView.vellemanFound[c]);
    color(PanelBraskGevonden(1), dashboardView.braskFound);
    color(SSPaneliCP12USBstickGevonden, ladderView.icp12FoundLamp);
    const NetworkPeerLamps& peer = PeerLamps();
    for (int c = 0; c <= 3; ++c) color(PanelVellemanGevondenNetw(c), peer.vellemanFound[c]);
    color(PanelBraskGevondenNetw, peer.braskFound);
    // The byte last taken for sending to the module (of the module code that
    // sent it) and the Arduino's byte at that moment: the output actions
    // write them when they send, and Stop leaves them.
    text(Brask, v.brask);
    text(iCP, v.icp);
}

void DashboardWindow::setShowNetworkText(bool shown) {
    CMDToonNetwerk->setText(captionOf(dashboardCaptions(), shown ? "CMDToonNetwerk/shown" : "CMDToonNetwerk/hidden"));
}

void DashboardWindow::ApplyLanguage() {
    const CaptionTable d = dashboardCaptions();
    FrameInUitLokaal->setTitle(captionOf(d, "FrameInUitLokaal"));
    FrameInUitNetwerk->setTitle(captionOf(d, "FrameInUitNetwerk"));
    // Both frames' column heads 1-8 take the same texts.
    for (int i = 1; i <= 8; ++i) {
        const QString header = captionOf(d, QStringLiteral("PanelKop(%1)").arg(i).toStdString());
        PanelKop(i)->SetCaption(header);
        PanelKopNetw(i)->SetCaption(header);
    }
    // The Arduino's heads and the timers' head read the same in both languages.
    for (int i : {0, 10}) PanelKop(i)->SetCaption(QStringLiteral("Arduino Uit"));
    for (int i : {9, 11}) PanelKop(i)->SetCaption(QStringLiteral("Arduino In"));
    PanelKopNetw(9)->SetCaption(QStringLiteral("Arduino"));
    PanelKopTimers->SetCaption(QStringLiteral("Timers 0 - 8 (Sec.)"));
    CHKAltijdBoven->setText(captionOf(d, "CHKAltijdBoven"));
    CMDDashboardSluiten->setText(captionOf(d, "CMDDashboardSluiten"));
    // Judged by the height, which is what the button switches.
    setShowNetworkText(HeightTwips() > kHeightLocal);
}

void DashboardWindow::CHKAltijdBoven_Click() {
    const Qt::CheckState state = CHKAltijdBoven->checkState();
    if (state == Qt::PartiallyChecked) return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, state == Qt::Checked);
    // Changing a window flag hides the window; only the z-order may change.
    if (visible) show();
}

void DashboardWindow::CMDToonNetwerk_Click() {
    if (HeightTwips() <= kHeightLocal) {
        SetHeightTwips(kHeightWithNetwork);
    } else {
        SetHeightTwips(kHeightLocal);
    }
}

void DashboardWindow::CMDDashboardSluiten_Click() {
    TimerLeesIngangen().SetEnabled(false);
    if (shared.ProgrammaStatus == 0) TimerSerialPort().SetEnabled(false);
    hide();
}

void DashboardWindow::Form_Activate() {
    if (shared.VellemanKaartMasker > 0) {
        for (int i = 0; i <= 3; ++i)
            if (shared.VellemanKaartMasker & (1 << i)) ladderView.vellemanFound[i] = kSearchGreen;
        ladderView.changed();
    }
    if (shared.ProgrammaStatus == 0) TimerLeesIngangen().SetEnabled(true);
    // Also brings the bars of the peer's analog inputs up to date.
    Refresh();
}

bool DashboardWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(e);
}

void DashboardWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    refreshTimer_->start();
    // Showing the window is its activation, also where no window manager activates it.
    Form_Activate();
}

void DashboardWindow::hideEvent(QHideEvent* e) {
    refreshTimer_->stop();
    QWidget::hideEvent(e);
}

void DashboardWindow::closeEvent(QCloseEvent* e) {
    // The close box unloads the window; the next reference builds a new one.
    TimerLeesIngangen().SetEnabled(false);
    refreshTimer_->stop();
    e->accept();
    deleteLater();
}

void DashboardWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F11) AangeslotenVelleman();
    else if (e->key() == Qt::Key_F12) AangeslotenKelvanorEmber();
    else QWidget::keyPressEvent(e);
}

DashboardWindow& dashboardWindow() { return dashboard.get(); }

bool dashboardWindowExists() { return dashboard.exists(); }

}  // namespace tamberlo
