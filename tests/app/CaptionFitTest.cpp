// Every caption a window shows fits its control at the design fonts and
// after the font command at every size its dialog offers, in both languages:
// the walk visits the main window with each editor panel open, the dashboard,
// the settings window and the splash, and measures each caption with the
// control's font against the room the control gives it. An entry of a list
// shows whole, or, at the list's design size, can be scrolled into view
// whole; the drive box shows a path too long for it by its start and end.
// The sound picker sees volumes of the test's own, not the machine's.
#include "StartUpFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTabBar>

#include "ActionCellLook.h"
#include "ActionEditor.h"
#include "CellTexts.h"
#include "ConditionCellLook.h"
#include "ConditionEditor.h"
#include "Dashboard.h"
#include "EditorHooks.h"
#include "InputConditionPanel.h"
#include "MainWindowCommands.h"
#include "OutputPanel.h"
#include "SettingsWindow.h"
#include "SoundFolders.h"
#include "SoundPanel.h"
#include "SplashWindow.h"
#include "VbLabel.h"
#include "WholeCaption.h"

namespace tamberlo::test {
namespace {

// A readable name of a control for a failure: its object names up to the window.
std::string nameOf(const QWidget* w) {
    QStringList path;
    for (const QWidget* p = w; p && !p->isWindow(); p = p->parentWidget())
        path.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className()) : p->objectName());
    return path.join('/').toStdString();
}

// The room `text` needs, laid out in `room` with `flags`, fits inside `room`.
// The measured height counts one pixel row below the lowest descent that
// draws nothing, so a text that overshoots by that row still shows whole.
bool fits(const QFontMetrics& metrics, const QRect& room, int flags, const QString& text) {
    const QRect need = metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 100000)), flags, text);
    return need.width() <= room.width() && need.height() <= room.height() + 1;
}

// The design size of each list, as the start-up left it.
QHash<const QWidget*, qreal> designSizes;

void rememberDesignSizes(const QWidget& window) {
    for (const QWidget* list : window.findChildren<QWidget*>())
        if (qobject_cast<const QListWidget*>(list) || qobject_cast<const QComboBox*>(list))
            designSizes[list] = list->font().pointSizeF();
}

qreal designSize(const QWidget* list) {
    EXPECT_TRUE(designSizes.contains(list)) << nameOf(list);
    return designSizes.value(list);
}

// `shown` is `text`, or its start and end with an ellipsis between.
bool showsStartAndEnd(const QString& shown, const QString& text) {
    const qsizetype ellipsis = shown.indexOf(QChar(0x2026));
    if (shown == text) return true;
    return ellipsis > 0 && text.startsWith(shown.left(ellipsis)) && text.endsWith(shown.mid(ellipsis + 1)) &&
           ellipsis + 1 < shown.size();
}

