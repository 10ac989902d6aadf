// Kelvanor.ini and the COM port lists: normalising, the search table, the
// profile-file semantics, and writing back at creation and destruction (a
// change the file does not take is reported).

#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QStringConverter>
#include <QTimer>

#include "AboutDlg.h"
#include "ControlTest.h"
#include "DebugWin.h"
#include "Ini.h"
#include "IniText.h"
#include "KelvanorCtrl.h"
#include "PortList.h"
#include "Trace.h"

namespace kelvanor::test {
namespace {

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(PortListTest, NormalisesItemsInTheirOrder) {
    EXPECT_EQ(NormalisePortList(QStringLiteral("1-4, 12, 14")), QStringLiteral("1-4,12,14"));
    EXPECT_EQ(NormalisePortList(QStringLiteral("7-3")), QStringLiteral("3-7"));
    EXPECT_EQ(NormalisePortList(QStringLiteral("-5")), QStringLiteral("5"));
    EXPECT_EQ(NormalisePortList(QStringLiteral("5-")), QStringLiteral("5"));
    EXPECT_EQ(NormalisePortList(QStringLiteral("x, 2")), QStringLiteral("2"));
    EXPECT_EQ(NormalisePortList(QStringLiteral("  9 - 9 ,,0, a-b ")), QStringLiteral("9"));
    EXPECT_EQ(NormalisePortList(QString()), QString());
    EXPECT_EQ(NormalisePortList(QStringLiteral("1-255")), QStringLiteral("1-255"));
}

TEST(PortListTest, ParsesRanges) {
    const PortRange r = ParsePortRange(QStringLiteral(" 12 - 3 "));
    EXPECT_TRUE(r.valid);
    EXPECT_EQ(r.low, 3u);
    EXPECT_EQ(r.high, 12u);
    EXPECT_FALSE(ParsePortRange(QStringLiteral("0")).valid);
    EXPECT_FALSE(ParsePortRange(QStringLiteral("-")).valid);
}

TEST(PortListTest, BuildsTheSearchTable) {
    BuildComSearchTable(QStringLiteral("1-255"), QStringLiteral("1-2"), true);
    const ComTable& t = ComSearchTable();
    EXPECT_FALSE(t[1]);
    EXPECT_FALSE(t[2]);
    for (int n = 3; n <= 255; ++n) ASSERT_TRUE(t[static_cast<std::size_t>(n)]) << n;
    BuildComSearchTable(QStringLiteral("4, 250-300, 1000"), QString(), true);  // beyond 255: ignored
    EXPECT_TRUE(t[4]);
    EXPECT_TRUE(t[255]);
    EXPECT_FALSE(t[5]);
    BuildComSearchTable(QStringLiteral("1-255"), QString(), false);
    for (int n = 1; n <= 255; ++n) ASSERT_FALSE(t[static_cast<std::size_t>(n)]) << n;
}

using SettingsTest = ControlTest;

TEST_F(SettingsTest, ProfileFileSemantics) {
    const QString path = iniPath() + QStringLiteral(".test");
    writeAll(path, "; kept\r\n[portsettings]\r\nuseusb = \"no\"\r\nOther=1\r\n\r\n[Debug]\r\nShowAtStartup=on\r\n");
    CIni ini(path);
    EXPECT_FALSE(ini.GetBool(QStringLiteral("PortSettings"), QStringLiteral("UseUSB"), true));
    EXPECT_TRUE(ini.GetBool(QStringLiteral("Debug"), QStringLiteral("ShowAtStartup"), false));
    EXPECT_TRUE(ini.GetBool(QStringLiteral("PortSettings"), QStringLiteral("UseSerial"), true));  // missing: default
    EXPECT_EQ(ini.GetString(QStringLiteral("PortSettings"), QStringLiteral("SearchCOM"), QStringLiteral("1-255")),
              QStringLiteral("1-255"));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("PortSettings"), QStringLiteral("UseUSB"), QStringLiteral("Y")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("PortSettings"), QStringLiteral("SearchCOM"), QStringLiteral("3")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("New"), QStringLiteral("Key"), QStringLiteral("v")));
    EXPECT_EQ(readAll(path), QStringLiteral("; kept\r\n[portsettings]\r\nUseUSB=Y\r\nOther=1\r\nSearchCOM=3\r\n\r\n[Debug]\r\n"
                                            "ShowAtStartup=on\r\n[New]\r\nKey=v\r\n"));
    // An empty value gives the default.
    ASSERT_TRUE(ini.WriteString(QStringLiteral("PortSettings"), QStringLiteral("UseUSB"), QString()));
    EXPECT_TRUE(ini.GetBool(QStringLiteral("PortSettings"), QStringLiteral("UseUSB"), true));
    CIni none;
    EXPECT_EQ(none.GetString(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("d")), QString());
    EXPECT_FALSE(none.WriteString(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("v")));
}

