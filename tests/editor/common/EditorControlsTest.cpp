#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>

#include <vector>

#include "EditorTabs.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "UpDown.h"
#include "ValueScrollBar.h"

using namespace tamberlo;

namespace {

struct Options : ::testing::Test {
    QWidget parent;
    OptionGroup group{1, 3};
    std::vector<int> clicks;
    void SetUp() override {
        for (int i = 1; i <= 3; ++i) group.create(i, QString::number(i), &parent)->setGeometry(0, 20 * i, 60, 18);
        group.onClick([this](int i) { clicks.push_back(i); });
        parent.show();
    }
    void userClick(int i) { QTest::mouseClick(group(i), Qt::LeftButton, {}, QPoint(6, 9)); }
};

TEST_F(Options, CodeChoiceRunsTheHandlerOnlyWhenAskedAndChanged) {
    group.select(2, Handler::Skip);
    group.select(2, Handler::RunIfChanged);
    EXPECT_TRUE(clicks.empty());
    group.select(3, Handler::RunIfChanged);
    group.select(9, Handler::RunIfChanged);  // no such item
    EXPECT_EQ(clicks, std::vector<int>{3});
    EXPECT_TRUE(group(3)->isChecked());
    EXPECT_FALSE(group(2)->isChecked());
}

TEST_F(Options, UserClickChoosesOnceAndNeverClearsTheChoice) {
    userClick(1);
    userClick(1);
    EXPECT_EQ(clicks, std::vector<int>{1});
    EXPECT_TRUE(group(1)->isChecked());
    userClick(2);
    EXPECT_EQ(group.selected(), 2);
    EXPECT_FALSE(group(1)->isChecked());
    group.setEnabled(3, false);
    userClick(3);
    EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
}

TEST_F(Options, CodeCanLeaveNoOptionChosen) {
    group.select(2, Handler::Skip);
    group.clear(1);
    EXPECT_EQ(group.selected(), 2);
    group.clear(2);
    EXPECT_FALSE(group.selected().has_value());
    EXPECT_FALSE(group(2)->isChecked());
    userClick(2);  // now a change again
    EXPECT_EQ(clicks, std::vector<int>{2});
}

TEST(EditorTabs, CodeChoiceIsSilentUnlessAskedAndPanelsMoveOnlyWhenBrought) {
    EditorTabs tabs;
    for (const char* c : {"a", "b", "c"}) tabs.addTab(c);
    auto* p0 = new QWidget;
    auto* p1 = new QWidget;
    tabs.addPanel(p0);
    tabs.addPanel(p1);
    std::vector<int> clicks;
    tabs.onClick([&](int t) { clicks.push_back(t); });
    tabs.select(2, Handler::Skip);
    tabs.select(1, Handler::RunIfChanged);
    tabs.select(1, Handler::RunIfChanged);
    tabs.bar()->setCurrentIndex(0);  // as the user's click does
    EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
    EXPECT_EQ(tabs.front(), p0);
    tabs.bringToFront(p1);
    EXPECT_EQ(tabs.front(), p1);
    EXPECT_EQ(tabs.current(), 0);
}

// Captions wrap at their blanks; where even the longest words do not fit side
// by side the bar's font shrinks until they do, and grows back with the room.
TEST(EditorTabs, LongestWordsFitSideBySide) {
    EditorTabs tabs;
    for (const char* c : {"Geheugen Toets", "Variabele", "Tijd"}) tabs.addTab(c);
    tabs.resize(400, 300);
    tabs.show();
    const QFont roomy = tabs.bar()->font();
    tabs.resize(90, 300);
    QTabBar& bar = *tabs.bar();
    EXPECT_LT(bar.font().pointSizeF(), roomy.pointSizeF());
    EXPECT_LE(bar.tabRect(bar.count() - 1).right(), tabs.width() - 1);
    for (int t = 0; t < bar.count(); ++t)
        for (const QString& line : bar.tabText(t).split('\n'))
            EXPECT_LE(bar.fontMetrics().horizontalAdvance(line), bar.tabRect(t).width() - 4) << line.toStdString();
    tabs.resize(400, 300);
    EXPECT_EQ(tabs.bar()->font(), roomy);
}

TEST(UpDown, StepsStopAtTheEndsAndRefuseOutOfRangeValues) {
    UpDown spin(0, 23);
    int changes = 0;
    spin.onChange([&] { ++changes; });
    spin.stepDown();
    EXPECT_EQ(spin.value(), 0);
    EXPECT_FALSE(spin.setValue(24, Handler::RunIfChanged));
    EXPECT_TRUE(spin.setValue(23, Handler::Skip));
    spin.stepUp();
    EXPECT_EQ(spin.value(), 23);
    EXPECT_EQ(changes, 0);
    spin.upButton()->click();
    spin.downButton()->click();
    EXPECT_EQ(spin.value(), 22);
    EXPECT_EQ(changes, 1);
}

TEST(ValueScrollBar, OnlyUserChangesOrAskedCodeChangesRunTheHandler) {
    ValueScrollBar bar(0, 255, 10);
    int changes = 0;
    bar.onChange([&] { ++changes; });
    EXPECT_TRUE(bar.setValueFromCode(40, Handler::Skip));
    EXPECT_FALSE(bar.setValueFromCode(300, Handler::RunIfChanged));
    EXPECT_EQ(changes, 0);
    bar.setValueFromCode(41, Handler::RunIfChanged);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);  // as a click beside the thumb
    EXPECT_EQ(bar.value(), 51);
    EXPECT_EQ(changes, 2);
}

TEST(ValueScrollBar, ItsBoxShowsEveryValueSetAndIsEmptyOnlyUntilShownAgain) {
    ValueScrollBar bar(0, 255, 10);
    Panel3D box;
    bar.showValueIn(&box, [](int v) { return QStringLiteral("%1 sec.").arg(v); });
    bar.setValueFromCode(7, Handler::Skip);
    EXPECT_EQ(box.Caption(), "7 sec.");
    bar.showNoValue();
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(box.Caption(), "");
    bar.setValueFromCode(0, Handler::Skip);  // unchanged: no signal, still shown
    EXPECT_EQ(box.Caption(), "0 sec.");
    bar.showNoValue();
    bar.showValue();
    EXPECT_EQ(box.Caption(), "0 sec.");
}

TEST(FillGuard, RaisesTheFlagForItsScopeAndKeepsAnOuterOne) {
    bool flag = false;
    {
        FillGuard outer(flag);
        { FillGuard inner(flag); }
        EXPECT_TRUE(flag);
    }
    EXPECT_FALSE(flag);
    QCheckBox box;
    int clicks = 0;
    QObject::connect(&box, &QCheckBox::clicked, [&] { ++clicks; });
    setCheck(box, true, Handler::Skip);
    setCheck(box, true, Handler::RunIfChanged);
    setCheck(box, false, Handler::RunIfChanged);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