// The cut captions of one window and everything on it that is shown (or of
// the controls `only` on it).
QStringList cutCaptions(QWidget* window, const QList<QWidget*>& only = {}) {
    QStringList cut;
    auto report = [&cut](const QWidget* w, const QString& text) {
        cut.push_back(QString::fromStdString(nameOf(w)) + QStringLiteral(": \"") + text + '"');
    };
    const QList<QWidget*> widgets = only.isEmpty() ? window->findChildren<QWidget*>() : only;
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window)) continue;
        const QFontMetrics metrics(w->font());
        if (auto* p = qobject_cast<Panel3D*>(w)) {
            const int b = p->BevelWidth();
            const QRect room = p->rect().adjusted(b + 1, b, -b - 1, -b);
            if (!p->Caption().isEmpty() && !fits(metrics, room, Qt::AlignCenter | Qt::TextWordWrap, p->Caption()))
                report(w, p->Caption());
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            const int wrap = l->wordWrap() ? Qt::TextWordWrap : 0;
            if (!l->text().isEmpty() && !fits(metrics, l->contentsRect(), int(l->alignment()) | wrap, l->text()))
                report(w, l->text());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (b->text().isEmpty()) continue;
            const QRect room = CaptionRoom(b);
            const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
            if (!fits(metrics, room, flags, b->text())) {
                report(w, b->text());
                continue;
            }
            // The caption must not run into a neighbouring control, such as the
            // circle of the next option button.
            QRect drawn = metrics.boundingRect(room, flags, b->text());
            drawn.moveTopLeft(b->mapToParent(drawn.topLeft()));
            for (QObject* o : w->parentWidget()->children()) {
                auto* sibling = qobject_cast<QAbstractButton*>(o);
                if (sibling && sibling != b && sibling->isVisibleTo(window) && sibling->geometry().intersects(drawn))
                    report(w, b->text() + QStringLiteral(" (runs into ") + QString::fromStdString(nameOf(sibling)) + ')');
            }
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            // Every entry whole in the list's width, a row within its height;
            // an entry too long even at the design size scrolls into view whole.
            list->doItemsLayout();
            const QSize room = list->viewport()->size();
            const int scrollable =
                list->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff ? 0 : list->horizontalScrollBar()->maximum();
            for (int i = 0; i < list->count(); ++i) {
                const QSize need = list->sizeHintForIndex(list->model()->index(i, 0));
                if (need.height() > room.height() || need.width() > room.width() + scrollable) report(w, list->item(i)->text());
                else if (need.width() > room.width() && list->font().pointSizeF() > designSize(list))
                    report(w, list->item(i)->text() + QStringLiteral(" (scrolls above the design size)"));
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            // Whichever entry is chosen shows whole; a drive box shows a path
            // too long for it at the design size by its start and end.
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            option.frame = combo->hasFrame();
            option.subControls = QStyle::SC_All;
            const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            auto* paths = qobject_cast<PathBox*>(combo);
            const bool shortened = paths && combo->font().pointSizeF() <= designSize(combo);
            for (int i = 0; i < combo->count(); ++i)
                if (!shortened && !fits(metrics, room, Qt::AlignLeft | Qt::AlignVCenter, combo->itemText(i)))
                    report(w, combo->itemText(i));
            if (paths && !(fits(metrics, room, Qt::AlignLeft | Qt::AlignVCenter, paths->shownText()) &&
                           showsStartAndEnd(paths->shownText(), paths->currentText())))
                report(w, paths->currentText() + QStringLiteral(" (shown as ") + paths->shownText() + ')');
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            if (metrics.horizontalAdvance(g->title()) + 16 > g->width()) report(w, g->title());
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            for (int tab = 0; tab < bar->count(); ++tab)
                if (!fits(metrics, bar->tabRect(tab).adjusted(2, 2, -2, 0), Qt::AlignCenter, bar->tabText(tab)))
                    report(w, bar->tabText(tab));
        }
    }
    return cut;
}

// The widest of `texts` in `font`.
template <class Texts>
QString widestIn(const QFont& font, const Texts& texts) {
    const QFontMetrics metrics(font);
    QString widest;
    int widestAdvance = -1;
    for (const QString& text : texts)
        if (const int advance = metrics.horizontalAdvance(text); advance > widestAdvance) {
            widest = text;
            widestAdvance = advance;
        }
    return widest;
}

// Every port address a settings file can hold: at most four hexadecimal digits.
QStringList portAddresses() {
    QStringList all;
    for (int a = 0x1000; a <= 0xFFFF; ++a) all.push_back(portAddressText(a));
    return all;
}

// The numbers from `first` to `last`, as the refresh table writes them.
QStringList numbers(int first, int last) {
    QStringList all;
    for (int v = first; v <= last; ++v) all.push_back(QString::number(v));
    return all;
}

class CaptionFitTest : public StartUpTest {
protected:
    // The drives: the root and the test's home, as a stick would be mounted.
    void SetUp() override {
        StartUpTest::SetUp();
        SetMountedVolumes(QList<MountedVolume>{{"/", "/dev/sda1"}, {cleanFolder(home.path()), "/dev/sdb1"}});
    }

