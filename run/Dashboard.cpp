#include "Dashboard.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "CaptionTable.h"
#include "DashboardView.h"
#include "Detection.h"
#include "LadderView.h"
#include "NetworkPeer.h"
#include "PollTimers.h"
#include "SharedState.h"
#include "Twips.h"

namespace tamberlo {

namespace {

constexpr int kBreedteTwips = 13500;
constexpr int kKolom = 26;       // one column of lamps
constexpr int kRij = 16;         // one lamp row
constexpr int kLampMaat = 12;
constexpr int kLampenBoven = 56;  // first lamp row inside a frame
constexpr VbColor kLampUit = 0x0000FF;  // output lamps: red
constexpr VbColor kLampIn = 0x00C000;   // input lamps: green
constexpr int kRefreshMs = 40;

QPointer<DashboardWindow> dashboard;

// Writes only what changed, so a refresh of an idle dashboard paints nothing.
void lamp(LampShape* l, bool aan) {
    const int style = aan ? 0 : 1;
    if (l && l->FillStyle() != style) l->SetFillStyle(style);
}
void caption(Panel3D* p, const QString& c) {
    if (p && p->Caption() != c) p->SetCaption(c);
}
void flood(Panel3D* p, double pct) {
    if (p && p->FloodPercent() != pct) p->SetFloodPercent(pct);
}
void kleur(Panel3D* p, VbColor c) {
    if (p && p->BackColor() != c) p->SetBackColor(c);
}
void tekst(QLabel* l, const QString& t) {
    if (l && l->text() != t) l->setText(t);
}
double procent(long waarde) { return qRound(waarde / 2.55); }

Panel3D* paneel(QWidget* parent, int x, int y, int w, int h, const QString& c = {}) {
    auto* p = new Panel3D(c, parent);
    p->setGeometry(x, y, w, h);
    QFont f = p->font();
    f.setPointSize(7);
    p->setFont(f);
    return p;
}

Panel3D* gauge(QWidget* parent, int x, int y, int w, int h) {
    Panel3D* p = paneel(parent, x, y, w, h);
    p->SetFloodType(Panel3D::Flood::LeftToRight);
    p->SetBackColor(0xFFFFFF);
    return p;
}

// A column of `n` lamps for signals 1..n of `group`, stored at group * 10 + signal.
void lampKolom(QWidget* parent, ControlArray<LampShape>& array, int group, int n, int x, VbColor fill) {
    for (int s = 1; s <= n; ++s) {
        auto* l = new LampShape(LampShape::Kind::Circle, parent);
        l->setGeometry(x + (kKolom - kLampMaat) / 2, kLampenBoven + (s - 1) * kRij, kLampMaat, kLampMaat);
        l->SetFillColor(fill);
        l->SetFillStyle(1);
        array.set(group * 10 + s, l);
    }
}

// Lays out a frame's header panels left to right, one block of columns each.
class KopRij {
public:
    KopRij(QWidget* frame, ControlArray<Panel3D>& koppen) : frame_(frame), koppen_(koppen) {}
    // Adds header `item` over `kolommen` columns; returns its left edge.
    int kop(int item, int kolommen) {
        const int links = x_;
        koppen_.set(item, paneel(frame_, x_, 18, kolommen * kKolom, 34));
        x_ += kolommen * kKolom + 4;
        return links;
    }
    int x() const { return x_; }

private:
    QWidget* frame_;
    ControlArray<Panel3D>& koppen_;
    int x_ = 8;
};

// The left edges of the column blocks both frames share (header items 1-8):
// outputs and inputs of cards 0-1, of cards 2-3, the parallel ports and the
// Kelvanor module.
struct Kolommen {
    int kaartenUit01, kaartenIn01, kaartenUit23, kaartenIn23, poortenUit, poortenIn, moduleUit, moduleIn;
};

Kolommen gedeeldeKoppen(KopRij& rij) {
    Kolommen k{};
    k.kaartenUit01 = rij.kop(1, 2);
    k.kaartenIn01 = rij.kop(2, 2);
    k.kaartenUit23 = rij.kop(3, 2);
    k.kaartenIn23 = rij.kop(4, 2);
    k.poortenUit = rij.kop(5, 3);
    k.poortenIn = rij.kop(6, 3);
    k.moduleUit = rij.kop(7, 2);
    k.moduleIn = rij.kop(8, 2);
    return k;
}

// The lamps of the four cards (groups 0-3) and the three ports (groups 4-6).
void kaartEnPoortLampen(QWidget* f, ControlArray<LampShape>& uit, ControlArray<LampShape>& in, const Kolommen& k) {
    for (int c = 0; c <= 1; ++c) {
        lampKolom(f, uit, c, 8, k.kaartenUit01 + c * kKolom, kLampUit);
        lampKolom(f, in, c, 5, k.kaartenIn01 + c * kKolom, kLampIn);
        lampKolom(f, uit, c + 2, 8, k.kaartenUit23 + c * kKolom, kLampUit);
        lampKolom(f, in, c + 2, 5, k.kaartenIn23 + c * kKolom, kLampIn);
    }
    for (int p = 0; p < 3; ++p) {
        lampKolom(f, uit, 4 + p, 8, k.poortenUit + p * kKolom, kLampUit);
        lampKolom(f, in, 4 + p, 5, k.poortenIn + p * kKolom, kLampIn);
    }
}

// The lamps of the cards found, under their output columns.
void kaartenGevonden(QWidget* f, ControlArray<Panel3D>& gevonden, const Kolommen& k, int y) {
    for (int c = 0; c <= 3; ++c) {
        const int cx = (c < 2 ? k.kaartenUit01 : k.kaartenUit23) + (c % 2) * kKolom;
        gevonden.set(c, paneel(f, cx + 2, y, kKolom - 4, 14, QString::number(c)));
    }
}

// Analog inputs and outputs from x: card c's channel k at item 2c + k.
void analogePanelen(QWidget* f, int ax, ControlArray<Panel3D>& in, ControlArray<Panel3D>& inDecimaal,
                    ControlArray<Panel3D>& uit, ControlArray<Panel3D>& uitDecimaal) {
    for (int i = 1; i <= 8; ++i) {
        const int ay = 20 + (i - 1) * 17;
        in.set(i, gauge(f, ax, ay, 70, 15));
        inDecimaal.set(i, paneel(f, ax + 72, ay, 32, 15, QStringLiteral("0")));
        uit.set(i, gauge(f, ax + 110, ay, 70, 15));
        uitDecimaal.set(i, paneel(f, ax + 182, ay, 32, 15, QStringLiteral("0")));
    }
}

}  // namespace

DashboardWindow::DashboardWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Tamberlo - Dashboard"));
    setFocusPolicy(Qt::StrongFocus);
    resize(TwipsNaarPixels(kBreedteTwips), TwipsNaarPixels(kHoogteMetNetwerk));
    bouwLokaal();
    bouwNetwerk();

