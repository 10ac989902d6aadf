#include "SplashWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ComPortSearch.h"
#include "Controls.h"
#include "CreditLine.h"
#include "LadderProgrammeren.h"
#include "OpstartDiensten.h"
#include "OpstartTeksten.h"
#include "Picture.h"
#include "SharedState.h"
#include "Versie.h"
#include "VbColor.h"
#include "Vensters.h"
#include "Yielding.h"

namespace tamberlo {

QString VellemanVersieTekst(std::int32_t v) {
    const auto u = std::uint32_t(v);
    return QStringLiteral("%1.%2.%3.%4").arg(u >> 24).arg((u >> 16) & 255).arg((u >> 8) & 255).arg(u & 255);
}

SplashWindow::SplashWindow(QWidget* parent) : FormWindow(parent) {
    setObjectName("Splash");
    setWindowTitle(QStringLiteral("Tamberlo - About"));
    resize(640, 520);

    auto* hoofd = new QVBoxLayout(this);
    auto* kop = new QHBoxLayout;
    ImgLogo = new QLabel(this);
    ImgLogo->setPixmap(LaadAfbeelding("Logo.bmp"));
    ImgLogo->setFixedSize(100, 100);
    kop->addWidget(ImgLogo);
    auto* namen = new QVBoxLayout;
    lblProductName = new VbLabel(this);
    QFont groot = lblProductName->font();
    groot.setPointSize(groot.pointSize() + 8);
    groot.setBold(true);
    lblProductName->setFont(groot);
    lblLicenseTo = new VbLabel(this);
    lblVersion = new VbLabel(this);
    lblCompanyProduct = new VbLabel(this);
    lblCompany = new VbLabel(this);
    lblCopyright = new VbLabel(this);
    for (QWidget* w : {lblProductName, lblLicenseTo, lblVersion, lblCompanyProduct, lblCompany, lblCopyright})
        namen->addWidget(w);
    kop->addLayout(namen, 1);
    hoofd->addLayout(kop);

    auto* zoek = new QGridLayout;
    auto maakZoek = [&](int rij, QPushButton*& knop, VbLabel*& label, const char* naam, const char* tekst) {
        knop = new QPushButton(QString::fromUtf8(tekst), this);
        knop->setObjectName(naam);
        knop->setFixedSize(110, 48);
        knop->setIconSize(QSize(64, 32));
        ZetKnopKleur(knop, 0xD7D7D7);
        label = new VbLabel(this);
        // Report lines are not wrapped: a wrapped line would lose the
        // five-blank indent. The window grows to the widest line instead.
        label->setWordWrap(false);
        label->setMinimumHeight(48);
        zoek->addWidget(knop, rij, 0, Qt::AlignTop);
        zoek->addWidget(label, rij, 1);
    };
    maakZoek(0, CMD_K8055, Label_K8055, "CMD_K8055", "Velleman");
    maakZoek(1, CMD_Brask, Label_Brask, "CMD_Brask", "Brask");
    maakZoek(2, CMD_Arduino_Nano, Label_Arduino_Nano, "CMD_Arduino_Nano", "Arduino");
    zoek->setColumnStretch(1, 1);
    hoofd->addLayout(zoek, 1);

    Progress_Zoek_Arduino = new QProgressBar(this);
    Progress_Zoek_Arduino->setRange(0, 100);
    Progress_Zoek_Arduino->setValue(0);
    Progress_Zoek_Arduino->setTextVisible(false);
    Progress_Zoek_Arduino->setFixedHeight(8);
    hoofd->addWidget(Progress_Zoek_Arduino);

    auto* voet = new QHBoxLayout;
    Label_Starten = new VbLabel(this);
    Label_Starten->SetCaption(QStringLiteral("Laden"));
    QFont vet = Label_Starten->font();
    vet.setBold(true);
    Label_Starten->setFont(vet);
    voet->addWidget(Label_Starten, 1);
    Combo_Beschikbare_Com_Poorten = new QComboBox(this);
    Combo_Beschikbare_Com_Poorten->setMinimumWidth(140);
    // As wide as its text ("Geen poorten gevonden."), which is set only
    // after the window first shows.
    Combo_Beschikbare_Com_Poorten->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    voet->addWidget(Combo_Beschikbare_Com_Poorten);
    CMDOk = new QPushButton(QStringLiteral("OK"), this);
    CMDOk->setObjectName("CMDOk");
    CMDOk->setVisible(false);  // hidden until the start-up is complete
    voet->addWidget(CMDOk);
    hoofd->addLayout(voet);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setRange(0, 620);  // start-up steps and the COM port scan
    ProgressBar->setValue(0);
    hoofd->addWidget(ProgressBar);

    auto* versies = new QHBoxLayout;
    LabelDllVersie = new VbLabel(this);
    LabelBraskVersie = new VbLabel(this);
    LabelDllVersie->setCursor(Qt::PointingHandCursor);
    LabelBraskVersie->setCursor(Qt::PointingHandCursor);
    versies->addWidget(LabelDllVersie);
    versies->addStretch(1);
    versies->addWidget(LabelBraskVersie);
    hoofd->addLayout(versies);

    Timer_Zoek_Interface = new VbTimer(50, false, this);
    Timer_Zoek_Interface->onTimer = [this] { TimerZoekInterface_Tick(); };

    // The search bar in green (&H80FF00).
    QPalette pal = Progress_Zoek_Arduino->palette();
    pal.setColor(QPalette::Highlight, VbNaarQColor(0x80FF00));
    Progress_Zoek_Arduino->setPalette(pal);

    connect(CMDOk, &QPushButton::clicked, this, [this] { CMDOk_Click(); });
    connect(Label_Starten, &VbLabel::clicked, this, [this] { Label_Starten_Click(); });
    connect(LabelDllVersie, &VbLabel::clicked, this, [this] { LabelDllVersie_Click(); });
    connect(LabelBraskVersie, &VbLabel::clicked, this, [] { Kelvanor1().AboutBox(); });
    ZetActivatieTeksten();
}

void SplashWindow::ZetKnopKleur(QPushButton* knop, std::uint32_t vb) {
    knop->setProperty("vbBackColor", uint(vb));
    knop->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset #a0a0a0; }")
                            .arg(VbNaarQColor(vb).name()));
}

