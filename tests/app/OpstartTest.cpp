// Start-up of the main window and the splash.
#include "OpstartFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QStyleOptionComboBox>
#include <QTimer>

#include "ComPortSearch.h"
#include "Dashboard.h"
#include "LadderFileFormat.h"
#include "LadderGeometry.h"
#include "Muiswiel.h"
#include "OpstartTeksten.h"

namespace tamberlo::test {
namespace {

const QString CR = QStringLiteral("\r");

TEST_F(OpstartTest, SearchesAndWaitsComeInTheirOrder) {
    Start();
    // The Kelvanor control is hosted after the settings are read, so its
    // message about a missing library is in the user's language.
    const std::vector<std::string> verwacht = {
        "LeesInstellingen", "HostKelvanor", "LeesPoortsettings", "Out32 888 0", "Out32 632 0", "Out32 956 0",
        "AangeslotenVelleman", "Wait 0.5", "AangeslotenKelvanorEmber", "Wait 0.5",
        "Wait 0.5", "AangeslotenICP12"};
    EXPECT_EQ(log, verwacht);
}

TEST_F(OpstartTest, DutchStartWithNothingConnected) {
    LadderProgrammeren& hoofd = Start();
    SplashWindow& s = SplashVenster();

    // Every search ends red with its not-found report.
    EXPECT_EQ(SplashWindow::KnopKleur(s.CMD_K8055), 0x8080FFu);
    EXPECT_EQ(SplashWindow::KnopKleur(s.CMD_Brask), 0x8080FFu);
    EXPECT_EQ(SplashWindow::KnopKleur(s.CMD_Arduino_Nano), 0x8080FFu);
    EXPECT_EQ(s.Label_K8055->Caption(),
              CR + "     Er is geen Velleman USB interface gevonden." + CR + "     ----------" + CR +
                  "     De K8055 en de VM110 worden ondersteund." + CR + CR);
    EXPECT_EQ(s.Label_Brask->Caption(),
              CR + "     Er is geen Brask Ember USB interface gevonden." + CR + "     ----------" + CR +
                  "     Onder Windows 7 moet voor de Brask Ember USB de" + CR +
                  "     compatibiliteitsmodus ingesteld worden op WinXP sp3." + CR + CR);
    EXPECT_TRUE(s.Label_Arduino_Nano->Caption().startsWith(CR + "     Er is geen Arduino interface gevonden." + CR));
    EXPECT_TRUE(s.Label_Arduino_Nano->Caption().endsWith(" zal ook informatie geplaatst worden." + CR));
    EXPECT_EQ(s.Label_Starten->Caption(), "Klik OK.");
    EXPECT_EQ(s.Label_Starten->Tag(), "1");
    EXPECT_EQ(s.lblVersion->Caption(), "Versie 1.0.0");
    EXPECT_EQ(s.lblLicenseTo->Caption(), "Ladder programmeren van de interface.");
    EXPECT_EQ(s.lblCompany->Caption(), QString::fromLatin1(kLadderFileCredit));  // one credit line

    // The splash is done; the main window shows the empty ladder.
    EXPECT_FALSE(s.isVisible());
    EXPECT_FALSE(s.ProgressBar->isVisible());
    EXPECT_TRUE(s.CMDOk->isVisible() || !s.isVisible());
    EXPECT_TRUE(shared.SplashGetoond);
    EXPECT_TRUE(hoofd.isVisible());
    EXPECT_TRUE(hoofd.isEnabled());
    EXPECT_EQ(hoofd.PictureProgrammeerVenster->ActieRijen(), 90);
    EXPECT_EQ(hoofd.PictureProgrammeerVenster->ConditieCellen(), 270);
    EXPECT_TRUE(hoofd.PictureProgrammeerVenster->VertikaleLijnen());
    for (int i = 1; i <= kCondities; ++i) {
        EXPECT_FALSE(ladderView.cel[i].frameVisible);
        EXPECT_TRUE(ladderView.cel[i].addButtonVisible);
    }
    for (int r = 0; r <= kRungs; ++r) EXPECT_FALSE(ladderView.actie[r].frameVisible);
    EXPECT_EQ(shared.BewerkNummer, 0);
    EXPECT_TRUE(shared.ResizeBezig);
    EXPECT_EQ(shared.SchaalX, 1.0);

    // Start-only note as the start-up prints it; Dutch start: no language pass.
    EXPECT_EQ(ladderView.startNote, "Deze regel wordt alleen bij de start uitgevoerd!");
    EXPECT_TRUE(hoofd.windowTitle().endsWith("  Versie 1.0.0 Velleman, Brask, Arduino en Parallel."));
    EXPECT_EQ(ladderView.status.caption, "Niet verbonden.");
    EXPECT_EQ(ladderView.status.backColor, 0xD7D7D7u);
    EXPECT_EQ(Dashboard().height(), 5895 / 15);
    EXPECT_FALSE(Dashboard().isVisible());
    EXPECT_TRUE(MuiswielAangehaakt(&hoofd));
}

TEST_F(OpstartTest, EnglishStartWithEveryInterfaceFound) {
    OpstartDiensten& d = opstartDiensten();
    d.LeesInstellingen = [] {
        shared.TaalVlag = true;
        shared.NetwerkAdres = "127.0.0.1";
        shared.NetwerkPoort = 4321;
    };
    d.AangeslotenVelleman = [] { shared.VellemanKaartMasker = 1; };
    d.AangeslotenKelvanorEmber = [] { shared.ModuleAanwezig = 5; };  // modules 1 and 3
    kelvanor.moduleType = 3;  // neither Atlas nor Basil
    d.AangeslotenICP12 = [] {
        shared.ICP12Poort = 4;
        shared.ICP12Type = "AT";
    };
    LadderProgrammeren& hoofd = Start(false);
    SplashWindow& s = SplashVenster();

    EXPECT_EQ(SplashWindow::KnopKleur(s.CMD_K8055), 0x80FF80u);
    EXPECT_EQ(s.Label_K8055->Caption(), CR + "     A Velleman K8055 has been found.");
    EXPECT_EQ(s.Label_Brask->Caption(), CR + "     A Brask Embervak has been found.");
    EXPECT_EQ(ladderView.braskGevonden[1], 0x80FF80u);
    EXPECT_EQ(ladderView.braskGevonden[2], 0xD7D7D7u);  // module 2 absent: unchanged
    EXPECT_EQ(ladderView.braskGevonden[3], 0x80FF80u);
    EXPECT_EQ(SplashWindow::KnopKleur(s.CMD_Arduino_Nano), 0x80FF80u);
    EXPECT_EQ(s.CMD_Arduino_Nano->property("vbPicture").toString(), "AdaFruit RGB.bmp");
    EXPECT_EQ(s.Label_Arduino_Nano->Caption(),
              CR + "     An Arduino Nano has been found." + CR + "     An AdaFruit RGB led strip is connected.");
    EXPECT_EQ(s.Label_Starten->Caption(), "Click OK.");
    EXPECT_EQ(s.lblVersion->Caption(), "Version 1.0.0");

    // The language pass ran: the note of the language switch, English captions.
    EXPECT_EQ(ladderView.startNote, " This line will only be executed at Start!");
    EXPECT_EQ(hoofd.CommandWissen->text(), "Delete");
    EXPECT_EQ(hoofd.PanelKopConditie->Caption(), "Condition");
    EXPECT_EQ(ladderView.wijzigCaption, "Edit");
    EXPECT_EQ(ladderView.status.caption, "Not Connected.");
    EXPECT_EQ(Dashboard().CMDDashboardSluiten->text(), "Close");
    EXPECT_TRUE(hoofd.windowTitle().endsWith("  Version 1.0.0 Velleman, Brask, Arduino en Parallel."));
    EXPECT_EQ(WinsockHost().RemoteHost(), "127.0.0.1");
    EXPECT_EQ(WinsockHost().RemotePort(), 4321);

    // Started with an argument: no wheel hook.
    EXPECT_FALSE(MuiswielAangehaakt(&hoofd));
}

TEST_F(OpstartTest, ArduinoWithAPortButNoKnownBoardIsNotRecognised) {
    opstartDiensten().AangeslotenICP12 = [] {
        shared.ICP12Poort = 3;
        shared.ICP12Type = "";
    };
    Start();
    SplashWindow& s = SplashVenster();
    EXPECT_EQ(SplashWindow::KnopKleur(s.CMD_Arduino_Nano), 0x8080FFu);
    EXPECT_TRUE(s.Label_Arduino_Nano->Caption().contains("De Arduino wordt niet herkend."));
    EXPECT_EQ(shared.ICP12Poort, 3);  // the port stays chosen
}

TEST_F(OpstartTest, ProgressRunsThroughTheSteps) {
    std::vector<int> gezien;
    opstartDiensten().AangeslotenVelleman = [&] { gezien.push_back(SplashVenster().ProgressBar->value()); };
    opstartDiensten().AangeslotenICP12 = [&] {
        // The COM scan advances the bar while the splash has not been shown yet.
        SplashVenster().ProgressStap(255);
        gezien.push_back(SplashVenster().ProgressBar->value());
    };
    Start();
    EXPECT_EQ(gezien, (std::vector<int>{364, 619}));
}

TEST_F(OpstartTest, TheStartLabelEndsTheWaitOnlyOnceArmed) {
    autoOk = false;
    bool zichtbaarNaVroegeKlik = false;
    opstartDiensten().AangeslotenVelleman = [&] {
        SplashWindow& s = SplashVenster();
        emit s.Label_Starten->clicked();  // before "Klik OK.": nothing
        zichtbaarNaVroegeKlik = s.isVisible();
    };
    QTimer labelKlikker;
    labelKlikker.setInterval(1);
    QObject::connect(&labelKlikker, &QTimer::timeout, [] {
        SplashWindow& s = SplashVenster();
        if (!s.Label_Starten->Tag().isEmpty() && s.isVisible()) emit s.Label_Starten->clicked();
    });
    labelKlikker.start();
    LadderProgrammeren& hoofd = Start();
    EXPECT_TRUE(zichtbaarNaVroegeKlik);
    EXPECT_FALSE(SplashVenster().isVisible());
    EXPECT_TRUE(hoofd.isVisible());
}

TEST_F(OpstartTest, ClosingTheSplashByItsCloseBoxEndsTheWaitLikeOk) {
    autoOk = false;
    QTimer sluiter;
    sluiter.setInterval(1);
    QObject::connect(&sluiter, &QTimer::timeout, [] {
        SplashWindow& s = SplashVenster();
        if (s.CMDOk->isVisible() && s.isVisible()) s.close();
    });
    sluiter.start();
    LadderProgrammeren& hoofd = Start();
    EXPECT_TRUE(hoofd.isVisible());
    EXPECT_TRUE(hoofd.isEnabled());
}

TEST_F(OpstartTest, AboutShowsTheSplashOverADisabledMainWindow) {
    LadderProgrammeren& hoofd = Start();
    SplashWindow& s = SplashVenster();
    hoofd.CommandAbout->click();
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(hoofd.isEnabled());
    EXPECT_FALSE(s.ProgressBar->isVisible());
    EXPECT_FALSE(s.Label_Starten->isVisible());
    EXPECT_TRUE(s.windowFlags() & Qt::WindowStaysOnTopHint);
    s.CMDOk->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(hoofd.isEnabled());

    hoofd.CommandAbout->click();
    emit s.LabelBraskVersie->clicked();
    EXPECT_EQ(log.back(), "AboutBox");
    opstartDiensten().VellemanVersie = [] { return std::int32_t(0x02000000); };
    emit s.LabelDllVersie->clicked();
    EXPECT_EQ(s.LabelDllVersie->Caption(), "2.0.0.0");
    s.close();  // the close box takes the OK path
    EXPECT_TRUE(hoofd.isEnabled());
}

TEST_F(OpstartTest, AboutShowsThePortsOfEverySearchSinceTheStart) {
    LadderProgrammeren& hoofd = Start();
    SplashWindow& s = SplashVenster();
    // A search after the start-up (its button, the periodic search) adds its ports again.
    SplashComPoorten().items = QStringList{"3", "7", "3", "7"};
    hoofd.CommandAbout->click();
    ASSERT_EQ(s.Combo_Beschikbare_Com_Poorten->count(), 4);
    EXPECT_EQ(s.Combo_Beschikbare_Com_Poorten->itemText(3), "7");
    s.CMDOk->click();
    SplashComPoorten().items.clear();
    SplashComPoorten().text = kGeenPoortenGevonden;
    hoofd.CommandAbout->click();
    ASSERT_EQ(s.Combo_Beschikbare_Com_Poorten->count(), 1);
    EXPECT_EQ(s.Combo_Beschikbare_Com_Poorten->currentText(), "Geen poorten gevonden.");
    s.CMDOk->click();
    SplashComPoorten() = ComPoortLijst{};
}

// Every line of a report label fits its width: nothing wraps to the left
// margin under the five-blank indent.
void ExpectLinesFit(const VbLabel* label) {
    const int room = label->contentsRect().width() - 2 * label->margin() - 2 * label->indent();
    for (const QString& line : label->Caption().split(QLatin1Char('\r')))
        EXPECT_LE(label->fontMetrics().horizontalAdvance(line), room) << line.toStdString();
}

// The port list shows its whole text.
void ExpectWholeText(const QComboBox* box) {
    QStyleOptionComboBox opt;
    opt.initFrom(box);
    opt.currentText = box->currentText();
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, box);
    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->currentText()), field.width())
        << box->currentText().toStdString();
}

