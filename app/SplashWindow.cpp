#include "SplashWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "ComPortSearch.h"
#include "Controls.h"
#include "CreditLine.h"
#include "LadderProgrammeren.h"
#include "Picture.h"
#include "QtTranslations.h"
#include "SharedState.h"
#include "StartUpServices.h"
#include "StartUpTexts.h"
#include "VbColor.h"
#include "Version.h"
#include "Windows.h"
#include "Yielding.h"

namespace tamberlo {

QString VellemanVersionText(std::int32_t v) {
    const auto u = std::uint32_t(v);
    return QStringLiteral("%1.%2.%3.%4").arg(u >> 24).arg((u >> 16) & 255).arg((u >> 8) & 255).arg(u & 255);
}

SplashWindow::SplashWindow(QWidget* parent) : FormWindow(parent) {
    setObjectName("Splash");
    setWindowTitle(QStringLiteral("Tamberlo - About"));
    resize(640, 520);

    auto* mainLayout = new QVBoxLayout(this);
    auto* header = new QHBoxLayout;
    ImgLogo = new QLabel(this);
    ImgLogo->setPixmap(LoadPicture("Logo.bmp"));
    ImgLogo->setFixedSize(100, 100);
    header->addWidget(ImgLogo);
    auto* names = new QVBoxLayout;
    lblProductName = new VbLabel(this);
    QFont large = lblProductName->font();
    large.setPointSize(large.pointSize() + 8);
    large.setBold(true);
    lblProductName->setFont(large);
    lblLicenseTo = new VbLabel(this);
    lblVersion = new VbLabel(this);
    lblCompanyProduct = new VbLabel(this);
    lblCompany = new VbLabel(this);
    lblCopyright = new VbLabel(this);
    for (QWidget* w : {lblProductName, lblLicenseTo, lblVersion, lblCompanyProduct, lblCompany, lblCopyright})
        names->addWidget(w);
    header->addLayout(names, 1);
    mainLayout->addLayout(header);

    auto* search = new QGridLayout;
    auto makeSearch = [&](int row, QPushButton*& button, VbLabel*& label, const char* name, const char* text) {
        button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(name);
        button->setFixedSize(110, 48);
        button->setIconSize(QSize(64, 32));
        SetButtonColor(button, 0xD7D7D7);
        label = new VbLabel(this);
        // Report lines are not wrapped: a wrapped line would lose the
        // five-blank indent. The window grows to the widest line instead.
        label->setWordWrap(false);
        label->setMinimumHeight(48);
        search->addWidget(button, row, 0, Qt::AlignTop);
        search->addWidget(label, row, 1);
    };
    makeSearch(0, CMD_K8055, Label_K8055, "CMD_K8055", "Velleman");
    makeSearch(1, CMD_Brask, Label_Brask, "CMD_Brask", "Brask");
    makeSearch(2, CMD_Arduino_Nano, Label_Arduino_Nano, "CMD_Arduino_Nano", "Arduino");
    search->setColumnStretch(1, 1);
    mainLayout->addLayout(search, 1);

    Progress_Zoek_Arduino = new QProgressBar(this);
    Progress_Zoek_Arduino->setRange(0, 100);
    Progress_Zoek_Arduino->setValue(0);
    Progress_Zoek_Arduino->setTextVisible(false);
    Progress_Zoek_Arduino->setFixedHeight(8);
    mainLayout->addWidget(Progress_Zoek_Arduino);

    auto* foot = new QHBoxLayout;
    Label_Starten = new VbLabel(this);
    Label_Starten->SetCaption(QStringLiteral("Laden"));
    QFont bold = Label_Starten->font();
    bold.setBold(true);
    Label_Starten->setFont(bold);
    foot->addWidget(Label_Starten, 1);
    Combo_Beschikbare_Com_Poorten = new QComboBox(this);
    Combo_Beschikbare_Com_Poorten->setMinimumWidth(140);
    // As wide as its text ("Geen poorten gevonden."), which is set only
    // after the window first shows.
    Combo_Beschikbare_Com_Poorten->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    foot->addWidget(Combo_Beschikbare_Com_Poorten);
    CMDOk = new QPushButton(QStringLiteral("OK"), this);
    CMDOk->setObjectName("CMDOk");
    CMDOk->setVisible(false);  // hidden until the start-up is complete
    foot->addWidget(CMDOk);
    mainLayout->addLayout(foot);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setRange(0, 620);  // start-up steps and the COM port scan
    ProgressBar->setValue(0);
    mainLayout->addWidget(ProgressBar);

    auto* versions = new QHBoxLayout;
    LabelDllVersie = new VbLabel(this);
    LabelBraskVersie = new VbLabel(this);
    LabelDllVersie->setCursor(Qt::PointingHandCursor);
    LabelBraskVersie->setCursor(Qt::PointingHandCursor);
    versions->addWidget(LabelDllVersie);
    versions->addStretch(1);
    versions->addWidget(LabelBraskVersie);
    mainLayout->addLayout(versions);

    Timer_Zoek_Interface = new VbTimer(50, false, this);
    Timer_Zoek_Interface->onTimer = [this] { Timer_Zoek_Interface_Timer(); };

    // The search bar in green (&H80FF00).
    QPalette pal = Progress_Zoek_Arduino->palette();
    pal.setColor(QPalette::Highlight, VbToQColor(0x80FF00));
    Progress_Zoek_Arduino->setPalette(pal);

    connect(CMDOk, &QPushButton::clicked, this, [this] { CMDOk_Click(); });
    connect(Label_Starten, &VbLabel::clicked, this, [this] { Label_Starten_Click(); });
    connect(LabelDllVersie, &VbLabel::clicked, this, [this] { LabelDllVersie_Click(); });
    connect(LabelBraskVersie, &VbLabel::clicked, this, [] { Kelvanor1().AboutBox(); });
    SetActivationTexts();
}

void SplashWindow::SetButtonColor(QPushButton* button, std::uint32_t vb) {
    button->setProperty("vbBackColor", uint(vb));
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 2px outset #a0a0a0; }").arg(VbToQColor(vb).name()));
}

std::uint32_t SplashWindow::ButtonColor(const QPushButton* button) { return button->property("vbBackColor").toUInt(); }

void SplashWindow::SetButtonPicture(QPushButton* button, const QString& name) {
    const QPixmap pm = LoadPicture(name);
    button->setProperty("vbPicture", name);
    if (pm.isNull()) return;
    button->setIcon(QIcon(pm));
    // The picture stands beside the caption: the button grows to hold both.
    button->setFixedWidth(std::max(button->width(), button->sizeHint().width()));
}

void SplashWindow::SetActivationTexts() {
    lblLicenseTo->SetCaption(T("Ladder programmeren van de interface.", "Ladder programming the interface."));
    LabelDllVersie->SetCaption(T("Klik voor Velleman DLL versie:", "Click for Velleman DLL version:"));
    LabelBraskVersie->SetCaption(T("Klik voor Brask versie/informatie.", "Click for Brask version/information."));
    lblVersion->SetCaption(T("Versie ", "Version ") + VersionNumber());
    lblCompanyProduct->SetCaption(MakerName());
    lblProductName->SetCaption(ProductName());
    lblCopyright->SetCaption(Copyright());
    lblCompany->SetCaption(QString::fromLatin1(kCreditLine));
}

bool SplashWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) SetActivationTexts();
    return FormWindow::event(e);
}

