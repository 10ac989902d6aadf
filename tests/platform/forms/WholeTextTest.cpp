// Texts kept whole in a fixed room: the one font keeper, a button's caption,
// a list's entries measured against the room Qt really gives them, and the
// drive box's long paths.
#include <QApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>

#include <gtest/gtest.h>

#include "FontKeeper.h"
#include "PathBox.h"
#include "WholeCaption.h"
#include "WholeEntries.h"

using namespace tamberlo;

namespace {

QFont pointSize(QFont font, qreal size) {
    font.setPointSizeF(size);
    return font;
}

// The width Qt lays out for the widest entry of `list` in `font`, measured
// on a list of its own that nobody keeps.
int widestEntry(const QListWidget& list, const QFont& font) {
    QListWidget twin;
    twin.setFont(font);
    for (int i = 0; i < list.count(); ++i) twin.addItem(list.item(i)->text());
    int widest = 0;
    for (int i = 0; i < twin.count(); ++i) widest = std::max(widest, twin.sizeHintForIndex(twin.model()->index(i, 0)).width());
    return widest;
}

}  // namespace

// The keeper shows the font its control wants while the text fits, and
// fits again after a new font, a new size, a text changed (FitFont), and
// after a font wanted equal to the one shown. A control kept may have
// other children; keeping it again changes nothing.
TEST(WholeText, TheKeeperShowsTheWantedFontShrunkToFit) {
    QWidget control;
    new QObject(&control);
    qreal largest = 10;  // the largest size at which the control's "text" fits
    control.setFont(pointSize(control.font(), 12));
    KeepFontFitted(&control, [&largest](const QWidget&, const QFont& f) { return f.pointSizeF() <= largest; });
    KeepFontFitted(&control, [](const QWidget&, const QFont&) { return true; });
    EXPECT_EQ(control.font().pointSizeF(), 10);
    largest = 20;  // a shorter text
    FitFont(&control);
    EXPECT_EQ(control.font().pointSizeF(), 12);
    largest = 8;  // a smaller room
    control.resize(control.width() + 10, control.height());
    control.show();  // a shown control is told of its size at once
    control.resize(control.width() + 10, control.height());
    EXPECT_EQ(control.font().pointSizeF(), 8);
    WantFont(&control, control.font());  // the size it was shrunk to, chosen
    largest = 20;
    FitFont(&control);
    EXPECT_EQ(control.font().pointSizeF(), 8);
    control.setFont(pointSize(control.font(), 14));  // set from outside: wanted too
    EXPECT_EQ(control.font().pointSizeF(), 14);
    largest = 9.7;  // shrunk in half points from the wanted size
    FitFont(&control);
    EXPECT_EQ(control.font().pointSizeF(), 9.5);
}

// A caption too wide for its button is shown in a smaller font.
TEST(WholeText, CaptionsShrinkIntoTheirButton) {
    QPushButton button(QStringLiteral("Bestands pad"));
    button.resize(60, 28);
    KeepCaptionWhole(&button);
    button.setFont(pointSize(button.font(), 40));
    const qreal shrunk = button.font().pointSizeF();
    EXPECT_LT(shrunk, 40);
    SetButtonCaption(&button, QStringLiteral("Pad"));
    EXPECT_GT(button.font().pointSizeF(), shrunk);
}

// At every width of a list with a vertical scroll bar, the font a kept list
// shows is the largest (in half points from the one wanted) at which Qt lays
// out every entry within the list's room; below the design size it is not
// shrunk, and an entry too long there can be scrolled into view whole.
TEST(WholeText, ListEntriesFitTheRoomQtGivesThemOrScrollAtTheDesignSize) {
    QListWidget list;
    const qreal design = 9;
    list.setFont(pointSize(list.font(), design));
    for (int i = 1; i <= 40; ++i) list.addItem(QStringLiteral("Geluiden %1").arg(i));  // more than the list's height
    list.resize(100, 200);
    list.show();
    KeepEntriesWhole(&list);
    const qreal wanted = 40;
    WantFont(&list, pointSize(list.font(), wanted));
    int shrunk = 0;
    for (int width = 100; width <= 260; ++width) {
        SCOPED_TRACE(width);
        list.resize(width, 200);
        list.doItemsLayout();
        const qreal shown = list.font().pointSizeF();
        const int room = list.viewport()->width();
        ASSERT_TRUE(list.verticalScrollBar()->isVisible());
        EXPECT_LE(widestEntry(list, list.font()), room) << shown << " pt";
        EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0) << shown << " pt";
        // Half a point more would not fit (within the keeper's clearance of two pixels).
        if (shown < wanted) {
            ++shrunk;
            EXPECT_GT(widestEntry(list, pointSize(list.font(), shown + 0.5)) + 2, room) << shown << " pt";
        }
    }
    EXPECT_GT(shrunk, 100);

    list.addItem(QStringLiteral("Een mapnaam die nergens in past, ook niet klein"));
    FitFont(&list);
    list.doItemsLayout();
    EXPECT_EQ(list.font().pointSizeF(), design);
    const int need = widestEntry(list, list.font());
    EXPECT_GT(need, list.viewport()->width());
    EXPECT_EQ(list.viewport()->width() + list.horizontalScrollBar()->maximum(), need);
    delete list.takeItem(list.count() - 1);
    FitFont(&list);
    EXPECT_GT(list.font().pointSizeF(), design);
    list.setFont(pointSize(list.font(), 6));  // smaller than the design, set directly
    EXPECT_EQ(list.font().pointSizeF(), 6);
}

// A path too wide for the drive box shows its start and its end, fitting the
// box; hovering shows it whole, and so does the opened list. A short path is
// shown whole, without a tooltip.
TEST(WholeText, ADriveBoxShowsTheStartAndEndOfALongPath) {
    PathBox box;
    box.setGeometry(0, 0, 181, 22);
    const QString longPath = QStringLiteral("/media/someuser/AVERYLONGLABELNAME_FOR_A_USB_STICK/LESMATERIAAL");
    box.addItems({QStringLiteral("/"), longPath});
    box.show();
    auto hover = [&box] {
        QHelpEvent e(QEvent::ToolTip, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&box, &e);
        return box.toolTip();
    };
    EXPECT_EQ(box.shownText(), "/");
    EXPECT_EQ(hover(), "");

    box.setCurrentIndex(1);
    const QString shown = box.shownText();
    const qsizetype ellipsis = shown.indexOf(QChar(0x2026));
    ASSERT_GT(ellipsis, 8) << shown.toStdString();
    EXPECT_TRUE(longPath.startsWith(shown.left(ellipsis))) << shown.toStdString();
    EXPECT_TRUE(longPath.endsWith(shown.mid(ellipsis + 1))) << shown.toStdString();
    EXPECT_GE(shown.size() - ellipsis - 1, 8) << shown.toStdString();
    QStyleOptionComboBox option;
    option.initFrom(&box);
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box);
    EXPECT_LE(box.fontMetrics().horizontalAdvance(shown), field.width() - 2);
    EXPECT_EQ(hover(), longPath);

    box.showPopup();
    const QAbstractItemView* popup = box.view();
    EXPECT_GE(popup->viewport()->width(), popup->sizeHintForIndex(popup->model()->index(1, 0)).width());
    box.hidePopup();
}