    const int w = TwipsNaarPixels(kBreedteTwips);
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

    TaalAanpassen();
    Refresh();
}

void DashboardWindow::bouwLokaal() {
    FrameInUitLokaal = new QGroupBox(this);
    FrameInUitLokaal->setGeometry(4, 2, TwipsNaarPixels(kBreedteTwips) - 8, 306);
    QWidget* f = FrameInUitLokaal;

    // Columns: the shared blocks, then the Arduino, each under its header.
    KopRij rij(f, PanelKop);
    const Kolommen k = gedeeldeKoppen(rij);
    const int arduinoUit = rij.kop(10, 2);
    const int arduinoIn = rij.kop(11, 2);
    // Items 0 and 9 repeat the Arduino headers; the layout needs one of each.
    PanelKop.set(0, paneel(f, 0, 0, 1, 1));
    PanelKop.set(9, paneel(f, 0, 0, 1, 1));
    PanelKop(0)->hide();
    PanelKop(9)->hide();

    kaartEnPoortLampen(f, DigUitVelPar, DigInVelPar, k);
    lampKolom(f, DigUitVelPar, 7, 8, k.moduleUit + kKolom / 2, kLampUit);
    lampKolom(f, DigInVelPar, 7, 8, k.moduleIn + kKolom / 2, kLampIn);
    lampKolom(f, DigUitVelPar, 10, 8, arduinoUit + kKolom / 2, kLampUit);
    lampKolom(f, DigInVelPar, 10, 5, arduinoIn + kKolom / 2, kLampIn);

    // The lamps of the interfaces found, under their columns.
    const int y = kLampenBoven + 8 * kRij + 6;
    kaartenGevonden(f, PanelVellemanGevonden, k, y);
    PanelBraskGevonden.set(1, paneel(f, k.moduleUit, y, 2 * kKolom, 14));
    SSPaneliCP12USBstickGevonden = paneel(f, arduinoUit, y, 2 * kKolom, 14);
    Brask = new QLabel(f);
    Brask->setGeometry(k.moduleUit, y + 18, 2 * kKolom, 16);
    Brask->setAlignment(Qt::AlignCenter);
    iCP = new QLabel(f);
    iCP->setGeometry(arduinoUit, y + 18, 2 * kKolom, 16);
    iCP->setAlignment(Qt::AlignCenter);

    const int ax = rij.x() + 12;
    analogePanelen(f, ax, PanelAnaloogIn, PanelAnaInDecimaal, PanelAnaloogUit, PanelAnaUitDecimaal);
    // The ladder timers: remaining time and interval.
    const int ty = 20 + 8 * 17 + 6;
    PanelKopTimers = paneel(f, ax, ty, 214, 16);
    for (int i = 0; i <= 7; ++i) {
        const int r = ty + 18 + (i / 2) * 17;
        const int tx = ax + (i % 2) * 108;
        PanelTimer.set(i, gauge(f, tx, r, 60, 15));
        PanelTijdTimer.set(i, paneel(f, tx + 62, r, 44, 15));
    }
}

