// The property page offscreen: it shows the control's five settings, greys
// the lists with the COM box, saves normalised lists with OK or Apply (and
// marks the settings for writing), and the ini file is written when the
// control is destroyed.

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

#include "ControlTest.h"
#include "KelvanorCtrl.h"
#include "KelvanorPropPage.h"
#include "PropertyFrame.h"

namespace kelvanor::test {
namespace {

class PropertyPageTest : public ControlTest {
protected:
    PropertyPageTest() : ctrl(std::make_unique<CKelvanorCtrl>()) {
        ctrl->settings.UseUSB = true;
        ctrl->settings.UseSerial = true;
        ctrl->settings.SearchCOM = QStringLiteral("1-255");
        ctrl->settings.ExcludeCOM = QStringLiteral("3");
        ctrl->settings.ShowAtStartup = false;
    }
    QString IniText() {
        QFile f(iniPath());
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll());
    }
    std::unique_ptr<CKelvanorCtrl> ctrl;
};

TEST_F(PropertyPageTest, LoadsTheControlsSettings) {
    PropertyFrame frame;
    CKelvanorPropPage* page = frame.page();
    EXPECT_TRUE(page->usbBox()->isChecked());
    EXPECT_TRUE(page->comBox()->isChecked());
    EXPECT_EQ(page->searchEdit()->text(), QStringLiteral("1-255"));
    EXPECT_EQ(page->excludeEdit()->text(), QStringLiteral("3"));
    EXPECT_FALSE(page->showAtStartupBox()->isChecked());
    EXPECT_TRUE(page->searchEdit()->isEnabled());
    EXPECT_TRUE(page->excludeEdit()->isEnabled());
    EXPECT_EQ(page->usbBox()->text(), QStringLiteral("USB"));
    EXPECT_EQ(page->showAtStartupBox()->text(), QStringLiteral("Show Debug Window at startup"));
    auto* tabs = frame.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("General"));

    // With COM off, the lists load greyed.
    ctrl->settings.UseSerial = false;
    PropertyFrame second;
    EXPECT_FALSE(second.page()->searchEdit()->isEnabled());
    EXPECT_FALSE(second.page()->excludeEdit()->isEnabled());
}

TEST_F(PropertyPageTest, TheComBoxGreysTheListsAndKeepsTheirTexts) {
    PropertyFrame frame;
    frame.show();
    CKelvanorPropPage* page = frame.page();
    page->comBox()->click();
    EXPECT_FALSE(page->comBox()->isChecked());
    EXPECT_FALSE(page->searchEdit()->isEnabled());
    EXPECT_FALSE(page->excludeEdit()->isEnabled());
    EXPECT_EQ(page->searchEdit()->text(), QStringLiteral("1-255"));
    EXPECT_EQ(page->excludeEdit()->text(), QStringLiteral("3"));
    page->comBox()->click();
    EXPECT_TRUE(page->searchEdit()->isEnabled());
    EXPECT_TRUE(page->excludeEdit()->isEnabled());
    // Nothing reaches the control before it is applied.
    EXPECT_TRUE(ctrl->settings.UseSerial);
    EXPECT_FALSE(ctrl->IsModified());
}

TEST_F(PropertyPageTest, ApplyAndOkSaveNormalisedListsAndMarkTheSettings) {
    PropertyFrame frame;
    CKelvanorPropPage* page = frame.page();
    page->searchEdit()->setText(QStringLiteral("1-4, 12, 14"));
    page->excludeEdit()->setText(QStringLiteral("x, 7-3"));
    page->usbBox()->click();
    page->showAtStartupBox()->click();
    frame.applyButton()->click();
    EXPECT_EQ(ctrl->settings.SearchCOM, QStringLiteral("1-4,12,14"));
    EXPECT_EQ(ctrl->settings.ExcludeCOM, QStringLiteral("3-7"));
    EXPECT_FALSE(ctrl->settings.UseUSB);
    EXPECT_TRUE(ctrl->settings.UseSerial);
    EXPECT_TRUE(ctrl->settings.ShowAtStartup);
    EXPECT_TRUE(ctrl->IsModified());

    // OK without a change still marks the settings.
    ctrl->SetModifiedFlag(false);
    PropertyFrame again;
    again.okButton()->click();
    EXPECT_TRUE(ctrl->IsModified());
    EXPECT_EQ(again.result(), QDialog::Accepted);

    // Cancel saves nothing.
    ctrl->SetModifiedFlag(false);
    PropertyFrame cancelled;
    cancelled.page()->comBox()->click();
    cancelled.cancelButton()->click();
    EXPECT_FALSE(ctrl->IsModified());
    EXPECT_TRUE(ctrl->settings.UseSerial);
}

TEST_F(PropertyPageTest, ShowPropertiesRunsTheFrameAndTheIniIsWrittenOnDestruction) {
    SetModalHook([](QDialog& d) {
        auto* frame = dynamic_cast<PropertyFrame*>(&d);
        ASSERT_NE(frame, nullptr);
        frame->page()->usbBox()->click();
        frame->page()->searchEdit()->setText(QStringLiteral(" 5 - 2 ,9"));
        frame->okButton()->click();
    });
    ctrl->ShowProperties();
    EXPECT_FALSE(ctrl->settings.UseUSB);
    EXPECT_EQ(ctrl->settings.SearchCOM, QStringLiteral("2-5,9"));
    EXPECT_TRUE(ctrl->IsModified());
    // Not written yet: the control writes its settings when it goes.
    EXPECT_TRUE(IniText().contains(QStringLiteral("UseUSB=Y")));
    ctrl.reset();
    const QString ini = IniText();
    EXPECT_TRUE(ini.contains(QStringLiteral("UseUSB=N"))) << ini.toStdString();
    EXPECT_TRUE(ini.contains(QStringLiteral("SearchCOM=2-5,9"))) << ini.toStdString();
    EXPECT_TRUE(ini.contains(QStringLiteral("ExcludeCOM=3"))) << ini.toStdString();
    // The next control reads what the page saved.
    CKelvanorCtrl next;
    EXPECT_FALSE(next.settings.UseUSB);
    EXPECT_EQ(next.settings.SearchCOM, QStringLiteral("2-5,9"));
}

TEST_F(PropertyPageTest, ANewerControlIsTheOneEdited) {
    CKelvanorCtrl newer;
    newer.settings.SearchCOM = QStringLiteral("8");
    PropertyFrame frame;
    EXPECT_EQ(frame.page()->searchEdit()->text(), QStringLiteral("8"));
    frame.okButton()->click();
    EXPECT_TRUE(newer.IsModified());
    EXPECT_FALSE(ctrl->IsModified());
}

}  // namespace
}  // namespace kelvanor::test