TEST_F(SettingsTest, ARewriteKeepsLinesTheControlDoesNotOwnByteForByte) {
    // Foreign lines with bytes that are no UTF-8, and LF line ends only.
    const QByteArray foreign = "; K\xe9lvanor \xff\xfe\n[Other]\nName=\x80\x81\n\n[PortSettings]\nUseUSB=N\n";
    writeAll(iniPath(), foreign + "Extra=\xc3\n");
    { CKelvanorCtrl ctrl; }
    QFile f(iniPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray after = f.readAll();
    EXPECT_TRUE(after.startsWith(foreign)) << after.toStdString();
    EXPECT_TRUE(after.contains("\nExtra=\xc3\nUseSerial=Y\nSearchCOM=1-255\nExcludeCOM=\n")) << after.toStdString();
    EXPECT_TRUE(after.endsWith("\n[Debug]\nShowAtStartup=N\n")) << after.toStdString();
    EXPECT_FALSE(after.contains('\r'));
    EXPECT_FALSE(after.contains("\xef\xbf\xbd"));  // U+FFFD
}

TEST_F(SettingsTest, EveryFormOfTheFileIsReadAndWrittenInItsOwnForm) {
    const struct {
        const char* name;
        QByteArray mark;
        std::optional<QStringConverter::Encoding> utf16;
        QString end;
    } forms[] = {{"UTF-8 mark", "\xEF\xBB\xBF", {}, QStringLiteral("\r\n")},
                 {"lone CR", "", {}, QStringLiteral("\r")},
                 {"UTF-8 mark, lone CR", "\xEF\xBB\xBF", {}, QStringLiteral("\r")},
                 {"UTF-16 LE", "\xFF\xFE", QStringConverter::Utf16LE, QStringLiteral("\r\n")},
                 {"UTF-16 BE, LF", "\xFE\xFF", QStringConverter::Utf16BE, QStringLiteral("\n")}};
    for (const auto& form : forms) {
        auto bytes = [&form](const QStringList& lines) {
            const QString text = lines.join(form.end);
            return form.mark + (form.utf16 ? QByteArray(QStringEncoder(*form.utf16)(text)) : text.toUtf8());
        };
        const QString foreign = QStringLiteral("; Kelvanor \u00e9 \u2603 \U0001F600");
        writeAll(iniPath(), bytes({foreign, "[PortSettings]", "UseUSB=N", "UseSerial=N", "SearchCOM=5-3, 9", "[Debug]",
                                   "ShowAtStartup=N", ""}));
        {
            CKelvanorCtrl ctrl;
            EXPECT_FALSE(ctrl.settings.UseUSB) << form.name;
            EXPECT_FALSE(ctrl.settings.UseSerial) << form.name;
            EXPECT_EQ(ctrl.settings.SearchCOM, QStringLiteral("3-5,9")) << form.name;
        }
        // One value set in its line, one missing added with the file's line end.
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), bytes({foreign, "[PortSettings]", "UseUSB=N", "UseSerial=N", "SearchCOM=3-5,9",
                                      "ExcludeCOM=", "[Debug]", "ShowAtStartup=N", ""}))
            << form.name;
    }
    // UTF-16 cut short by a byte: read, but not written (no telling where the
    // stray byte belongs).
    const QByteArray cut =
        "\xFF\xFE" + QByteArray(QStringEncoder(QStringConverter::Utf16LE)(u"[PortSettings]\r\nUseUSB=N")) + 'x';
    writeAll(iniPath(), cut);
    {
        CKelvanorCtrl ctrl;
        EXPECT_FALSE(ctrl.settings.UseUSB);
    }
    QFile f(iniPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), cut);
}

