// The language switch: every row of the main window's, the dashboard's and
// the settings window's caption tables reaches its control in both
// languages, and a handful of captions read as written out here; a round trip
// over a ladder of every kind, and over cells edited before the switch, gives
// the captions that reading the file in that language gives; Tamberlo.ini follows.
#include "StartUpFixture.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>

#include <map>

#include "ActionEditor.h"
#include "CaptionTable.h"
#include "ConditionEditor.h"
#include "Dashboard.h"
#include "EditorHooks.h"
#include "EveryKindLadder.h"
#include "FileCommands.h"
#include "FullFileSystem.h"
#include "InputConditionPanel.h"
#include "LadderFile.h"
#include "MainWindowCommands.h"
#include "ScopedEnv.h"
#include "SettingsFile.h"
#include "SettingsWindow.h"

namespace tamberlo::test {
namespace {

class LanguageSwitchTest : public StartUpTest {
protected:
    void TearDown() override {
        forgetSettingsWindow();
        StartUpTest::TearDown();
    }

    // Applies the language TaalVlag holds (as the start-up does for English).
    void apply(bool english) {
        shared.TaalVlag = english;
        mainWindow().TaalAanpassenConActBeh();
    }

    static QString text(const QWidget* w) {
        if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
        if (auto* p = qobject_cast<const Panel3D*>(w)) return p->Caption();
        if (auto* l = qobject_cast<const VbLabel*>(w)) return l->Caption();
        if (w->isWindow()) return w->windowTitle();
        return QStringLiteral("<no caption>");
    }

    // Everything the language touches: cells, rows, and the windows' captions.
    static QStringList snapshot() {
        QStringList s;
        for (int i = 1; i <= kConditions; ++i)
            for (const CaptionPanel& l : ladderView.cell[std::size_t(i)].lines) s.push_back(l.caption);
        for (int r = 0; r <= kRungs; ++r)
            for (const CaptionPanel& l : ladderView.action[std::size_t(r)].lines) s.push_back(l.caption);
        s.push_back(ladderView.changeCaption);
        return s;
    }
    // The first entry where two snapshots differ, for a readable failure.
    static std::string firstDifference(const QStringList& a, const QStringList& b) {
        for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
            if (a[i] != b[i]) return std::to_string(i) + ": '" + a[i].toStdString() + "' vs '" + b[i].toStdString() + "'";
        return a.size() == b.size() ? "none" : "sizes differ";
    }