std::uint32_t SplashWindow::KnopKleur(const QPushButton* knop) { return knop->property("vbBackColor").toUInt(); }

void SplashWindow::ZetKnopAfbeelding(QPushButton* knop, const QString& naam) {
    const QPixmap pm = LaadAfbeelding(naam);
    knop->setProperty("vbPicture", naam);
    if (!pm.isNull()) knop->setIcon(QIcon(pm));
}

void SplashWindow::ZetActivatieTeksten() {
    lblLicenseTo->SetCaption(T("Ladder programmeren van de interface.", "Ladder programming the interface."));
    LabelDllVersie->SetCaption(T("Klik voor Velleman DLL versie:", "Click for Velleman DLL version:"));
    LabelBraskVersie->SetCaption(T("Klik voor Brask versie/informatie.", "Click for Brask version/information."));
    lblVersion->SetCaption(T("Versie ", "Version ") + VersieNummer());
    lblCompanyProduct->SetCaption(MakerNaam());
    lblProductName->SetCaption(ProductNaam());
    lblCopyright->SetCaption(Copyright());
    lblCompany->SetCaption(QString::fromLatin1(kCreditLine));
}

bool SplashWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) ZetActivatieTeksten();
    return FormWindow::event(e);
}

void SplashWindow::Laden(bool zonderArgumenten) {
    if (geladen_) {
        // A later load: the About role.
        ProgressBar->setVisible(false);
        CMDOk->setVisible(true);
        Label_Starten->setVisible(false);
        return;
    }
    geladen_ = true;
    opstartDiensten().LeesInstellingen();
    ProgressBar->setValue(1);  // settings read
    ZetActivatieTeksten();
    show();
    repaint();
    // Referring to the main window loads it: its load handler is the start-up
    // and returns after the user closed the splash with OK.
    LadderProgrammeren& hoofd = LadderProgrammerenVenster();
    hoofd.Laden(zonderArgumenten);
    ProgressBar->setVisible(false);
    CMDOk->setVisible(true);
    shared.SplashGetoond = true;
    if (!AppEnding()) hoofd.show();
}

void SplashWindow::VulComPoorten() {
    const ComPoortLijst& lijst = SplashComPoorten();
    Combo_Beschikbare_Com_Poorten->clear();
    Combo_Beschikbare_Com_Poorten->addItems(lijst.items);
    if (lijst.items.isEmpty()) Combo_Beschikbare_Com_Poorten->addItem(lijst.text);
}

void SplashWindow::ToonAlsOver(QWidget* hoofdvenster) {
    Laden(true);
    VulComPoorten();  // searches since the start-up added their ports
    // Topmost while it is the About window.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    ShowOver(hoofdvenster);
}

void SplashWindow::CMDOk_Click() {
    // Hide; enable the main window (also when it was not shown over it).
    GoBack();
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    if (LadderProgrammerenBestaat()) LadderProgrammerenVenster().setEnabled(true);
}

void SplashWindow::CancelPath() { CMDOk_Click(); }

void SplashWindow::Label_Starten_Click() {
    if (Label_Starten->Tag().isEmpty()) return;  // not armed before "Klik OK."
    CMDOk_Click();
}

void SplashWindow::LabelDllVersie_Click() {
    LabelDllVersie->SetCaption(VellemanVersieTekst(opstartDiensten().VellemanVersie()));
}

void SplashWindow::TimerZoekInterface_Tick() {
    const int v = Progress_Zoek_Arduino->value();
    Progress_Zoek_Arduino->setValue(v < 100 ? v + 1 : 0);
}

}  // namespace tamberlo