TEST_F(SettingsTest, ChangedSettingsTheFileDoesNotTakeAreReported) {
    const QString text = QStringLiteral("[PortSettings]\r\nUseUSB=N\r\nSearchCOM=2-9\r\nExcludeCOM=3\r\n");
    auto le = [](const QString& s) { return QByteArray(QStringEncoder(QStringConverter::Utf16LE)(s)); };
    auto be = [](const QString& s) { return QByteArray(QStringEncoder(QStringConverter::Utf16BE)(s)); };
    // Characters beyond Latin-1 hold no NUL byte: not every unit has one.
    const QString wide = QStringLiteral("; \u03A9 \u20AC\r\n") + text;
    // Comments in a script beyond Latin: fewer than half the units hold a NUL.
    const QString greek =
        QStringLiteral("; ") + QStringLiteral("\u0391\u03B2\u03B3\u03B4\u03B5 ").repeated(25) + QStringLiteral("\r\n") + text;
    const QString chinese =
        QStringLiteral("; ") + QStringLiteral("\u8BBE\u7F6E\u8BF4\u660E ").repeated(25) + QStringLiteral("\r\n") + text;
    const QString unmarked = QStringLiteral("Die Datei ist UTF-16-Text ohne Byte Order Mark (BOM).");
    const struct {
        const char* name;
        QByteArray bytes;
        QString reason;
    } files[] = {{"UTF-16 cut short", "\xFF\xFE" + le(text) + 'x',
                  QStringLiteral("Die Datei ist UTF-16-Text mit einer ungeraden Anzahl Bytes.")},
                 {"UTF-16 LE without mark", le(text), unmarked},
                 {"UTF-16 BE without mark", be(text), unmarked},
                 {"UTF-16 LE without mark, beyond Latin-1", le(wide), unmarked},
                 {"UTF-16 BE without mark, beyond Latin-1", be(wide), unmarked},
                 {"UTF-16 LE without mark, Greek", le(greek), unmarked},
                 {"UTF-16 BE without mark, Greek", be(greek), unmarked},
                 {"UTF-16 LE without mark, Chinese", le(chinese), unmarked},
                 // A NUL that is no UTF-16: 8-bit text with it written back
                 // could read as UTF-16.
                 {"8-bit with a NUL within", QByteArray("; a\0b\r\n", 7) + text.toUtf8(),
                  QStringLiteral("Die Datei enthält NUL-Bytes mitten im Text.")}};
    const QString said = QStringLiteral("Die Einstellungen konnten nicht in %1 gespeichert werden:\n").arg(iniPath());
    for (const auto& file : files) {
        writeAll(iniPath(), file.bytes);
        messages.clear();
        captions.clear();
        {
            CKelvanorCtrl ctrl;
            EXPECT_FALSE(ctrl.settings.UseUSB) << file.name;  // read in its own form
            EXPECT_EQ(ctrl.settings.SearchCOM, QStringLiteral("2-9")) << file.name;
            EXPECT_EQ(ctrl.settings.ExcludeCOM, QStringLiteral("3")) << file.name;
            ctrl.settings.SearchCOM = QStringLiteral("7");
            ctrl.SetModifiedFlag();
            EXPECT_TRUE(messages.isEmpty()) << file.name;  // the write at creation changed nothing the user chose
        }
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), file.bytes) << file.name;
        EXPECT_EQ(messages, QStringList{said + file.reason}) << file.name;
        EXPECT_EQ(captions, QStringList{ControlCaption()});
    }

    // A file that cannot be written, root or not: its folder has become a file.
    messages.clear();
    {
        CKelvanorCtrl ctrl;
        const QString folder = QFileInfo(iniPath()).absolutePath();
        ASSERT_TRUE(QDir(folder).removeRecursively());
        writeAll(folder, "no folder");
        ctrl.SetModifiedFlag();
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(said)) << messages[0].toStdString();
    EXPECT_GT(messages[0].size(), said.size()) << messages[0].toStdString();  // and why
}

