// The print command as a user meets it: the details window (OK remembered,
// Cancel and the close box print nothing, the clear command empties it), the
// every-kind ladder printed to a PDF file, a failing printer, and the copy of
// a picture to the clipboard.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include "CommandPrinten.h"
#include "CopyEntirePicture.h"
#include "DialogPrinten.h"
#include "EveryKindLadder.h"
#include "FakeDialogs.h"
#include "FileCommands.h"
#include "LadderView.h"
#include "SharedState.h"

namespace tamberlo {
namespace {

const QString kOutputFolder = QStringLiteral(TAMBERLO_PRINT_OUTPUT);

void PrintToFile(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(path);
}

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
        QDir().mkpath(kOutputFolder);
        pdf = kOutputFolder + "/command.pdf";
        QFile::remove(pdf);
        SetPrinterDialog([this](QPrinter& p) {
            ++printerDialogs;
            PrintToFile(p, pdf);
            return printerAnswer;
        });
    }
    void TearDown() override {
        SetPrinterDialog(nullptr);
        ForgetDialogPrinten();
    }
    // Runs the print command; `user` acts on the details window once it is open.
    void Print(std::function<void(DialogPrinten&)> user) {
        QTimer::singleShot(0, [user] {
            DialogPrinten& d = DialogPrintenVenster();
            ASSERT_TRUE(d.isVisible());
            seenName = d.TextNaam->text();
            seenDepartment = d.TextAfdeling->text();
            user(d);
        });
        CommandPrinten(&mainWindow);
        EXPECT_TRUE(mainWindow.isEnabled());
        EXPECT_FALSE(DialogPrintenVenster().isVisible());
    }

    QWidget mainWindow;
    QString pdf;
    int printerDialogs = 0;
    bool printerAnswer = true;
    test::FakeDialogs messages;
    static inline QString seenName, seenDepartment;
};

TEST_F(PrintCommandTest, OkIsRememberedAndCancelPrintsNothing) {
    Print([](DialogPrinten& d) {
        d.TextNaam->setText("Jan");
        d.TextAfdeling->setText("4B");
        d.OKButton->click();
    });
    EXPECT_EQ(shared.PrintNaam, "Jan");
    EXPECT_EQ(shared.PrintAfdeling, "4B");
    EXPECT_EQ(printerDialogs, 1);
    EXPECT_TRUE(QFile::exists(pdf));
    QFile::remove(pdf);

    // The next opening offers the last details; the printer dialog's cancel prints nothing.
    printerAnswer = false;
    Print([](DialogPrinten& d) { d.OKButton->click(); });
    EXPECT_EQ(seenName, "Jan");
    EXPECT_EQ(seenDepartment, "4B");
    EXPECT_EQ(printerDialogs, 2);
    EXPECT_FALSE(QFile::exists(pdf));

    Print([](DialogPrinten& d) { d.CancelButton->click(); });
    EXPECT_EQ(shared.PrintNaam, "#");
    EXPECT_EQ(shared.PrintAfdeling, "#");
    EXPECT_EQ(printerDialogs, 2);

    // After a cancel the boxes come up empty, and the close box is Cancel too.
    Print([](DialogPrinten& d) {
        d.TextNaam->setText("Piet");
        d.close();
    });
    EXPECT_TRUE(seenName.isEmpty());
    EXPECT_EQ(shared.PrintNaam, "#");
    EXPECT_EQ(printerDialogs, 2);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(PrintCommandTest, ClearingTheLadderEmptiesTheDetails) {
    shared.PrintNaam = "Jan";
    shared.PrintAfdeling = "4B";
    CommandWissen();  // the fake answers its question with OK
    Print([](DialogPrinten& d) {
        EXPECT_EQ(d.CancelButton->text(), "Annuleer");
        d.CancelButton->click();
    });
    EXPECT_TRUE(seenName.isEmpty());
    EXPECT_TRUE(seenDepartment.isEmpty());
}

int PdfPages(const QString& path) {
    QProcess info;
    info.start("pdfinfo", {path});
    if (!info.waitForFinished(30000)) return -1;
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

QString PdfText(const QString& path) {
    QProcess text;
    text.start("pdftotext", {"-layout", path, "-"});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

TEST_F(PrintCommandTest, EveryKindLadderPrintsToAPdfFile) {
    const LadderData every = test::EveryKind();
    shared.Condities = every.condities;
    shared.Acties = every.acties;
    for (int r = 0; r <= kRungs; ++r) {
        shared.GeluidMappen[std::size_t(r)] = QString::fromStdString(every.geluidMappen[std::size_t(r)]);
        shared.GeluidBestanden[std::size_t(r)] = QString::fromStdString(every.geluidBestanden[std::size_t(r)]);
    }
    shared.TaalVlag = true;
    shared.PrintNaam = "Jan";
    shared.PrintAfdeling = "4B";
    ladderView.fileDialogName = "/home/jan/every_kind.vpp";

    const QString path = kOutputFolder + "/every_kind.pdf";  // kept for a person to look at
    QFile::remove(path);
    QPrinter printer(QPrinter::HighResolution);
    PrintToFile(printer, path);
    printer.setPageOrientation(QPageLayout::Portrait);  // the run turns it to landscape
    ASSERT_TRUE(PrintLadder(printer));

    EXPECT_EQ(PdfPages(path), 2);  // page 1, and the page of rungs 89 and 90
    const QString text = PdfText(path);
    for (const char* expected : {"Programmer: Jan", "Program name: every_kind.vpp", "Velleman card nr: 0",
                                 "Brask ember usb 0", "Brask Ember USB3", "bel.wav/h", "Parallel. Port Nr. 378"})
        EXPECT_TRUE(text.contains(expected)) << expected;
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(PrintCommandTest, APrinterFailureIsReportedNotSuccess) {
    shared.TaalVlag = true;
    QPrinter printer(QPrinter::HighResolution);
    PrintToFile(printer, kOutputFolder + "/no such folder/x.pdf");
    EXPECT_FALSE(PrintLadder(printer));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0], "The ladder program could not be printed.");
}

TEST(CopyEntirePicture, CopiesOnePictureClampedToItsHeight) {
    QWidget picture;
    picture.resize(300, 200);
    picture.setStyleSheet("background: red");
    picture.setAttribute(Qt::WA_StyledBackground);
    QClipboard* clipboard = QGuiApplication::clipboard();

    clipboard->setText("kept");
    CopyEntirePicture(picture, 100, 20);  // 100 - 20 - 80 = 0: nothing
    EXPECT_EQ(clipboard->text(), "kept");

    CopyEntirePicture(picture, 250, 20);
    const QMimeData* data = clipboard->mimeData();
    ASSERT_TRUE(data->hasImage());
    EXPECT_FALSE(data->hasText());
    QImage image = clipboard->image();
    EXPECT_EQ(image.size(), QSize(300, 150));
    EXPECT_EQ(image.pixelColor(150, 75), QColor(Qt::red));

    CopyEntirePicture(picture, 1000, 20);  // taller than the picture itself
    EXPECT_EQ(clipboard->image().size(), QSize(300, 200));
}

}  // namespace
}  // namespace tamberlo