void DashboardWindow::bouwNetwerk() {
    FrameInUitNetwerk = new QGroupBox(this);
    FrameInUitNetwerk->setGeometry(4, 396, TwipsNaarPixels(kBreedteTwips) - 8, 290);
    QWidget* f = FrameInUitNetwerk;

    KopRij rij(f, PanelKopNetw);
    const Kolommen k = gedeeldeKoppen(rij);
    const int arduino = rij.kop(9, 2);

    kaartEnPoortLampen(f, DigUitVelParNetw, DigInVelParNetw, k);
    lampKolom(f, DigUitVelParNetw, 7, 8, k.moduleUit + kKolom / 2, kLampUit);
    lampKolom(f, DigInVelParNetw, 7, 6, k.moduleIn + kKolom / 2, kLampIn);
    lampKolom(f, DigUitVelParNetw, 8, 8, arduino, kLampUit);
    lampKolom(f, DigInVelParNetw, 8, 5, arduino + kKolom, kLampIn);

    const int y = kLampenBoven + 8 * kRij + 6;
    kaartenGevonden(f, PanelVellemanGevondenNetw, k, y);
    PanelBraskGevondenNetw = paneel(f, k.moduleUit, y, 2 * kKolom, 14);

    analogePanelen(f, rij.x() + 12, PanelAnaloogInNetw, PanelAnaInDecimaalNetw, PanelAnaloogUitNetw,
                   PanelAnaUitDecimaalNetw);
}

void DashboardWindow::SetHeightTwips(int twips) {
    resize(width(), TwipsNaarPixels(twips));
    // The button names what it will do next: the start-up makes the window
    // compact without a language pass, and then it must offer to show the peer.
    zetToonNetwerkTekst(HeightTwips() > kHoogteLokaal);
}