TEST_F(SettingsTest, NulBytesAnInterruptedWriteLeftAfterTheTextAreNoText) {
    // An odd number of bytes before them: the first NUL shares a unit with text.
    const QByteArray text = "[PortSettings]\r\nUseUSB=N\r\nExcludeCOM=3\r\n;\r\n";
    ASSERT_EQ(text.size() % 2, 1);
    writeAll(iniPath(), text + QByteArray(4096, '\0'));
    {
        CKelvanorCtrl ctrl;
        EXPECT_FALSE(ctrl.settings.UseUSB);
        EXPECT_EQ(ctrl.settings.ExcludeCOM, QStringLiteral("3"));
        ctrl.settings.SearchCOM = QStringLiteral("7");
        ctrl.SetModifiedFlag();
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    // Saved as 8-bit text with every line kept; the NULs are gone.
    QFile f(iniPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              "[PortSettings]\r\nUseUSB=N\r\nExcludeCOM=3\r\n;\r\nUseSerial=Y\r\nSearchCOM=7\r\n"
              "[Debug]\r\nShowAtStartup=N\r\n");
}

TEST(IniTextTest, SetsValuesWhereTheyBelong) {
    // The file's own line end for new lines; a last line without an end gets one.
    EXPECT_EQ(WithProfileValue("[A]\r\nx=1", "A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(WithProfileValue("", "A", "y", "2"), "[A]\r\ny=2\r\n");
    EXPECT_EQ(WithProfileValue("[a]\n Y = old \n\n[B]\n", "A", "y", "2"), "[a]\ny=2\n\n[B]\n");
    EXPECT_EQ(WithProfileValue("[B]\n", "A", "y", "2"), "[B]\n[A]\ny=2\n");
    EXPECT_EQ(ProfileValue("[B]\ny=1\n[a]\n y = ' v ' \r\n", "A", "Y"), std::optional<std::string>(" v "));
    EXPECT_EQ(ProfileValue("[A]\ny\n[A ]\nz=1\n", "A", "y"), std::nullopt);
    // A new line takes the file's lone CR; the mark stays in front.
    EXPECT_EQ(WithProfileValue("\xEF\xBB\xBF[A]\rx=1", "A", "y", "2"), "\xEF\xBB\xBF[A]\rx=1\ry=2\r");
    // Several at once, as one after another.
    const ProfileEntry entries[] = {{"A", "y", "2"}, {"B", "x", "1"}, {"a", "Y", "3"}};
    EXPECT_EQ(WithProfileValues("[B]\n", entries), "[B]\nx=1\n[A]\nY=3\n");
    // A NUL within 8-bit text, even in the line set: not set.
    EXPECT_EQ(WithProfileValue(std::string("[A]\r\nx=\0\r\n", 9), "A", "x", "1"), std::nullopt);
}

TEST(IniTextTest, UnitsThatAreNoValidUtf16AreKept) {
    auto le = [](std::string_view ascii) {
        std::string bytes;
        for (const char c : ascii) bytes.append({c, '\0'});
        return bytes;
    };
    const std::string loneLow("\x00\xDC", 2), loneHigh("\x00\xD8", 2);
    const std::string text = "\xFF\xFE" + le("[A]\r\n;") + loneLow + le("\r\nx=1\r\n;") + loneHigh;
    EXPECT_EQ(ProfileValue(text, "A", "x"), std::optional<std::string>("1"));
    EXPECT_EQ(WithProfileValue(text, "A", "y", "2"), text + le("\r\ny=2\r\n"));
    EXPECT_EQ(WithProfileValue(text, "A", "x", "\xC3\xA9"),
              "\xFF\xFE" + le("[A]\r\n;") + loneLow + le("\r\nx=\xE9\r\n;") + loneHigh);
    // Cut short by a byte: read up to its last whole unit, not set.
    EXPECT_EQ(ProfileValue(text + "x", "A", "x"), std::optional<std::string>("1"));
    EXPECT_EQ(WithProfileValue(text + "x", "A", "y", "2"), std::nullopt);
}

TEST_F(SettingsTest, TheIniFileLivesInTheConfigFolder) {
    EXPECT_EQ(GetIniFilePath(), iniPath());
    // Without a usable config folder: the library's own folder (not a fixed
    // number of characters cut off the library's file name).
    ScopedEnv bad("XDG_CONFIG_HOME", "/proc/no-such-folder");
    EXPECT_EQ(GetIniFolder(), QFileInfo(OwnLibraryPath()).absolutePath());
}

TEST_F(SettingsTest, ACreatedControlWritesItsSettingsBackNormalised) {
    writeAll(iniPath(),
             "[PortSettings]\r\nUseUSB=no\r\nSearchCOM=1-4, 12, 14\r\nExcludeCOM= 7-3 , x\r\n[Debug]\r\nShowAtStartup=on\r\n");
    {
        CKelvanorCtrl ctrl;
        EXPECT_FALSE(ctrl.settings.UseUSB);
        EXPECT_TRUE(ctrl.settings.UseSerial);
        EXPECT_EQ(ctrl.settings.SearchCOM, QStringLiteral("1-4,12,14"));
        EXPECT_EQ(ctrl.settings.ExcludeCOM, QStringLiteral("3-7"));
        EXPECT_TRUE(ctrl.settings.ShowAtStartup);
        ASSERT_NE(g_pDebugWin, nullptr);
        EXPECT_TRUE(g_pDebugWin->HasWindow());  // opened at start
        const QString text = readAll(iniPath());
        EXPECT_TRUE(text.contains(QStringLiteral("SearchCOM=1-4,12,14")));
        EXPECT_TRUE(text.contains(QStringLiteral("ExcludeCOM=3-7")));
        EXPECT_TRUE(text.contains(QStringLiteral("UseUSB=N")));
        EXPECT_TRUE(text.contains(QStringLiteral("UseSerial=Y")));
        EXPECT_TRUE(text.contains(QStringLiteral("ShowAtStartup=Y")));
    }
    EXPECT_EQ(g_pDebugWin, nullptr);
}

TEST_F(SettingsTest, ADefaultFileIsCreated) {
    { CKelvanorCtrl ctrl; }
    const QString text = readAll(iniPath());
    EXPECT_TRUE(text.contains(QStringLiteral("[PortSettings]")));
    EXPECT_TRUE(text.contains(QStringLiteral("SearchCOM=1-255")));
    EXPECT_TRUE(text.contains(QStringLiteral("ExcludeCOM=\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Debug]\r\nShowAtStartup=N")));
}

TEST_F(SettingsTest, ChangedSettingsAreWrittenWhenTheControlGoes) {
    {
        CKelvanorCtrl ctrl;
        ctrl.settings.SearchCOM = QStringLiteral("2-9");
        // Not marked as changed: not written.
    }
    EXPECT_TRUE(readAll(iniPath()).contains(QStringLiteral("SearchCOM=1-255")));
    {
        CKelvanorCtrl ctrl;
        ctrl.settings.ExcludeCOM = QStringLiteral("5");
        ctrl.settings.UseSerial = false;
        ctrl.SetModifiedFlag();
    }
    const QString text = readAll(iniPath());
    EXPECT_TRUE(text.contains(QStringLiteral("ExcludeCOM=5")));
    EXPECT_TRUE(text.contains(QStringLiteral("UseSerial=N")));
}

TEST_F(SettingsTest, TheTraceWindowTracesOnlyWhileItIsOpenAndTracing) {
    CKelvanorCtrl ctrl;
    ctrl.WriteDebugString(QStringLiteral("lost"));  // no window: nothing kept
    ctrl.ShowDebugWnd();
    ctrl.WriteDebugString(QStringLiteral("one"));
    ctrl.WriteDebugString(QString());
    CDebugWin& win = *g_pDebugWin;
    QStringList lines = win.Lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(":\tone")));
    EXPECT_EQ(lines[0].indexOf(':'), 7);  // "000.000"
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(":\t")));
    win.OnStartStop();
    ctrl.WriteDebugString(QStringLiteral("stopped"));
    win.OnStartStop();
    ctrl.WriteDebugString(QStringLiteral("two"));
    lines = win.Lines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(win.CopyText(), lines.join('\n') + '\n');
    win.OnClear();
    EXPECT_TRUE(win.Lines().isEmpty());
    EXPECT_EQ(win.CopyText(), QString());
    ctrl.ShowDebugWnd();  // an open window is left as it is
    win.OnOK();           // closing destroys the window; ShowDebugWnd makes a new one
    EXPECT_FALSE(win.HasWindow());
    ctrl.WriteDebugString(QStringLiteral("closed"));
    ctrl.ShowDebugWnd();
    EXPECT_TRUE(win.HasWindow());
    EXPECT_TRUE(win.Lines().isEmpty());
}

