// The print command as a user meets it: the details window (OK remembered,
// Cancel, Esc and the close box print nothing, the clear command empties
// it), the printer dialog's range, copies and order, the every-kind ladder
// printed to a PDF file or through a link to one, a failing printer or a
// full disk, and the copy of a picture to the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "CommandPrinten.h"
#include "CopyEntirePicture.h"
#include "DialogPrinten.h"
#include "EveryKindLadder.h"
#include "FakeDialogs.h"
#include "FileCommands.h"
#include "FileMode.h"
#include "FileSizeLimit.h"
#include "FullFileSystem.h"
#include "InstalledServices.h"
#include "LadderView.h"
#include "ProcessSetup.h"
#include "SharedState.h"

namespace tamberlo {
namespace {

const QString kOutput = QStringLiteral(TAMBERLO_PRINT_OUTPUT);

void ToPdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(path);
}

QString Output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString PageText(const QString& pdf, int page) {
    return Output("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        shared = SharedState{};
        ladderView = LadderView{};
        QDir().mkpath(kOutput);
        QFile::remove(pdf);
    }
    void TearDown() override { forgetPrintDetailsWindow(); }
    // Runs the print command; `user` acts on the details window once it is open.
    void Print(std::function<void(DialogPrinten&)> user) {
        QTimer::singleShot(0, [this, user] {
            DialogPrinten& d = printDetailsWindow();
            seen = {d.isVisible() ? d.TextNaam->text() : "not shown", d.TextAfdeling->text()};
            user(d);
        });
        CommandPrinten(&mainWindow);
        EXPECT_TRUE(mainWindow.isEnabled());
        EXPECT_FALSE(printDetailsWindow().isVisible());
    }

    QWidget mainWindow;
    QString pdf = kOutput + "/command.pdf";
    int printerDialogs = 0;
    bool printerAnswer = true;
    QStringList seen;  // the boxes as the window came up
    test::FakeDialogs messages;
    // The printer dialog prints to `pdf` and answers `printerAnswer`.
    test::InstalledServices installed{{.dialogs = &messages, .printerDialog = [this](QPrinter& p) {
                                           ++printerDialogs;
                                           ToPdf(p, pdf);
                                           return printerAnswer;
                                       }}};
};

TEST_F(PrintCommandTest, OkIsRememberedAndCancelPrintsNothing) {
    Print([](DialogPrinten& d) {
        d.TextNaam->setText("Jan");
        d.TextAfdeling->setText("4B");
        d.OKButton->click();
    });
    EXPECT_EQ(shared.PrintNaam, "Jan");
    EXPECT_EQ(shared.PrintAfdeling, "4B");
    EXPECT_TRUE(QFile::remove(pdf));

    // The next opening offers the last details; cancelling the printer dialog prints nothing.
    printerAnswer = false;
    Print([](DialogPrinten& d) { d.OKButton->click(); });
    EXPECT_EQ(seen, QStringList({"Jan", "4B"}));
    EXPECT_EQ(printerDialogs, 2);
    EXPECT_FALSE(QFile::exists(pdf));

    Print([](DialogPrinten& d) { d.CancelButton->click(); });
    EXPECT_EQ(shared.PrintNaam, "#");
    EXPECT_EQ(shared.PrintAfdeling, "#");

    // After a cancel the boxes come up empty, and the close box is Cancel too.
    Print([](DialogPrinten& d) {
        d.TextNaam->setText("Piet");
        d.close();
    });
    EXPECT_EQ(seen, QStringList({"", ""}));
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
        QTest::keyClick(d.TextNaam, Qt::Key_Escape);  // Esc is Cancel
    });
    EXPECT_EQ(seen, QStringList({"", ""}));
    EXPECT_EQ(shared.PrintNaam, "#");
    EXPECT_EQ(printerDialogs, 0);
}

