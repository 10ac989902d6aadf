// The trace window's row painter: it paints what the standard item delegate
// paints, and shapes a line's text only once while the line stays on screen.

#include <QDialog>
#include <QImage>
#include <QListView>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <gtest/gtest.h>

#include "DebugWin.h"
#include "ModuleEmulator.h"
#include "TraceLineDelegate.h"

namespace kelvanor::test {
namespace {

class TraceLineDelegateTest : public ::testing::Test {
protected:
    TraceLineDelegateTest() {
        win_.CreateWindow();
        view_ = win_.window()->findChild<QListView*>();
        delegate_ = view_ ? dynamic_cast<TraceLineDelegate*>(view_->itemDelegate()) : nullptr;
    }

    // Traces the lines and waits until the list shows them.
    bool Show(const QStringList& texts) {
        const int rows = static_cast<int>(win_.Lines().size() + texts.size());
        for (const QString& text : texts) win_.TraceLine(text);
        return WaitUntil([&] { return view_->model()->rowCount() == rows; });
    }
    QImage Painted() const { return view_->viewport()->grab().toImage(); }

    CDebugWin win_;
    QListView* view_ = nullptr;
    TraceLineDelegate* delegate_ = nullptr;
};

TEST_F(TraceLineDelegateTest, PaintsWhatTheStandardDelegatePaints) {
    ASSERT_NE(delegate_, nullptr);
    win_.window()->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return win_.window()->isActiveWindow(); }));
    // Lines as the control traces them, an empty text, and lines too wide for
    // the window (elided) or with a line break (both painted the standard way).
    ASSERT_TRUE(Show({QStringLiteral("TX COM 2:\tMAW1.0=0001"), QStringLiteral("RX COM 2:\tDI1.0=0001"), QString(),
                      QStringLiteral("Kelvanor Cedar:\tModule 1 V2.3 at COM 2"), QStringLiteral("USB#1 devices:\t0"),
                      QStringLiteral("Opening USB:\tLoc1A2B\tfailed\tagain\tand again and again, wider than the window"),
                      QStringLiteral("first\nsecond"), QStringLiteral("CHANNEL_READY")}));
    // The newest line selected, then a line in the middle; with the list
    // focused (its current line painted the standard way) and not.
    for (int state = 0; state < 4; ++state) {
        view_->setCurrentIndex(view_->model()->index(state < 2 ? 7 : 3, 0));
        if (state % 2) win_.window()->findChild<QPushButton*>()->setFocus();
        else view_->setFocus();
        ASSERT_EQ(view_->hasFocus(), state % 2 == 0) << state;
        const QImage fast = Painted();
        view_->setItemDelegate(new QStyledItemDelegate(view_));
        const QImage standard = Painted();
        view_->setItemDelegate(delegate_);
        EXPECT_EQ(fast, standard) << state;
    }
}

TEST_F(TraceLineDelegateTest, ARepaintShapesOnlyTheLinesNotOnScreenBefore) {
    ASSERT_NE(delegate_, nullptr);
    QStringList texts;
    for (int i = 0; i < 200; ++i) texts << QStringLiteral("RX COM 2:\t%1").arg(i);
    ASSERT_TRUE(Show(texts));
    Painted();
    const int shaped = delegate_->shapedLines();
    EXPECT_GT(shaped, 0);
    Painted();
    EXPECT_EQ(delegate_->shapedLines(), shaped);
    // Three new lines scroll in at the bottom.
    ASSERT_TRUE(Show({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    Painted();
    EXPECT_EQ(delegate_->shapedLines(), shaped + 3);
}

}  // namespace
}  // namespace kelvanor::test