    QString every_kind = QStringLiteral(TAMBERLO_TEST_DATA "/golden/every_kind.vpp");
};

TEST_F(LanguageSwitchTest, EveryTableRowReachesItsControlInBothLanguages) {
    LadderProgrammeren& w = Start();
    DashboardWindow& d = dashboardWindow();
    SettingsWindow& e = settingsWindow();
    for (bool english : {true, false}) {
        SCOPED_TRACE(english ? "English" : "Dutch");
        apply(english);
        for (const CaptionRow& row : mainWindowCaptions()) {
            SCOPED_TRACE(row.control);
            const QString want = QString::fromUtf8(english ? row.english : row.dutch);
            const std::string key = row.control;
            if (key == "CommandPanelConditie" || key == "CommandPanelActie") {
                EXPECT_EQ(ladderView.changeCaption, want);
            } else if (key == "CommandVoegActieToe") {
                EXPECT_EQ(ladderView.addActionCaption, want);
            } else if (key == "CommandTaal/picture") {
                EXPECT_EQ(w.CommandTaal->property("vbPicture").toString(), want);
            } else if (key.starts_with("PanelStatus/")) {
                shared.Verbindingsstatus = Integer(key.back() - '0');
                apply(english);
                EXPECT_EQ(ladderView.status.caption, want);
                shared.Verbindingsstatus = 0;
            } else {
                const auto* c = w.findChild<QWidget*>(QString::fromUtf8(row.control));
                ASSERT_NE(c, nullptr);
                EXPECT_EQ(text(c), want);
            }
        }
        for (const CaptionRow& row : dashboardCaptions()) {
            SCOPED_TRACE(row.control);
            const QString want = QString::fromUtf8(english ? row.english : row.dutch);
            const std::string key = row.control;
            if (key.starts_with("PanelKop(")) {
                const int i = key[9] - '0';
                EXPECT_EQ(d.PanelKop(i)->Caption(), want);
                EXPECT_EQ(d.PanelKopNetw(i)->Caption(), want);
            } else if (key.starts_with("CMDToonNetwerk/")) {
                // A dashboard exactly at its compact height offers to show the peer.
                d.SetHeightTwips(key.ends_with("shown") ? DashboardWindow::kHeightWithNetwork : DashboardWindow::kHeightLocal);
                apply(english);
                EXPECT_EQ(d.CMDToonNetwerk->text(), want);
            } else {
                const std::map<std::string, QString> shown = {{"FrameInUitLokaal", d.FrameInUitLokaal->title()},
                                                              {"FrameInUitNetwerk", d.FrameInUitNetwerk->title()},
                                                              {"CHKAltijdBoven", d.CHKAltijdBoven->text()},
                                                              {"CMDDashboardSluiten", d.CMDDashboardSluiten->text()}};
                ASSERT_TRUE(shown.contains(key));
                EXPECT_EQ(shown.at(key), want);
            }
        }
        for (const CaptionRow& row : settingsCaptions()) {
            SCOPED_TRACE(row.control);
            const QString want = QString::fromUtf8(english ? row.english : row.dutch);
            const QWidget* c =
                std::string_view(row.control) == "Instellingen" ? &e : e.findChild<QWidget*>(QString::fromUtf8(row.control));
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(text(c), want);
        }
    }
}

TEST_F(LanguageSwitchTest, AHandfulOfCaptionsReadAsWrittenHere) {
    // Written out, not taken from the caption tables: a wrong text in a table shows here.
    LadderProgrammeren& w = Start();
    struct Shown {
        bool english;
        QString save, language, settings, allOff, heading, cycleTime, local, close, ipAddress, flash, memoryTab, inputsTab;
    };
    const Shown cases[] = {
        // English, then back to Dutch
        {true, "Save", "English", "Settings", "All off", "Management", "Cycle Time", "In- and Outputs Local pc.", "Close",
         "IP-Adress", "Flash Arduino", "Memory Variables", "Inputs"},
        {false, "Opslaan", "Nederl.", "Instellingen", "Alles uit", "Beheer", "Tijd per Cyclus", "In- en Uitgangen Deze pc.",
         "Sluiten", "IP-Adres", "Flits Arduino", "Geheugen Variabelen", "Ingangen"},
    };
    for (const Shown& c : cases) {
        SCOPED_TRACE(c.english ? "English" : "Dutch");
        apply(c.english);
        EXPECT_EQ(w.CommandSchrijven->text(), c.save);
        EXPECT_EQ(w.CommandTaal->text(), c.language);
        EXPECT_EQ(w.CommandClipBoard->text(), c.settings);
        EXPECT_EQ(w.CommandResetAll->text(), c.allOff);
        EXPECT_EQ(w.PanelKopInstellingen->Caption(), c.heading);
        EXPECT_EQ(w.SSPanel80->Caption(), c.cycleTime);
        EXPECT_EQ(dashboardWindow().FrameInUitLokaal->title(), c.local);
        EXPECT_EQ(dashboardWindow().CMDDashboardSluiten->text(), c.close);
        EXPECT_EQ(settingsWindow().PanelNetwerkIPadres->Caption(), c.ipAddress);
        EXPECT_EQ(settingsWindow().CMD_Flits->text(), c.flash);
        EXPECT_EQ(actionEditor().TabActies->tabCaption(2), c.memoryTab);
        EXPECT_EQ(conditionEditor().TabCondities->tabCaption(0), c.inputsTab);
    }
}

TEST_F(LanguageSwitchTest, FontButtonKeepsACaptionThatIsNoFieldWord) {
    LadderProgrammeren& w = Start();
    const std::pair<QString, QString> cases[] = {{"NAME", "Naam"}, {"size", "Grootte"}, {"Arial", "Arial"}, {"12", "12"}};
    for (const auto& [before, dutch] : cases) {
        w.CommandFont->setText(before);
        apply(false);
        EXPECT_EQ(w.CommandFont->text(), dutch);
    }
    const std::pair<QString, QString> toEnglish[] = {{"naam", "Name"}, {"GROOTTE", "Size"}, {"Arial", "Arial"}};
    for (const auto& [before, english] : toEnglish) {
        w.CommandFont->setText(before);
        apply(true);
        EXPECT_EQ(w.CommandFont->text(), english);
    }
}

TEST_F(LanguageSwitchTest, RoundTripGivesTheCaptionsOfReadingTheFileInThatLanguage) {
    Start();
    ASSERT_TRUE(LeesLadderVanDisk(every_kind));
    const auto dutchRead = snapshot();
    ASSERT_FALSE(ladderView.action[0].lines[0].caption.isEmpty());  // the start-only row holds an action

    // The main window's caption stays; the settings file gets the language
    // and the peer the ladder file named.
    const QString caption = ladderView.windowCaption;
    CommandTaal_Click();
    EXPECT_TRUE(shared.TaalVlag);
    const auto englishSwitched = snapshot();
    EXPECT_EQ(ladderView.windowCaption, caption);
    EXPECT_EQ(ladderView.startNote, " This line will only be executed at Start!");
    EXPECT_EQ(home.read("Tamberlo.ini"), SettingsText(true, "127.0.0.1", 120));
    EXPECT_EQ(splashWindow().lblLicenseTo->Caption(), "Ladder programmeren van de interface.");
    splashWindow().SetActivationTexts();  // the splash follows at its next activation
    EXPECT_EQ(splashWindow().lblLicenseTo->Caption(), "Ladder programming the interface.");

    ASSERT_TRUE(LeesLadderVanDisk(every_kind));
    EXPECT_EQ(snapshot(), englishSwitched) << firstDifference(snapshot(), englishSwitched);
    EXPECT_NE(englishSwitched, dutchRead);

    CommandTaal_Click();
    EXPECT_FALSE(shared.TaalVlag);
    EXPECT_EQ(home.read("Tamberlo.ini"), SettingsText(false, "127.0.0.1", 120));
    const auto dutchSwitched = snapshot();
    ASSERT_TRUE(LeesLadderVanDisk(every_kind));
    EXPECT_EQ(snapshot(), dutchSwitched) << firstDifference(snapshot(), dutchSwitched);
    EXPECT_EQ(dutchSwitched, dutchRead) << firstDifference(dutchSwitched, dutchRead);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

TEST_F(LanguageSwitchTest, EditedCellsAfterASwitchMatchAFreshReadOfTheSavedFile) {
    Start();
    CommandTaal_Click();
    ASSERT_TRUE(LeesLadderVanDisk(every_kind));  // in English: its analog output that waits for "not" has no "WON"
    // A module input whose network box is ticked and cleared again in English.
    conditionEditor().CommandPanelConditie_Click(13);
    InputConditionPanel& in = *conditionEditor().PanelConditieBewerkIngang;
    in.OptionWelkeInterfaceIn(3)->click();
    in.CheckNetwerkIN->click();
    in.CheckNetwerkIN->click();
    conditionEditor().CommandOKConditie_Click();
    ASSERT_EQ(ladderView.cell[13].lines[0].caption, "Brask Kelvanor Ember");
    const QString saved = QDir(home.path()).filePath("edited.vpp");
    ASSERT_TRUE(SchrijfLadderOpDisk(saved));

    for (bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Dutch");
        CommandTaal_Click();
        ASSERT_EQ(bool(shared.TaalVlag), english);
        const QStringList switched = snapshot();
        ASSERT_TRUE(LeesLadderVanDisk(saved));
        EXPECT_EQ(snapshot(), switched) << firstDifference(snapshot(), switched);
    }
}

TEST_F(LanguageSwitchTest, QtsOwnDialogsAndTheFileFilterFollowTheLanguage) {
    auto cancelText = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text();
    };
    Start();  // Dutch from the start
    EXPECT_EQ(cancelText(), "Annuleren");
    CommandLezen();
    EXPECT_EQ(dialogs.lastFileRequest.filterName, "Ladderprogramma's");
    CommandTaal_Click();
    EXPECT_EQ(cancelText(), "Cancel");
    CommandLezen();
    EXPECT_EQ(dialogs.lastFileRequest.filterName, "Ladder programs");
    CommandTaal_Click();
    EXPECT_EQ(cancelText(), "Annuleren");
}

TEST_F(LanguageSwitchTest, UnwritableSettingsKeepTheLanguageForThisSession) {
    Start();
    QDir(home.path()).mkdir("Tamberlo.ini");  // a folder in the file's place cannot be replaced
    CommandTaal_Click();
    EXPECT_TRUE(shared.TaalVlag);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], "The settings file " + home.file("Tamberlo.ini") +
                                       " cannot be written.\nThe path is a folder, not a file.\nLanguage settings only for this "
                                       "session.");
    EXPECT_EQ(mainWindow().CommandTaal->text(), "English");
}

TEST_F(LanguageSwitchTest, AFullFileSystemKeepsTheSettingsFileAsItWas) {
    FullFileSystem disk;
    const ScopedEnv programFolder("TAMBERLO_HOME", QFile::encodeName(disk.path()));
    const QByteArray old = SettingsText(false, "10.0.0.7", 2400);
    QFile file(disk.file("Tamberlo.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();
    disk.Fill();
    startUpServices().LeesInstellingen = [] { LeesInstellingen(); };
    QStringList whileShown;  // the folder as the user reads the message
    dialogs.whileMessageShown = [&] { whileShown = QDir(disk.path()).entryList(QDir::Files); };

    Start();  // reading the file writes nothing
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    mainWindow().CommandTaal->click();
    EXPECT_TRUE(shared.TaalVlag);
    EXPECT_EQ(dialogs.messages,
              QStringList{"The settings file " + disk.file("Tamberlo.ini") + " cannot be written.\n" +
                          (disk.mounted() ? "There is no space left on the disk." : "The file would be too large.") +
                          "\nLanguage settings only for this session."});
    EXPECT_EQ(whileShown, QStringList{"Tamberlo.ini"});  // no temporary file left
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

}  // namespace
}  // namespace tamberlo::test