TEST_F(SettingsTest, TheTraceWindowShowsNewLinesInBatchesAndKeepsTheNewest) {
    CKelvanorCtrl ctrl;
    ctrl.ShowDebugWnd();
    CDebugWin& win = *g_pDebugWin;
    auto* view = win.window()->findChild<QListView*>();
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* list = view->model();
    auto shown = [list] {
        QStringList rows;
        for (int r = 0; r < list->rowCount(); ++r) rows << list->index(r, 0).data().toString();
        return rows;
    };
    // Lines wait for their batch; the copy already has them.
    win.TraceLine(QStringLiteral("first"));
    win.TraceLine(QStringLiteral("second"));
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_EQ(win.Lines().size(), 2);
    ASSERT_TRUE(WaitUntil([&] { return list->rowCount() == 2; }));
    EXPECT_EQ(shown(), win.Lines());
    EXPECT_EQ(view->currentIndex().row(), 1);

    // Beyond the limit the oldest go, from the list and from the waiting batch alike.
    for (int i = 0; i < CDebugWin::kLineLimit + 3; ++i) win.TraceLine(QString::number(i));
    const QStringList lines = win.Lines();
    ASSERT_EQ(lines.size(), CDebugWin::kLineLimit);
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral(":\t3")));
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral(":\t%1").arg(CDebugWin::kLineLimit + 2)));
    EXPECT_TRUE(WaitUntil([view] { return view->currentIndex().row() == CDebugWin::kLineLimit - 1; }));
    EXPECT_EQ(shown(), lines);
}

