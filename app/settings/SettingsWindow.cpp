#include "SettingsWindow.h"

#include <QEvent>
#include <QTimer>

#include "ArduinoTools.h"
#include "CaptionTable.h"
#include "ComPortSearch.h"
#include "Controls.h"
#include "Detection.h"
#include "InputReading.h"
#include "LadderProgrammeren.h"
#include "LadderView.h"
#include "PeerEntry.h"
#include "RaiseClick.h"
#include "SharedState.h"
#include "SoleWindow.h"
#include "SplashWindow.h"
#include "StartUpServices.h"
#include "Windows.h"

namespace tamberlo {

namespace {

SoleWindow<SettingsWindow> window;

QString E(const char* control) { return captionOf(settingsCaptions(), control); }

Panel3D* panel(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h) {
    auto* p = new Panel3D(caption, parent);
    p->setObjectName(name);
    p->setGeometry(x, y, w, h);
    return p;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(x, y, w, h);
    return b;
}

}  // namespace

SettingsWindow::SettingsWindow(QWidget* parent) : FormWindow(parent) {
    setObjectName("Instellingen");
    setWindowTitle(QStringLiteral("Tamberlo - Setup"));
    // Fixed single border, no buttons to shrink or enlarge it; topmost while shown.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(440, 330);

    LabelInfo = new VbLabel(this);
    LabelInfo->setObjectName("LabelInfo");
    LabelInfo->SetCaption(QStringLiteral("Automatisch zoeken naar aangesloten interface."));
    LabelInfo->setGeometry(12, 8, 416, 20);

    CheckVelleman = new QCheckBox(QStringLiteral("Velleman k8055"), this);
    CheckBrask = new QCheckBox(QStringLiteral("Brask Ember USB"), this);
    CheckiCP12 = new QCheckBox(QStringLiteral("iCP12"), this);
    const char* checkNames[] = {"CheckVelleman", "CheckBrask", "CheckiCP12"};
    int y = 32;
    for (QCheckBox* c : {CheckVelleman, CheckBrask, CheckiCP12}) {
        c->setObjectName(checkNames[(y - 32) / 24]);
        c->setGeometry(20, y, 180, 22);
        connect(c, &QCheckBox::clicked, this, [this] { CheckInterface_Click(); });
        y += 24;
    }
    const char* periods[] = {"Uit", "10 sec.", "30 sec.", "1  min."};
    for (int i = 1; i <= 4; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(periods[i - 1]), this);
        o->setObjectName(QStringLiteral("OptionTimer(%1)").arg(i));
        o->setGeometry(220, 32 + 18 * (i - 1), 100, 18);
        OptionTimer.set(i, o);
        connect(o, &QRadioButton::clicked, this, [this, i] { OptionTimer_Click(i); });
    }
    OptionTimer(1)->setChecked(true);

    Combo_Beschikbare_Com_Poorten = new QComboBox(this);
    Combo_Beschikbare_Com_Poorten->setObjectName("Combo_Beschikbare_Com_Poorten");
    // Editable only so it can show a text that is not an entry ("Selecteer een COM poort").
    Combo_Beschikbare_Com_Poorten->setEditable(true);
    Combo_Beschikbare_Com_Poorten->setInsertPolicy(QComboBox::NoInsert);
    Combo_Beschikbare_Com_Poorten->setGeometry(12, 112, 200, 26);
    connect(Combo_Beschikbare_Com_Poorten, &QComboBox::activated, this,
            [](int index) { Combo_Beschikbare_Com_Poorten_Click(index); });

    CMD_Flits = button(this, "CMD_Flits", QStringLiteral("Flits Arduino NANO"), 220, 112, 208, 26);
    CMDArduinoInoVersie = button(this, "CMDArduinoInoVersie", QStringLiteral("Arduino .INO versie"), 12, 146, 416, 26);
    CMDVellemanVersie = button(this, "CMDVellemanVersie", QStringLiteral("Velleman DLL versie"), 12, 178, 204, 26);
    CMDBraskVersie = button(this, "CMDBraskVersie", QStringLiteral("Brask DLL versie"), 224, 178, 204, 26);
    connect(CMD_Flits, &QPushButton::clicked, this, [] { CMD_Flits_Click(); });
    connect(CMDArduinoInoVersie, &QPushButton::clicked, this, [this] { CMDArduinoInoVersie_Click(*CMDArduinoInoVersie); });
    connect(CMDVellemanVersie, &QPushButton::clicked, this, [this] { CMDVellemanVersie_Click(); });
    connect(CMDBraskVersie, &QPushButton::clicked, this, [] { Kelvanor1().AboutBox(); });

    PanelNetwerk = panel(this, "PanelNetwerk", QStringLiteral("Netwerk"), 12, 214, 416, 22);
    PanelNetwerkIPadres = panel(this, "PanelNetwerkIPadres", QStringLiteral("IP-Adres"), 12, 240, 100, 24);
    PanelNetwerkPoort = panel(this, "PanelNetwerkPoort", QStringLiteral("Poort"), 12, 268, 100, 24);
    PanelIPadres = panel(this, "PanelIPadres", QString(), 116, 240, 312, 24);
    PanelPoort = panel(this, "PanelPoort", QString(), 116, 268, 312, 24);
    for (Panel3D* p : {PanelIPadres, PanelPoort}) {
        p->SetBackColor(0xFFFFFF);
        p->setCursor(Qt::PointingHandCursor);
    }
    connect(PanelIPadres, &Panel3D::clicked, this, [] { PanelIPadres_Click(); });
    connect(PanelPoort, &Panel3D::clicked, this, [] { PanelPoort_Click(); });