    void TearDown() override {
        if (openEditor.isOpen()) closeEditor();
        forgetSettingsWindow();
        SetMountedVolumes(std::nullopt);
        designSizes.clear();
        StartUpTest::TearDown();
    }

    LadderProgrammeren& StartAndRemember() {
        LadderProgrammeren& w = Start();
        for (const QWidget* window :
             std::initializer_list<const QWidget*>{&w, &dashboardWindow(), &settingsWindow(), &splashWindow()})
            rememberDesignSizes(*window);
        return w;
    }

    // Chooses `size` in the font dialog and gives the main window the font.
    void chooseFont(qreal size) {
        QFont chosen = mainWindow().CommandFont->font();
        chosen.setPointSizeF(size);
        Services chooser = InstalledServices::Current();
        chooser.fontDialog = [&chosen](const QFont&) { return FontChoice{chosen, QColor(Qt::black)}; };
        InstalledServices font{chooser};
        CommandFont_Click();
    }

    void closeEditor() {
        if (openEditor.kind == OpenEditor::Condition) conditionEditor().CommandOKConditie_Click();
        else actionEditor().CommandOKActie_Click();
    }

    // The main window's cut captions with condition cell 1 open on `row`.
    QStringList withCondition(const ConditionRow& row) {
        shared.Condities[1] = row;
        conditionEditor().CommandPanelConditie_Click(1);
        QStringList cut = cutCaptions(&mainWindow());
        conditionEditor().CommandOKConditie_Click();
        return cut;
    }
    // The same with action row 1 open on `row`.
    QStringList withAction(const ActionRow& row) {
        shared.Acties[1] = row;
        actionEditor().CommandPanelActie_Click(1);
        QStringList cut = cutCaptions(&mainWindow());
        actionEditor().CommandOKActie_Click();
        return cut;
    }
};