TEST_F(PrintCommandTest, TheDialogOffersPagesThatExistAndThePrintHonoursThem) {
    shared.Condities[3 * 20] = {3, 2, 3, 0, 0, 0};  // key F3: the page of rungs 17..34
    shared.Condities[3 * 60] = {3, 1, 2, 0, 0, 0};  // memory: the page of rungs 53..70

    // The system's dialog offers a range within the three pages, and collating.
    QString offered;
    std::function<void()> answer = [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return QTimer::singleShot(10, answer);
        offered = QStringLiteral("%1-%2 range %3 collate %4")
                      .arg(dialog->minPage())
                      .arg(dialog->maxPage())
                      .arg(dialog->testOption(QAbstractPrintDialog::PrintPageRange))
                      .arg(dialog->testOption(QAbstractPrintDialog::PrintCollateCopies));
        dialog->reject();
    };
    {
        Services systemDialog = test::InstalledServices::Current();
        systemDialog.printerDialog = nullptr;
        test::InstalledServices installedSystemDialog{systemDialog};
        Print([&](DialogPrinten& d) {
            d.OKButton->click();
            answer();
        });
    }
    EXPECT_EQ(offered, "1-3 range 1 collate 1");

    // Pages 2 to 3, twice, last page first: a PDF file gets the copies itself.
    Services pagesDialog = test::InstalledServices::Current();
    pagesDialog.printerDialog = [this](QPrinter& p) {
        ToPdf(p, pdf);
        p.setFromTo(2, 3);
        p.setCopyCount(2);
        p.setPageOrder(QPrinter::LastPageFirst);
        return true;
    };
    test::InstalledServices installedPagesDialog{pagesDialog};
    Print([](DialogPrinten& d) { d.OKButton->click(); });
    ASSERT_TRUE(Output("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +4\n")));
    for (int page : {1, 3}) EXPECT_TRUE(PageText(pdf, page).contains("Geheugen")) << page;
    for (int page : {2, 4}) EXPECT_TRUE(PageText(pdf, page).contains("F3")) << page;
    EXPECT_FALSE(PageText(pdf, 1).contains("Init"));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(PrintCommandTest, EveryKindLadderPrintsToAPdfFile) {
    const LadderData every = test::EveryKind();
    shared.Condities = every.conditions;
    shared.Acties = every.actions;
    shared.GeluidMappen[6] = QString::fromStdString(every.soundFolders[6]);
    shared.GeluidBestanden[6] = QString::fromStdString(every.soundFiles[6]);
    shared.TaalVlag = true;
    shared.PrintNaam = "Jan";
    ladderView.fileDialogName = "/home/jan/every_kind.vpp";

    const QString path = kOutput + "/every_kind.pdf";  // kept for a person to look at
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, path);
    printer.setPageOrientation(QPageLayout::Portrait);  // the run turns it to landscape
    ASSERT_TRUE(PrintLadder(printer));

    EXPECT_TRUE(Output("pdfinfo", {path}).contains(QRegularExpression("Pages: +2\n")));  // page 1, rungs 89..90
    const QString text = Output("pdftotext", {"-layout", path, "-"});
    for (const char* expected : {"Programmer: Jan", "Program name: every_kind.vpp", "Brask ember usb 0", "bel.wav/h"})
        EXPECT_TRUE(text.contains(expected)) << expected;
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(PrintCommandTest, APrintFileThatCannotBeMadeIsReportedWithTheReason) {
    shared.TaalVlag = true;
    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, kOutput + "/no such folder/x.pdf");
    EXPECT_FALSE(PrintLadder(printer));
    EXPECT_EQ(messages.messages, QStringList{"The ladder program could not be printed.\nThe file or its folder does not exist."});

    test::FullFileSystem readOnly;
    if (!readOnly.MakeReadOnly()) return;  // only where a file system of its own can be mounted
    shared.TaalVlag = false;
    ToPdf(printer, readOnly.file("les.pdf"));
    EXPECT_FALSE(PrintLadder(printer));
    EXPECT_EQ(messages.messages.last(), "Het ladderprogramma kon niet afgedrukt worden.\nHet bestandssysteem is alleen-lezen.");
}

TEST_F(PrintCommandTest, AFullDiskLeavesNoBrokenFileAndSaysSo) {
    const QString folder = kOutput + "/full disk";
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString path = folder + "/les.pdf";
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("an earlier print") > 0);
    old.close();

    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, path);
    QStringList whileShown;  // the folder as the user reads the message
    messages.whileMessageShown = [&] { whileShown = QDir(folder).entryList(QDir::Files | QDir::Hidden); };
    {
        SetUpProcess();                        // as the program starts: the limit fails the write instead of ending the process
        const test::FileSizeLimit full(4096);  // far less than a page with its font
        EXPECT_FALSE(PrintLadder(printer));
    }
    EXPECT_EQ(messages.messages,
              QStringList{"Het ladderprogramma kon niet afgedrukt worden.\nHet afdrukbestand kon niet volledig "
                          "geschreven worden: de schijf is vol of het bestand wordt te groot."});
    EXPECT_EQ(whileShown, QStringList{"les.pdf"});
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "an earlier print");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"les.pdf"});
    EXPECT_EQ(printer.outputFileName(), path);

    // With room enough the same printer replaces the earlier print.
    EXPECT_TRUE(PrintLadder(printer));
    EXPECT_TRUE(Output("pdfinfo", {path}).contains(QRegularExpression("Pages: +1\n")));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"les.pdf"});
}

TEST_F(PrintCommandTest, APrintOntoALinkReplacesTheFileItNames) {
    // A chain of two links to a file only its owner and group may read,
    // whose name is as long as a name can be (255 bytes).
    const QString folder = kOutput + "/link";
    const QString name = QString(251, 'p') + ".pdf";
    QDir(folder).removeRecursively();
    QDir().mkpath(folder + "/prints");
    QFile old(folder + "/prints/" + name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("an earlier print") > 0);
    old.close();
    ASSERT_TRUE(test::SetFileMode(old.fileName(), 0640));
    ASSERT_TRUE(QFile::link(name, folder + "/prints/laatste.pdf"));
    ASSERT_TRUE(QFile::link("prints/laatste.pdf", folder + "/les.pdf"));

    QPrinter printer(QPrinter::HighResolution);
    ToPdf(printer, folder + "/les.pdf");
    ASSERT_TRUE(PrintLadder(printer));
    EXPECT_TRUE(QFileInfo(folder + "/les.pdf").isSymLink());
    EXPECT_TRUE(QFileInfo(folder + "/prints/laatste.pdf").isSymLink());
    EXPECT_TRUE(Output("pdfinfo", {old.fileName()}).contains(QRegularExpression("Pages: +1\n")));
    EXPECT_EQ(test::FileMode(old.fileName()), 0640u);
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
    ASSERT_TRUE(clipboard->mimeData()->hasImage());
    EXPECT_FALSE(clipboard->mimeData()->hasText());
    EXPECT_EQ(clipboard->image().size(), QSize(300, 150));
    EXPECT_EQ(clipboard->image().pixelColor(150, 75), QColor(Qt::red));

    CopyEntirePicture(picture, 1000, 20);  // taller than the picture itself
    EXPECT_EQ(clipboard->image().size(), QSize(300, 200));
}

}  // namespace
}  // namespace tamberlo
