// Start-up of the main window and the splash.
#include "StartUpFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QStyleOptionComboBox>
#include <QTimer>

#include <sys/stat.h>

#include "ComPortSearch.h"
#include "Dashboard.h"
#include "LadderFileFormat.h"
#include "LadderGeometry.h"
#include "MouseWheel.h"
#include "SettingsFile.h"
#include "StartUpTexts.h"

namespace tamberlo::test {
namespace {

const QString CR = QStringLiteral("\r");

TEST_F(StartUpTest, SearchesAndWaitsComeInTheirOrder) {
    Start();
    // The Kelvanor control is hosted after the settings are read, so its
    // message about a missing library is in the user's language.
    const std::vector<std::string> expected = {
        "LeesInstellingen",    "HostKelvanor", "LeesPoortsettings",        "Out32 888 0", "Out32 632 0", "Out32 956 0",
        "AangeslotenVelleman", "Wait 0.5",     "AangeslotenKelvanorEmber", "Wait 0.5",    "Wait 0.5",    "AangeslotenICP12"};
    EXPECT_EQ(log, expected);
}

TEST_F(StartUpTest, DutchStartWithNothingConnected) {
    LadderProgrammeren& mainWindow = Start();
    SplashWindow& s = splashWindow();

    // Every search ends red with its not-found report.
    EXPECT_EQ(SplashWindow::ButtonColor(s.CMD_K8055), 0x8080FFu);
    EXPECT_EQ(SplashWindow::ButtonColor(s.CMD_Brask), 0x8080FFu);
    EXPECT_EQ(SplashWindow::ButtonColor(s.CMD_Arduino_Nano), 0x8080FFu);
    EXPECT_EQ(s.Label_K8055->Caption(), CR + "     Er is geen Velleman USB interface gevonden." + CR + "     ----------" + CR +
                                            "     De K8055 en de VM110 worden ondersteund." + CR + CR);
    EXPECT_EQ(s.Label_Brask->Caption(), CR + "     Er is geen Brask Ember USB interface gevonden." + CR + "     ----------" + CR +
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
    EXPECT_FALSE(s.CMDOk->isHidden());  // made visible for the wait, and stays so for the About view
    EXPECT_TRUE(shared.SplashGetoond);
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(mainWindow.PictureProgrammeerVenster->ActionRows(), 90);
    EXPECT_EQ(mainWindow.PictureProgrammeerVenster->ConditionCells(), 270);
    EXPECT_TRUE(mainWindow.PictureProgrammeerVenster->VerticalLines());
    for (int i = 1; i <= kConditions; ++i) {
        EXPECT_FALSE(ladderView.cell[i].frameVisible);
        EXPECT_TRUE(ladderView.cell[i].addButtonVisible);
    }
    for (int r = 0; r <= kRungs; ++r) EXPECT_FALSE(ladderView.action[r].frameVisible);
    EXPECT_EQ(shared.BewerkNummer, 0);
    EXPECT_TRUE(shared.ResizeBezig);
    EXPECT_EQ(shared.SchaalX, 1.0);

    // Start-only note as the start-up prints it; Dutch start: no language pass.
    EXPECT_EQ(ladderView.startNote, "Deze regel wordt alleen bij de start uitgevoerd!");
    EXPECT_TRUE(mainWindow.windowTitle().endsWith("  Versie 1.0.0 Velleman, Brask, Arduino en Parallel."));
    EXPECT_EQ(ladderView.status.caption, "Niet verbonden.");
    EXPECT_EQ(ladderView.status.backColor, 0xD7D7D7u);
    EXPECT_EQ(dashboardWindow().height(), 5895 / 15);
    EXPECT_FALSE(dashboardWindow().isVisible());
    EXPECT_TRUE(MouseWheelHooked(&mainWindow));
}

TEST_F(StartUpTest, EnglishStartWithEveryInterfaceFound) {
    StartUpServices& d = startUpServices();
    d.LeesInstellingen = [] {
        shared.TaalVlag = true;
        shared.NetwerkAdres = "127.0.0.1";
        shared.NetwerkPoort = 4321;
    };
    d.AangeslotenVelleman = [] { shared.VellemanKaartMasker = 1; };
    d.AangeslotenKelvanorEmber = [] { shared.ModuleAanwezig = 5; };  // modules 1 and 3
    kelvanor.moduleType = 3;                                         // neither Atlas nor Basil
    d.AangeslotenICP12 = [] {
        shared.ICP12Poort = 4;
        shared.ICP12Type = "AT";
    };
    LadderProgrammeren& mainWindow = Start(false);
    SplashWindow& s = splashWindow();

    EXPECT_EQ(SplashWindow::ButtonColor(s.CMD_K8055), 0x80FF80u);
    EXPECT_EQ(s.Label_K8055->Caption(), CR + "     A Velleman K8055 has been found.");
    EXPECT_EQ(s.Label_Brask->Caption(), CR + "     A Brask Embervak has been found.");
    EXPECT_EQ(ladderView.braskFound[1], 0x80FF80u);
    EXPECT_EQ(ladderView.braskFound[2], 0xD7D7D7u);  // module 2 absent: unchanged
    EXPECT_EQ(ladderView.braskFound[3], 0x80FF80u);
    EXPECT_EQ(SplashWindow::ButtonColor(s.CMD_Arduino_Nano), 0x80FF80u);
    EXPECT_EQ(s.CMD_Arduino_Nano->property("vbPicture").toString(), "AdaFruit RGB.bmp");
    EXPECT_EQ(s.Label_Arduino_Nano->Caption(),
              CR + "     An Arduino Nano has been found." + CR + "     An AdaFruit RGB led strip is connected.");
    EXPECT_EQ(s.Label_Starten->Caption(), "Click OK.");
    EXPECT_EQ(s.lblVersion->Caption(), "Version 1.0.0");

    // The language pass ran: the note of the language switch, English captions.
    EXPECT_EQ(ladderView.startNote, " This line will only be executed at Start!");
    EXPECT_EQ(mainWindow.CommandWissen->text(), "Delete");
    EXPECT_EQ(mainWindow.PanelKopConditie->Caption(), "Condition");
    EXPECT_EQ(ladderView.changeCaption, "Edit");
    EXPECT_EQ(ladderView.status.caption, "Not Connected.");
    EXPECT_EQ(dashboardWindow().CMDDashboardSluiten->text(), "Close");
    EXPECT_TRUE(mainWindow.windowTitle().endsWith("  Version 1.0.0 Velleman, Brask, Arduino en Parallel."));
    EXPECT_EQ(WinsockHost().RemoteHost(), "127.0.0.1");
    EXPECT_EQ(WinsockHost().RemotePort(), 4321);

    // Started with an argument: no wheel hook.
    EXPECT_FALSE(MouseWheelHooked(&mainWindow));
}

TEST_F(StartUpTest, AFifoAsTheSettingsFileIsNotWaitedOnNorReplaced) {
    const QString path = home.file("Tamberlo.ini");
    const QByteArray native = QFile::encodeName(path);
    ASSERT_EQ(::mkfifo(native.constData(), 0600), 0);
    startUpServices().LeesInstellingen = [] { LeesInstellingen(); };
    LadderProgrammeren& mainWindow = Start();
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_EQ(shared.NetwerkAdres, DefaultNetworkAddress());
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages[0], "Het instellingenbestand " + path +
                                       " kan niet gelezen worden.\nHet pad leidt niet naar een gewoon bestand, maar bijvoorbeeld "
                                       "naar een pipe of een apparaat.\nDe standaardinstellingen gelden voor deze sessie; het "
                                       "bestand wordt niet vervangen.");
    // A change of language holds for this session only.
    mainWindow.CommandTaal->click();
    EXPECT_TRUE(shared.TaalVlag);
    EXPECT_EQ(dialogs.messages.last(), TextSettingsNotWritten(TextLanguageForSession(), {ReadFault::NotAFile, 0}));
    struct stat info {};
    ASSERT_EQ(::lstat(native.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(StartUpTest, ArduinoWithAPortButNoKnownBoardIsNotRecognised) {
    startUpServices().AangeslotenICP12 = [] {
        shared.ICP12Poort = 3;
        shared.ICP12Type = "";
    };
    Start();
    SplashWindow& s = splashWindow();
    EXPECT_EQ(SplashWindow::ButtonColor(s.CMD_Arduino_Nano), 0x8080FFu);
    EXPECT_TRUE(s.Label_Arduino_Nano->Caption().contains("De Arduino wordt niet herkend."));
    EXPECT_EQ(shared.ICP12Poort, 3);  // the port stays chosen
}

TEST_F(StartUpTest, ProgressRunsThroughTheSteps) {
    std::vector<int> seen;
    startUpServices().AangeslotenVelleman = [&] { seen.push_back(splashWindow().ProgressBar->value()); };
    startUpServices().AangeslotenICP12 = [&] {
        // The COM scan advances the bar while the splash has not been shown yet.
        splashWindow().ProgressStep(255);
        seen.push_back(splashWindow().ProgressBar->value());
    };
    Start();
    EXPECT_EQ(seen, (std::vector<int>{364, 619}));
}

TEST_F(StartUpTest, TheStartLabelEndsTheWaitOnlyOnceArmed) {
    autoOk = false;
    bool visibleAfterEarlyClick = false;
    startUpServices().AangeslotenVelleman = [&] {
        SplashWindow& s = splashWindow();
        emit s.Label_Starten->clicked();  // before "Klik OK.": nothing
        visibleAfterEarlyClick = s.isVisible();
    };
    QTimer labelClicker;
    labelClicker.setInterval(1);
    QObject::connect(&labelClicker, &QTimer::timeout, [] {
        SplashWindow& s = splashWindow();
        if (!s.Label_Starten->Tag().isEmpty() && s.isVisible()) emit s.Label_Starten->clicked();
    });
    labelClicker.start();
    LadderProgrammeren& mainWindow = Start();
    EXPECT_TRUE(visibleAfterEarlyClick);
    EXPECT_FALSE(splashWindow().isVisible());
    EXPECT_TRUE(mainWindow.isVisible());
}

TEST_F(StartUpTest, ClosingTheSplashByItsCloseBoxEndsTheWaitLikeOk) {
    autoOk = false;
    QTimer closer;
    closer.setInterval(1);
    QObject::connect(&closer, &QTimer::timeout, [] {
        SplashWindow& s = splashWindow();
        if (s.CMDOk->isVisible() && s.isVisible()) s.close();
    });
    closer.start();
    LadderProgrammeren& mainWindow = Start();
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST_F(StartUpTest, AboutShowsTheSplashOverADisabledMainWindow) {
    LadderProgrammeren& mainWindow = Start();
    SplashWindow& s = splashWindow();
    mainWindow.CommandAbout->click();
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_FALSE(s.ProgressBar->isVisible());
    EXPECT_FALSE(s.Label_Starten->isVisible());
    EXPECT_TRUE(s.windowFlags() & Qt::WindowStaysOnTopHint);
    s.CMDOk->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());

    mainWindow.CommandAbout->click();
    emit s.LabelBraskVersie->clicked();
    EXPECT_EQ(log.back(), "AboutBox()");
    startUpServices().VellemanVersion = [] { return std::int32_t(0x02000000); };
    emit s.LabelDllVersie->clicked();
    EXPECT_EQ(s.LabelDllVersie->Caption(), "2.0.0.0");
    s.close();  // the close box takes the OK path
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST_F(StartUpTest, AboutShowsThePortsOfEverySearchSinceTheStart) {
    LadderProgrammeren& mainWindow = Start();
    SplashWindow& s = splashWindow();
    // A search after the start-up (its button, the periodic search) adds its ports again.
    SplashComPorts().items = QStringList{"3", "7", "3", "7"};
    mainWindow.CommandAbout->click();
    ASSERT_EQ(s.Combo_Beschikbare_Com_Poorten->count(), 4);
    EXPECT_EQ(s.Combo_Beschikbare_Com_Poorten->itemText(3), "7");
    s.CMDOk->click();
    SplashComPorts().items.clear();
    SplashComPorts().text = kNoPortsFound;
    mainWindow.CommandAbout->click();
    ASSERT_EQ(s.Combo_Beschikbare_Com_Poorten->count(), 1);
    EXPECT_EQ(s.Combo_Beschikbare_Com_Poorten->currentText(), "Geen poorten gevonden.");
    s.CMDOk->click();
    SplashComPorts() = ComPortList{};
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
    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->currentText()), field.width()) << box->currentText().toStdString();
}

TEST_F(StartUpTest, SplashTextsAreReadableInBothRoles) {
    autoOk = false;
    startUpServices().AangeslotenICP12 = [] {
        SplashComPorts().text = kNoPortsFound;
        shared.ICP12Poort = 0;
    };
    QTimer photographer;
    photographer.setInterval(1);
    QObject::connect(&photographer, &QTimer::timeout, [&photographer] {
        SplashWindow& s = splashWindow();
        if (!s.CMDOk->isVisible() || !s.isVisible()) return;
        photographer.stop();
        s.grab().save(QDir(QStringLiteral(TAMBERLO_TEST_OUTPUT)).filePath("splash-startup.png"));
        ExpectWholeText(s.Combo_Beschikbare_Com_Poorten);
        for (const VbLabel* l : {s.Label_K8055, s.Label_Brask, s.Label_Arduino_Nano}) ExpectLinesFit(l);
        s.CMDOk->click();
    });
    photographer.start();
    LadderProgrammeren& mainWindow = Start();

    mainWindow.CommandAbout->click();
    SplashWindow& s = splashWindow();
    s.grab().save(QDir(QStringLiteral(TAMBERLO_TEST_OUTPUT)).filePath("splash-about.png"));
    ExpectWholeText(s.Combo_Beschikbare_Com_Poorten);
    for (const VbLabel* l : {s.Label_K8055, s.Label_Brask, s.Label_Arduino_Nano}) ExpectLinesFit(l);
    s.CMDOk->click();
    SplashComPorts() = ComPortList{};
}

TEST(StartUpTexts, VellemanVersionWord) {
    EXPECT_EQ(VellemanVersionText(0x02000000), "2.0.0.0");
    EXPECT_EQ(VellemanVersionText(std::int32_t(0xFF010203)), "255.1.2.3");
}

// The searches and the start-up load these pictures by name from the
// program's picture folder (copied beside the program by the build).
TEST(PictureFolder, EveryPictureTheProgramNamesIsDelivered) {
    const QDir map(QCoreApplication::applicationDirPath() + QStringLiteral("/Afbeeldingen"));
    for (const char* name :
         {"AdaFruit RGB.bmp", "TM1638.bmp",         "Kelvanor Atlas.bmp",  "Kelvanor Basil.bmp", "Logo.bmp",
          "BtnWissen.bmp",    "BtnWissenLeeg.bmp",  "vlag Nederlands.bmp", "vlag Engels.bmp",    "K8055.bmp",
          "Parallel PCB.bmp", "Kelvanor Ember.bmp", "Arduino Nano.bmp",    "Wekker.bmp",         "Kookwekker.bmp",
          "Geheugen.bmp",     "Functietoetsen.bmp", "Variabele.bmp",       "Preset Timer.bmp",   "Set Reset Timer.bmp",
          "Geluid.bmp"}) {
        EXPECT_FALSE(QImage(map.filePath(QString::fromUtf8(name))).isNull()) << name;
    }
}

}  // namespace
}  // namespace tamberlo::test
