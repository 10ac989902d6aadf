// The forms layer: colour values, twips, 3-D panel, code-raised clicks,
// shrink-to-fit, yielding waits with the ending state,
// windows shown over a disabled main window, the program end, and picture
// loading.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "ControlArray.h"
#include "Dialogs.h"
#include "FifoWatchdog.h"
#include "FormWindow.h"
#include "Panel3D.h"
#include "Picture.h"
#include "ProgramEnd.h"
#include "RaiseClick.h"
#include "Shapes.h"
#include "ShrinkToFit.h"
#include "TempHome.h"
#include "Twips.h"
#include "VbColor.h"
#include "Yielding.h"

using namespace tamberlo;

TEST(Forms, ColourValuesHaveRedInTheLowByte) {
    EXPECT_EQ(VbToQColor(0x8080FF), QColor(0xFF, 0x80, 0x80));  // light red
    EXPECT_EQ(VbToQColor(0xFFC0C0), QColor(0xC0, 0xC0, 0xFF));  // light blue
    EXPECT_EQ(VbToQColor(0xC000), QColor(0, 0xC0, 0));
    EXPECT_EQ(VbToQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(QColorToVb(QColor(0x80, 0xFF, 0x80)), 0x80FF80u);
    // A system colour follows the palette instead of being read as bytes.
    EXPECT_EQ(VbToQColor(0x80000012), QApplication::palette().color(QPalette::ButtonText));
}

TEST(Forms, TwipsAreFifteenPerPixel) {
    EXPECT_EQ(TwipsToPixels(5895), 393);
    EXPECT_EQ(TwipsToPixels(18105), 1207);
    EXPECT_EQ(PixelsToTwips(100), 1500);
}

TEST(Forms, ControlArrayKeepsTheProgramsIndexes) {
    QWidget a, b;
    ControlArray<QWidget> arr(1, 3);
    arr.set(1, &a);
    arr.set(3, &b);
    EXPECT_EQ(arr(1), &a);
    EXPECT_EQ(arr(2), nullptr);
    EXPECT_EQ(arr(3), &b);
    EXPECT_EQ(arr(0), nullptr);
    EXPECT_EQ(arr(4), nullptr);
    arr.set(5, &a);
    EXPECT_EQ(arr.upper(), 5);
}

TEST(Forms, PanelFloodPercentStaysWithinTheGauge) {
    Panel3D p("x");
    p.SetFloodType(Panel3D::Flood::LeftToRight);
    p.SetFloodPercent(150);
    EXPECT_EQ(p.FloodPercent(), 100);
    p.SetFloodPercent(-3);
    EXPECT_EQ(p.FloodPercent(), 0);
    p.SetFloodPercent(std::nan(""));
    EXPECT_EQ(p.FloodPercent(), 0);
    p.SetFloodPercent(42.5);
    EXPECT_EQ(p.FloodPercent(), 42.5);
    p.resize(100, 20);
    QImage img = p.grab().toImage();  // paints without failing
    EXPECT_FALSE(img.isNull());
}

TEST(Forms, LampFillStyle) {
    QWidget parent;
    LampShape lamp(LampShape::Kind::Circle, &parent);
    lamp.SetFillColor(0xFF);
    lamp.SetFillStyle(0);
    lamp.resize(12, 12);
    QImage lit = lamp.grab().toImage();
    EXPECT_EQ(lit.pixelColor(6, 6), QColor(255, 0, 0));
    lamp.SetFillStyle(1);
    QImage dark = lamp.grab().toImage();
    EXPECT_NE(dark.pixelColor(6, 6), QColor(255, 0, 0));
    EXPECT_TRUE(lamp.testAttribute(Qt::WA_TransparentForMouseEvents));
}

// The largest size that fits, found to the half point (the pixel), never
// below the smallest legible size; a font that fits stays as it was.
TEST(Forms, ShrinkToFitFindsTheLargestSizeThatFits) {
    QFont points;
    points.setPointSizeF(12);
    QFont pixels;
    pixels.setPixelSize(20);
    const struct {
        QFont wanted;
        qreal largestFitting;  // in the font's unit
        qreal shown;
    } rows[] = {{points, 12, 12}, {points, 9.5, 9.5}, {points, 9.7, 9.5}, {points, 11.5, 11.5},
                {points, 1, 4},   {pixels, 13, 13},   {pixels, 19, 19},   {pixels, 2, 5}};
    for (const auto& row : rows) {
        const bool inPoints = row.wanted.pointSizeF() > 0;
        auto size = [inPoints](const QFont& f) { return inPoints ? f.pointSizeF() : qreal(f.pixelSize()); };
        const QFont shown = ShrinkToFit(row.wanted, [&](const QFont& f) { return size(f) <= row.largestFitting; });
        EXPECT_EQ(size(shown), row.shown) << size(row.wanted) << " fitting up to " << row.largestFitting;
    }
}

TEST(Forms, CodeRaisedClicksRunTheClickHandler) {
    QCheckBox box;
    int boxClicks = 0;
    QObject::connect(&box, &QCheckBox::clicked, [&] { ++boxClicks; });
    SetCheckValue(box, true);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(boxClicks, 1);
    SetCheckValue(box, true);  // unchanged value: no click
    EXPECT_EQ(boxClicks, 1);
    box.setChecked(false);  // Qt's own setter raises nothing
    EXPECT_EQ(boxClicks, 1);

    QRadioButton opt;
    int optClicks = 0;
    QObject::connect(&opt, &QRadioButton::clicked, [&] { ++optClicks; });
    SelectOption(opt);
    SelectOption(opt);
    EXPECT_TRUE(opt.isChecked());
    EXPECT_EQ(optClicks, 2);

    QComboBox list;
    list.addItems({"3", "4", "7"});
    list.setCurrentIndex(-1);
    std::vector<int> chosen;
    QObject::connect(&list, &QComboBox::activated, [&](int i) { chosen.push_back(i); });
    SetListIndex(list, 0);
    SetListIndex(list, 0);
    SetListIndex(list, 9);  // out of range: ignored
    SetListIndex(list, 2);
    EXPECT_EQ(chosen, (std::vector<int>{0, 2}));

    QListWidget lw;
    lw.addItems({"a", "b"});
    int lwClicks = 0;
    QObject::connect(&lw, &QListWidget::itemClicked, [&] { ++lwClicks; });
    SetListIndex(lw, 1);
    EXPECT_EQ(lwClicks, 1);

    QPushButton b;
    int bClicks = 0;
    QObject::connect(&b, &QPushButton::clicked, [&] { ++bClicks; });
    RaiseClick(b);
    EXPECT_EQ(bClicks, 1);
}

TEST(Forms, WaitHandlesEventsAndStopsWhenEnding) {
    // Events are delivered inside a wait.
    bool ticked = false;
    QTimer::singleShot(0, [&] { ticked = true; });
    WaitWhile([&] { return !ticked; });
    EXPECT_TRUE(ticked);

    // The ending state ends a long wait at once.
    QTimer::singleShot(0, [] { SetAppEnding(true); });
    QElapsedTimer t;
    t.start();
    WaitSeconds(60);
    EXPECT_LT(t.elapsed(), 30000);  // far below the minute asked for
    EXPECT_TRUE(AppEnding());
    bool ran = false;
    WaitWhile([&] {
        ran = true;
        return true;
    });  // returns without looping
    SetAppEnding(false);

    // Tests can replace the waiting.
    std::vector<double> waits;
    SetWaitHook([&](double s) { waits.push_back(s); });
    WaitSeconds(0.5);
    WaitSeconds(2);
    SetWaitHook(nullptr);
    EXPECT_EQ(waits, (std::vector<double>{0.5, 2}));
}

TEST(Forms, ACommandForOutsideTheYieldsWaitsForTheOutermostOne) {
    // Posted from inside two nested yields: it runs only after both returned,
    // and a yield in between does not run it.
    std::vector<std::string> order;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(YieldDepth(), 1);
        PostOutsideYields([&] {
            EXPECT_EQ(YieldDepth(), 0);
            order.push_back("command");
        });
        QTimer::singleShot(0, [&] { order.push_back("inner yield"); });
        Yield();
        order.push_back("handler returns");
    });
    Yield();
    order.push_back("outer yield returned");
    EXPECT_EQ(YieldDepth(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(order, (std::vector<std::string>{"inner yield", "handler returns", "outer yield returned", "command"}));
}

// The icon asked for, and the text as given: a quoted "<b>" is no markup.
TEST(Forms, MessageBoxShowsTheIconAskedFor) {
    std::vector<QMessageBox::Icon> icons;
    std::vector<Qt::TextFormat> formats;
    auto answer = [&] {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            icons.push_back(box->icon());
            formats.push_back(box->textFormat());
            box->accept();
        });
    };
    answer();
    dialogs().MsgBoxWithIcon(QStringLiteral("Onbekend gegevensformaat: "), MsgButtons::Ok, QStringLiteral("Fout"),
                             MsgIcon::Critical);
    answer();
    dialogs().MsgBox(QStringLiteral("The network address \"<b>pc</b>,1\" has characters"), MsgButtons::Ok);
    EXPECT_EQ(icons, (std::vector<QMessageBox::Icon>{QMessageBox::Critical, QMessageBox::NoIcon}));
    EXPECT_EQ(formats, (std::vector<Qt::TextFormat>{Qt::PlainText, Qt::PlainText}));
}