void SplashWindow::Load(bool withoutArguments) {
    if (loaded_) {
        // A later load: the About role.
        ProgressBar->setVisible(false);
        CMDOk->setVisible(true);
        Label_Starten->setVisible(false);
        return;
    }
    loaded_ = true;
    startUpServices().LeesInstellingen();
    ApplyQtLanguage();
    ProgressBar->setValue(1);  // settings read
    SetActivationTexts();
    show();
    repaint();
    // Referring to the main window loads it: its load handler is the start-up
    // and returns after the user closed the splash with OK.
    LadderProgrammeren& mainLayout = mainWindow();
    mainLayout.Load(withoutArguments);
    ProgressBar->setVisible(false);
    CMDOk->setVisible(true);
    shared.SplashGetoond = true;
    if (!AppEnding()) mainLayout.show();
}

void SplashWindow::FillComPorts() {
    const ComPortList& list = SplashComPorts();
    Combo_Beschikbare_Com_Poorten->clear();
    Combo_Beschikbare_Com_Poorten->addItems(list.items);
    if (list.items.isEmpty()) Combo_Beschikbare_Com_Poorten->addItem(list.text);
}

void SplashWindow::ShowAsAbout(QWidget* mainWindow) {
    Load(true);
    FillComPorts();  // searches since the start-up added their ports
    // Topmost while it is the About window.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    ShowOver(mainWindow);
}

void SplashWindow::CMDOk_Click() {
    // Hide; enable the main window (also when it was not shown over it).
    GoBack();
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    if (mainWindowExists()) mainWindow().setEnabled(true);
}

void SplashWindow::CancelPath() { CMDOk_Click(); }

void SplashWindow::Label_Starten_Click() {
    if (Label_Starten->Tag().isEmpty()) return;  // not armed before "Klik OK."
    CMDOk_Click();
}

void SplashWindow::LabelDllVersie_Click() {
    LabelDllVersie->SetCaption(VellemanVersionText(startUpServices().VellemanVersion()));
}

void SplashWindow::Timer_Zoek_Interface_Timer() {
    const int v = Progress_Zoek_Arduino->value();
    Progress_Zoek_Arduino->setValue(v < 100 ? v + 1 : 0);
}

}  // namespace tamberlo