// Every caption fits at the design fonts, and after the font command at
// every size its dialog offers, in both languages.
TEST_F(CaptionFitTest, EveryCaptionFitsItsControlInBothLanguages) {
    LadderProgrammeren& w = StartAndRemember();
    // The widest values the controls must show: the widest port address in
    // the options' font, timer presets of ten seconds and more, four-digit
    // stored values, and in the refresh table the widest number a row holds.
    const QString port =
        widestIn(conditionEditor().PanelConditieBewerkIngang->OptionKaartnummerAdresIn(0)->font(), portAddresses());
    // A row holds -32768 to 32767: the widest negative and the widest five-digit positive number.
    const QFont tableFont = conditionEditor().PanelConditieIntegerITG(1)->font();
    const QString negative = widestIn(tableFont, numbers(-32768, -1)), positive = widestIn(tableFont, numbers(10000, 32767));
    const Long address = port.toLong(nullptr, 16);
    shared.ParallellePoortAdressen = {address, address, address};
    const auto wide = Integer(negative.toInt()), five = Integer(positive.toInt());
    SCOPED_TRACE(("widest " + port + ", " + negative + ", " + positive).toStdString());
    const ConditionRow conditions[] = {{1, 10, 1, 0, 0, 0}, {1, 21, 2, 1255, 0, 0},  {1, 31, 13, 0, 1, 0}, {1, 42, 8, 0, 0, 0},
                                       {1, 50, 5, 0, 1, 0}, {2, 1, 23, 59, 59, 127}, {2, 2, 2, 7, 0, 0},   {3, 1, 7, 1, 0, 0},
                                       {3, 2, 8, 0, 0, 0},  {3, 3, 3, 2255, 0, 0}};
    const ActionRow actions[] = {
        {1, 10, 3, 9, 0, 0, 0, 0, 0, 0},   {1, 23, 2, 2255, 1, 1, 0, 0, 0, 0},
        {1, 33, 1, 8, 0, 0, 0, 0, 0, 0},   {1, 43, 2, 9, 1, 0, 0, 0, 0, 0},
        {1, 50, 1, 1, 0, 0, 0, 0, 0, 0},   {2, 1, 1500, 5999, 6000, 1000, 4575, 2000, 3000, 5000},
        {2, 2, 2, 7, 0, 0, 0, 0, 0, 0},    {3, 1, 2, 7, 0, 0, 0, 0, 0, 0},
        {3, 2, 3, 3, 1001, 0, 0, 0, 0, 0}, {4, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };

    // The start-up's picture of a TM1638 board beside the Arduino button's caption.
    QDir(home.path()).mkdir("Afbeeldingen");
    QFile::copy(TAMBERLO_SOURCE_DIR "/assets/Afbeeldingen/TM1638.bmp", home.file("Afbeeldingen/TM1638.bmp"));
    SplashWindow::SetButtonPicture(splashWindow().CMD_Arduino_Nano, "TM1638.bmp");
    ASSERT_FALSE(splashWindow().CMD_Arduino_Nano->icon().isNull());
    // The sound row's folder, a level below the program's, with a file in it.
    const QString sounds = home.file("Geluiden werkplaats");
    QDir(home.path()).mkpath("Geluiden werkplaats/Bel en zoemer");
    home.write("Geluiden werkplaats/bel.wav", "RIFF");
    dashboardWindow().show();
    settingsWindow().show();

    // The main window's cut captions without an editor and with each editor
    // in each of its modes, the refresh table holding the widest values.
    int walked = 0;
    auto walk = [&] {
        QStringList cut = cutCaptions(&w);
        for (const ConditionRow& row : conditions) {
            cut += withCondition(row);
            ++walked;
        }
        shared.Condities[1] = {3, 3, 3, wide, wide, wide};
        shared.Condities[2] = {wide, wide, wide, wide, wide, wide};
        shared.Condities[3] = {five, five, five, five, five, five};
        shared.Acties[1] = {wide, five, wide, five, wide, five, wide, five, wide, five};
        conditionEditor().CommandPanelConditie_Click(1);
        conditionEditor().HScroll1->setValue(1);
        conditionEditor().CommandVervers_Click();
        cut += cutCaptions(&w);
        conditionEditor().CommandOKConditie_Click();
        for (const ActionRow& row : actions) {
            shared.GeluidMappen[1] = sounds;
            shared.GeluidBestanden[1] = "bel.wav";
            cut += withAction(row);
            ++walked;
        }
        // The next font command finds the sound picker on the drive's root
        // folder: the sound row's entries come after it and are fitted anew.
        shared.Acties[1] = {4, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        actionEditor().CommandPanelActie_Click(1);
        actionEditor().PanelActieBewerkGeluid->openFolder(home.path());
        actionEditor().CommandOKActie_Click();
        cut.removeDuplicates();
        return cut;
    };
    // The font command reaches the main window only: the other windows keep their design fonts.
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "English" : "Dutch");
        shared.TaalVlag = english;
        w.TaalAanpassenConActBeh();
        QStringList cut = walk();
        for (QWidget* window : std::initializer_list<QWidget*>{&dashboardWindow(), &settingsWindow(), &splashWindow()})
            cut += cutCaptions(window);
        EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
    }
    QFont chosen = w.CommandFont->font();  // the font the dialog proposes first
    Services chooser = InstalledServices::Current();
    chooser.fontDialog = [&chosen](const QFont&) { return FontChoice{chosen, QColor(Qt::black)}; };
    InstalledServices font{chooser};
    const QList<int> sizes = QFontDatabase::standardSizes();
    ASSERT_TRUE(sizes.front() <= 6 && sizes.back() >= 72);
    // Largest first: a caption shrunk at one size shows a smaller chosen one whole again.
    for (auto size = sizes.rbegin(); size != sizes.rend(); ++size) {
        chosen.setPointSize(*size);
        CommandFont_Click();
        // At the smallest size every caption fits: each control the font command reaches shows it.
        if (*size == sizes.front())
            for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
                if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b) ||
                    (qobject_cast<QPushButton*>(b) && b->property("WhatsThisHelpID").toInt() == 0)) {
                    EXPECT_EQ(b->font().pointSize(), *size) << nameOf(b);
                }
        // The sound picker's drive, folder and file lists too.
        if (*size == sizes.front())
            for (QWidget* list : w.findChildren<QWidget*>())
                if (qobject_cast<QComboBox*>(list) || qobject_cast<QListWidget*>(list)) {
                    EXPECT_EQ(list->font().pointSize(), *size) << nameOf(list);
                }
        // The language switched after the font command: the captions it changes fit too.
        for (const bool english : {false, true}) {
            SCOPED_TRACE(std::string(english ? "English, " : "Dutch, ") + std::to_string(*size) + " pt");
            shared.TaalVlag = english;
            w.TaalAanpassenConActBeh();
            const QStringList cut = walk();
            EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
        }
    }
    EXPECT_EQ(walked, 20 * 2 * (1 + sizes.size()));
}