TEST(Forms, DialogsBreakTheProgramsLinesWhereItJoinedThem) {
    // The program joins lines with a carriage return; the boxes show them one a line.
    const QString text = QStringLiteral("Handmatig invoeren Poort nummer.\r\rDe andere computer\r\nServer");
    const QStringList shown = {"Handmatig invoeren Poort nummer.", "", "De andere computer", "Server"};
    std::vector<QStringList> lines;
    auto answer = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            for (auto* label : box->findChildren<QLabel*>())
                if (label->text().startsWith("Handmatig")) lines.push_back(label->text().split('\n'));
            box->close();
        });
    };
    answer();
    dialogs().InputBox(text, QString(), QString());
    answer();
    dialogs().MsgBox(text, MsgButtons::Ok);
    EXPECT_EQ(lines, (std::vector<QStringList>{shown, shown}));
}

TEST(Forms, ShownOverTheMainWindowEveryWayBackEnablesIt) {
    QWidget main;
    main.show();
    FormWindow w;
    w.resize(100, 80);

    w.ShowOver(&main);
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isEnabled());  // not a child: stays usable
    w.close();                   // close box
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(main.isEnabled());

    w.ShowOver(&main);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&w, &esc);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(main.isEnabled());

    w.ShowOver(&main);
    w.GoBack();  // what OK/Cancel call
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(main.isEnabled());
}