    CMDOk = button(this, "CMDOk", QStringLiteral("Ok"), 338, 298, 90, 26);
    connect(CMDOk, &QPushButton::clicked, this, [this] { CMDOk_Click(); });

    // The port list and the peer's panels are written elsewhere (the port
    // search, the ladder file reader); they are shown from their models.
    refresh_ = new QTimer(this);
    refresh_->setInterval(50);
    connect(refresh_, &QTimer::timeout, this, [this] { RefreshFromModels(); });
    refresh_->start();
    RefreshFromModels();
    Form_Activate();
}

void SettingsWindow::ApplyLanguage() {
    setWindowTitle(E("Instellingen"));
    LabelInfo->SetCaption(E("LabelInfo"));
    OptionTimer(1)->setText(E("OptionTimer(1)"));
    CMDVellemanVersie->setText(E("CMDVellemanVersie"));
    CMDBraskVersie->setText(E("CMDBraskVersie"));
    CMD_Flits->setText(E("CMD_Flits"));
    PanelNetwerk->SetCaption(E("PanelNetwerk"));
    PanelNetwerkIPadres->SetCaption(E("PanelNetwerkIPadres"));
    PanelNetwerkPoort->SetCaption(E("PanelNetwerkPoort"));
}

void SettingsWindow::RefreshFromModels() {
    const ComPortList& ports = SettingsComPorts();
    if (ports.revision != portsShown_) {
        portsShown_ = ports.revision;
        QComboBox& c = *Combo_Beschikbare_Com_Poorten;
        const QSignalBlocker block(c);
        c.clear();
        c.addItems(ports.items);
        c.setCurrentIndex(ports.listIndex);
        c.setEditText(ports.text);
    }
    if (ladderView.revision != peerShown_) {
        peerShown_ = ladderView.revision;
        if (PanelIPadres->Caption() != ladderView.panelIpAddress) PanelIPadres->SetCaption(ladderView.panelIpAddress);
        if (PanelPoort->Caption() != ladderView.panelPort) PanelPoort->SetCaption(ladderView.panelPort);
    }
}

void SettingsWindow::syncPeriodicSearch() {
    PeriodicSearch& k = periodicSearch();
    k.CheckVelleman = CheckVelleman->isChecked() ? 1 : 0;
    k.CheckBrask = CheckBrask->isChecked() ? 1 : 0;
    k.CheckiCP12 = CheckiCP12->isChecked() ? 1 : 0;
}

void SettingsWindow::CheckInterface_Click() {
    syncPeriodicSearch();
    const PeriodicSearch& k = periodicSearch();
    if (k.CheckVelleman == 0 && k.CheckBrask == 0 && k.CheckiCP12 == 0) SelectOption(*OptionTimer(1));
    else SelectOption(*OptionTimer(3));
}

void SettingsWindow::OptionTimer_Click(int index) {
    VbTimer& timer = TimerConnect();
    if (index == 1) {
        timer.SetEnabled(false);
        // Each untick raises the box's click, which may select another
        // period for a moment; unticking the last box selects "Uit" again.
        for (QCheckBox* c : {CheckVelleman, CheckBrask, CheckiCP12}) SetCheckValue(*c, false);
        return;
    }
    static constexpr int kIntervals[] = {0, 0, 10000, 30000, 60000};
    timer.SetInterval(kIntervals[index]);
    const PeriodicSearch& k = periodicSearch();
    if (k.CheckVelleman != 1 && k.CheckBrask != 1 && k.CheckiCP12 != 1)
        for (QCheckBox* c : {CheckVelleman, CheckBrask, CheckiCP12}) SetCheckValue(*c, true);
    timer.SetEnabled(true);
}

void SettingsWindow::CMDVellemanVersie_Click() {
    CMDVellemanVersie->setText(VellemanVersionText(startUpServices().VellemanVersion()));
}

bool SettingsWindow::event(QEvent* e) {
    // Activation, and showing (a screen without a window manager may activate nothing).
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) Form_Activate();
    return FormWindow::event(e);
}

void SettingsWindow::Form_Activate() {
    rememberedVellemanCaption_ = CMDVellemanVersie->text();
    rememberedVersionCaption_ = CMDArduinoInoVersie->text();
}

void SettingsWindow::CMDOk_Click() {
    // During a run the run loop reads the inputs itself: polling stays off then.
    if (shared.ProgrammaStatus == 0) TimerLeesIngangen().SetEnabled(true);
    CMDVellemanVersie->setText(rememberedVellemanCaption_);
    CMDArduinoInoVersie->setText(rememberedVersionCaption_);
    GoBack();
    if (mainWindowExists()) mainWindow().setEnabled(true);
}

void SettingsWindow::CancelPath() { CMDOk_Click(); }

SettingsWindow& settingsWindow() { return window.get(); }

void forgetSettingsWindow() { window.forget(); }

}  // namespace tamberlo