// The card and port options show a port address whole, clear of the next
// option's circle, at every size the font dialog offers; a caption that
// fits keeps the font chosen, also a font chosen equal to a shrunk one.
TEST_F(CaptionFitTest, PortAddressesFitAtEveryFontSize) {
    Start();
    InputConditionPanel& input = *conditionEditor().PanelConditieBewerkIngang;
    OutputPanel& output = *actionEditor().PanelActieBewerkUitgang;
    QFont chosen = input.OptionKaartnummerAdresIn(0)->font();
    const Long address = widestIn(chosen, portAddresses()).toLong(nullptr, 16);
    shared.ParallellePoortAdressen = {address, address, address};
    Services chooser = InstalledServices::Current();
    chooser.fontDialog = [&chosen](const QFont&) { return FontChoice{chosen, QColor(Qt::black)}; };
    InstalledServices font{chooser};
    auto options = [](const OptionGroup& group) {
        QList<QWidget*> all;
        for (int j = 0; j <= 3; ++j) all.push_back(group(j));
        return all;
    };
    const QList<int> sizes = QFontDatabase::standardSizes();
    ASSERT_GE(sizes.back(), 72);
    for (int size : sizes) {
        SCOPED_TRACE(size);
        chosen.setPointSize(size);
        CommandFont_Click();
        shared.Condities[1] = {1, 10, 1, 0, 0, 0};  // a card number, whole at the sizes up to 9
        conditionEditor().CommandPanelConditie_Click(1);
        if (size <= 9) {
            EXPECT_EQ(input.OptionKaartnummerAdresIn(0)->font().pointSize(), size);
        }
        EXPECT_FALSE(input.OptionKaartnummerAdresIn(3)->isHidden());  // only ports give its room away
        conditionEditor().CommandOKConditie_Click();
        shared.Condities[1] = {1, 33, 1, 0, 0, 0};
        conditionEditor().CommandPanelConditie_Click(1);
        EXPECT_EQ(input.OptionKaartnummerAdresIn.caption(2), portAddressText(address));
        EXPECT_EQ(cutCaptions(&mainWindow(), options(input.OptionKaartnummerAdresIn)), QStringList{});
        conditionEditor().CommandOKConditie_Click();
        shared.Acties[1] = {1, 31, 1, 1, 0, 0, 0, 0, 0, 0};
        actionEditor().CommandPanelActie_Click(1);
        EXPECT_EQ(cutCaptions(&mainWindow(), options(output.OptionKaartnummerAdresUit)), QStringList{});
        // The font command while the options show the addresses.
        chosen.setPointSize(size + 1);
        CommandFont_Click();
        EXPECT_EQ(cutCaptions(&mainWindow(), options(output.OptionKaartnummerAdresUit)), QStringList{});
        actionEditor().CommandOKActie_Click();
    }
    // A size chosen equal to the one a port address was shrunk to stays
    // when a card number follows.
    chosen.setPointSize(20);
    CommandFont_Click();
    shared.Condities[1] = {1, 33, 1, 0, 0, 0};
    conditionEditor().CommandPanelConditie_Click(1);
    const qreal shrunk = input.OptionKaartnummerAdresIn(2)->font().pointSizeF();
    conditionEditor().CommandOKConditie_Click();
    ASSERT_LT(shrunk, 20);
    chosen.setPointSizeF(shrunk);
    CommandFont_Click();
    shared.Condities[1] = {1, 10, 1, 0, 0, 0};
    conditionEditor().CommandPanelConditie_Click(1);
    EXPECT_EQ(input.OptionKaartnummerAdresIn(2)->font().pointSizeF(), shrunk);
}