TEST_F(OpstartTest, SplashTextsAreReadableInBothRoles) {
    autoOk = false;
    opstartDiensten().AangeslotenICP12 = [] {
        SplashComPoorten().text = kGeenPoortenGevonden;
        shared.ICP12Poort = 0;
    };
    QTimer fotograaf;
    fotograaf.setInterval(1);
    QObject::connect(&fotograaf, &QTimer::timeout, [&fotograaf] {
        SplashWindow& s = SplashVenster();
        if (!s.CMDOk->isVisible() || !s.isVisible()) return;
        fotograaf.stop();
        s.grab().save(QDir::current().filePath("splash-startup.png"));
        ExpectWholeText(s.Combo_Beschikbare_Com_Poorten);
        for (const VbLabel* l : {s.Label_K8055, s.Label_Brask, s.Label_Arduino_Nano}) ExpectLinesFit(l);
        s.CMDOk->click();
    });
    fotograaf.start();
    LadderProgrammeren& hoofd = Start();

    hoofd.CommandAbout->click();
    SplashWindow& s = SplashVenster();
    s.grab().save(QDir::current().filePath("splash-about.png"));
    ExpectWholeText(s.Combo_Beschikbare_Com_Poorten);
    for (const VbLabel* l : {s.Label_K8055, s.Label_Brask, s.Label_Arduino_Nano}) ExpectLinesFit(l);
    s.CMDOk->click();
    SplashComPoorten() = ComPoortLijst{};
}

TEST(OpstartTeksten, VellemanVersionWord) {
    EXPECT_EQ(VellemanVersieTekst(0x02000000), "2.0.0.0");
    EXPECT_EQ(VellemanVersieTekst(std::int32_t(0xFF010203)), "255.1.2.3");
}

// The searches and the start-up load these pictures by name from the
// program's picture folder (copied beside the program by the build).
TEST(Afbeeldingen, EveryPictureTheProgramNamesIsDelivered) {
    const QDir map(QCoreApplication::applicationDirPath() + QStringLiteral("/Afbeeldingen"));
    for (const char* naam : {"AdaFruit RGB.bmp", "TM1638.bmp", "Kelvanor Atlas.bmp", "Kelvanor Basil.bmp", "Logo.bmp",
                             "BtnWissen.bmp", "BtnWissenLeeg.bmp", "vlag Nederlands.bmp", "vlag Engels.bmp"}) {
        EXPECT_FALSE(QImage(map.filePath(QString::fromUtf8(naam))).isNull()) << naam;
    }
}

}  // namespace
}  // namespace tamberlo::test