TEST(Forms, ProgramEndRunsItsStepsLastFirstThenEnds) {
    std::vector<std::string> seen;
    OnProgramEnd([&] { seen.push_back("first"); });
    OnProgramEnd([&] { seen.push_back("second"); });
    SetProcessEnder([&] { seen.push_back("end"); });
    EndProgram();
    SetProcessEnder(nullptr);
    EXPECT_TRUE(AppEnding());
    SetAppEnding(false);
    EXPECT_EQ(seen, (std::vector<std::string>{"second", "first", "end"}));
}

TEST(Forms, APictureIsLoadedOnlyFromARegularFile) {
    test::TempHome home;
    ASSERT_TRUE(QDir(home.path()).mkdir("Afbeeldingen"));
    QImage red(3, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(home.file("Afbeeldingen/Rood.bmp"), "BMP"));
    const QPixmap loaded = LoadPicture("Rood.bmp");
    EXPECT_EQ(loaded.size(), QSize(3, 2));
    EXPECT_EQ(loaded.toImage().pixelColor(1, 1), QColor(Qt::red));

    // Neither a FIFO (its open would wait for a writer for good) nor a
    // device without an end stops the start: each gives an empty picture.
    const test::FifoWatchdog fifo(home.file("Afbeeldingen/Logo.bmp"));
    ASSERT_TRUE(fifo.Made());
    ASSERT_TRUE(QFile::link("/dev/zero", home.file("Afbeeldingen/Nul.bmp")));
    for (const char* name : {"Logo.bmp", "Nul.bmp", "BtnWissen.bmp", ""}) EXPECT_TRUE(LoadPicture(name).isNull()) << name;
    EXPECT_FALSE(fifo.Fired());
}