// The sound picker on a stick mounted at a long path, with a folder and a
// file whose names are too long for their lists at any size: they scroll
// there at the design size, and the drive box shows the stick's path by its
// start and end, whole on hover and in its opened list. A refill fits the
// lists anew (the drive list after the stick was plugged in), and a font
// chosen equal to the one a list was shrunk to stays after a refill.
TEST_F(CaptionFitTest, LongEntriesScrollOrShowTheirEnds) {
    const QString onStick = "media/someuser/AVERYLONGLABELNAME_FOR_A_USB_STICK/";
    const QString longName = "Een map met een naam die in geen enkele lijst past";
    const QString longFile = "een geluid met een naam die in geen enkele lijst past.wav";
    for (const QString& folder : {longName, QString("middel"), QString("kort")}) QDir(home.path()).mkpath(onStick + folder);
    home.write(onStick + longName + "/" + longFile, "RIFF");
    home.write(onStick + "middel/bel en zoemer.wav", "RIFF");
    home.write(onStick + "kort/a.wav", "RIFF");
    const QString stick = cleanFolder(home.file(onStick)), longFolder = cleanFolder(home.file(onStick + longName));
    SetMountedVolumes(QList<MountedVolume>{{"/", "/dev/sda1"}, {"/m", "/dev/sdb1"}});
    LadderProgrammeren& w = StartAndRemember();
    SoundPanel& sound = *actionEditor().PanelActieBewerkGeluid;
    const QList<QWidget*> lists{sound.Drive, sound.Map, sound.Bestand};
    chooseFont(14);
    shared.Acties[1] = {4, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    actionEditor().CommandPanelActie_Click(1);
    ASSERT_GT(sound.Drive->font().pointSizeF(), designSize(sound.Drive));

    // The stick is plugged in; the user goes there, to a file.
    SetMountedVolumes(QList<MountedVolume>{{"/", "/dev/sda1"}, {"/m", "/dev/sdb1"}, {stick, "/dev/sdc1"}});
    sound.chooseDrive(stick);
    sound.openFolder(longFolder);
    sound.clickFile(longFile);
    ASSERT_EQ(sound.drive(), stick);
    ASSERT_EQ(shared.GeluidBestanden[1], longFile);
    QStringList cut = cutCaptions(&w, lists);
    EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
    for (QListWidget* list : {sound.Map, sound.Bestand}) {
        EXPECT_EQ(list->font().pointSizeF(), designSize(list)) << nameOf(list);
        EXPECT_GT(list->horizontalScrollBar()->maximum(), 0) << nameOf(list);
    }
    EXPECT_NE(sound.Drive->shownText(), stick);
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), sound.Drive->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(sound.Drive, &hover);
    EXPECT_EQ(sound.Drive->toolTip(), stick);
    sound.Drive->showPopup();
    const QAbstractItemView* popup = sound.Drive->view();
    for (int i = 0; i < popup->model()->rowCount(); ++i)
        EXPECT_GE(popup->viewport()->width(), popup->sizeHintForIndex(popup->model()->index(i, 0)).width()) << i;
    sound.Drive->hidePopup();

    // A font chosen equal to the one the file list was shrunk to stays when
    // shorter names follow.
    chooseFont(36);
    sound.openFolder(stick + "/middel");
    const qreal shrunk = sound.Bestand->font().pointSizeF();
    ASSERT_TRUE(shrunk > designSize(sound.Bestand) && shrunk < 36) << shrunk;
    chooseFont(shrunk);
    sound.openFolder(stick + "/kort");
    EXPECT_EQ(sound.Bestand->font().pointSizeF(), shrunk);
    cut = cutCaptions(&w, lists);
    EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
}

}  // namespace
}  // namespace tamberlo::test