int DashboardWindow::HeightTwips() const { return PixelsNaarTwips(height()); }

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
        lamp(DigInVelPar(100 + k), s.IngangDigitaal[kGroepArduinoLokaal][k] != 0);
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
            const long inNetw = s.IngangAnaloogNetw[ch == 1 ? c : 4 + c];
            const long uit = ch == 1 ? s.AnaloogUitA1[c] : s.AnaloogUitA2[c];
            const long uitNetw = s.NetwAnaUitgangen[c][ch];
            caption(PanelAnaInDecimaal(item), QString::number(in));
            flood(PanelAnaloogIn(item), procent(in));
            caption(PanelAnaUitDecimaal(item), v.anaUitDecimaal[item]);
            flood(PanelAnaloogUit(item), procent(uit));
            caption(PanelAnaInDecimaalNetw(item), QString::number(inNetw));
            flood(PanelAnaloogInNetw(item), procent(inNetw));
            caption(PanelAnaUitDecimaalNetw(item), QString::number(uitNetw));
            flood(PanelAnaloogUitNetw(item), procent(uitNetw));
        }
    }
    for (int i = 0; i <= 7; ++i) {
        flood(PanelTimer(i), v.timerFlood[i]);
        caption(PanelTimer(i), v.timerCaption[i]);
        caption(PanelTijdTimer(i), v.tijdTimerCaption[i]);
        kleur(PanelTijdTimer(i), v.tijdTimerColor[i]);
    }
    // Lamps of the interfaces found: the same lamps as on the main window,
    // except the module's, which only the module search sets (the main
    // window's module lamps are the start-up's per-module report).
    for (int c = 0; c <= 3; ++c) kleur(PanelVellemanGevonden(c), ladderView.vellemanGevonden[c]);
    kleur(PanelBraskGevonden(1), dashboardView.braskGevonden);
    kleur(SSPaneliCP12USBstickGevonden, ladderView.icp12GevondenLamp);
    const NetwerkPeerLampen& peer = PeerLampen();
    for (int c = 0; c <= 3; ++c) kleur(PanelVellemanGevondenNetw(c), peer.vellemanGevonden[c]);
    kleur(PanelBraskGevondenNetw, peer.braskGevonden);
    // The byte last taken for sending to the module (of the module code that
    // sent it) and the Arduino's byte at that moment: the output actions
    // write them when they send, and Stop leaves them.
    tekst(Brask, v.brask);
    tekst(iCP, v.icp);
}

void DashboardWindow::zetToonNetwerkTekst(bool getoond) {
    CMDToonNetwerk->setText(captionOf(dashboardCaptions(), getoond ? "CMDToonNetwerk/shown" : "CMDToonNetwerk/hidden"));
}

void DashboardWindow::TaalAanpassen() {
    const CaptionTable d = dashboardCaptions();
    FrameInUitLokaal->setTitle(captionOf(d, "FrameInUitLokaal"));
    FrameInUitNetwerk->setTitle(captionOf(d, "FrameInUitNetwerk"));
    // Both frames' column heads 1-8 take the same texts.
    for (int i = 1; i <= 8; ++i) {
        const QString kop = captionOf(d, QStringLiteral("PanelKop(%1)").arg(i).toStdString());
        PanelKop(i)->SetCaption(kop);
        PanelKopNetw(i)->SetCaption(kop);
    }
    // The Arduino's heads and the timers' head read the same in both languages.
    for (int i : {0, 10}) PanelKop(i)->SetCaption(QStringLiteral("Arduino Uit"));
    for (int i : {9, 11}) PanelKop(i)->SetCaption(QStringLiteral("Arduino In"));
    PanelKopNetw(9)->SetCaption(QStringLiteral("Arduino"));
    PanelKopTimers->SetCaption(QStringLiteral("Timers 0 - 8 (Sec.)"));
    CHKAltijdBoven->setText(captionOf(d, "CHKAltijdBoven"));
    CMDDashboardSluiten->setText(captionOf(d, "CMDDashboardSluiten"));
    // Judged by the height, which is what the button switches.
    zetToonNetwerkTekst(HeightTwips() > kHoogteLokaal);
}

void DashboardWindow::CHKAltijdBoven_Click() {
    const Qt::CheckState state = CHKAltijdBoven->checkState();
    if (state == Qt::PartiallyChecked) return;
    const bool zichtbaar = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, state == Qt::Checked);
    // Changing a window flag hides the window; only the z-order may change.
    if (zichtbaar) show();
}

void DashboardWindow::CMDToonNetwerk_Click() {
    if (HeightTwips() <= kHoogteLokaal) {
        SetHeightTwips(kHoogteMetNetwerk);
    } else {
        SetHeightTwips(kHoogteLokaal);
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
            if (shared.VellemanKaartMasker & (1 << i)) ladderView.vellemanGevonden[i] = 0x80FF80;
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

DashboardWindow& Dashboard() {
    if (!dashboard) dashboard = new DashboardWindow;  // deleted only by its close box
    return *dashboard;
}

bool DashboardBestaat() { return !dashboard.isNull(); }

}  // namespace tamberlo