TEST_F(SettingsTest, TheTraceWindowShowsLinesWhileAStreamOfThemGoesOn) {
    CKelvanorCtrl ctrl;
    ctrl.ShowDebugWnd();
    CDebugWin& win = *g_pDebugWin;
    const auto* view = win.window()->findChild<QListView*>();
    ASSERT_TRUE(view && view->model());
    const QAbstractItemModel& list = *view->model();
    // A line every 20 ms: by the 20th (400 ms, four batches on) the list
    // shows lines although the stream has not stopped.
    int fed = 0, shownWhileStreaming = -1;
    QTimer stream;
    stream.setInterval(20);
    QObject::connect(&stream, &QTimer::timeout, [&] {
        if (++fed == 20) {
            shownWhileStreaming = list.rowCount();
            stream.stop();
        }
        win.TraceLine(QString::number(fed));
    });
    stream.start();
    ASSERT_TRUE(WaitUntil([&] { return fed == 20; }));
    EXPECT_GT(shownWhileStreaming, 0);
}

TEST(TraceFormatTest, SecondsWithThreeDecimalsAndLeadingZeros) {
    EXPECT_EQ(FormatTraceSeconds(12.5), QStringLiteral("012.500"));
    EXPECT_EQ(FormatTraceSeconds(0), QStringLiteral("000.000"));
    EXPECT_EQ(FormatTraceSeconds(1234.5678), QStringLiteral("1234.568"));
}

}  // namespace
}  // namespace kelvanor::test
