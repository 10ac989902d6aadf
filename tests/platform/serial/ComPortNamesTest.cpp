// COM numbers and device paths, and the test folder that stands in for the devices.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include "ComPortNames.h"
#include "ScopedEnv.h"

using namespace tamberlo;
using tamberlo::test::ScopedEnv;

namespace {

// The folder of the program's COM port links for a test's scope.
struct ComFolder : ScopedEnv {
    explicit ComFolder(const QByteArray& value) : ScopedEnv(kComFolderVariable, value) {}
};

}  // namespace

TEST(ComPortNames, FixedRangesBothWays) {
    ComFolder env{QByteArray()};
    EXPECT_EQ(ComPortDevicePath(1), "/dev/ttyS0");
    EXPECT_EQ(ComPortDevicePath(32), "/dev/ttyS31");
    EXPECT_EQ(ComPortDevicePath(33), "/dev/ttyUSB0");
    EXPECT_EQ(ComPortDevicePath(96), "/dev/ttyUSB63");
    EXPECT_EQ(ComPortDevicePath(97), "/dev/ttyACM0");
    EXPECT_EQ(ComPortDevicePath(160), "/dev/ttyACM63");
    EXPECT_EQ(ComPortDevicePath(0), "");
    EXPECT_EQ(ComPortDevicePath(161), "");
    EXPECT_EQ(ComPortDevicePath(-3), "");

    for (int n = 1; n <= 160; ++n) EXPECT_EQ(ComPortNumber(ComPortDevicePath(n)), n) << n;
    EXPECT_EQ(ComPortNumber("/dev/ttyUSB64"), 0);
    EXPECT_EQ(ComPortNumber("/dev/ttyACM007"), 0);
    EXPECT_EQ(ComPortNumber("/dev/ttyS"), 0);
    EXPECT_EQ(ComPortNumber("/dev/pts/3"), 0);
    EXPECT_FALSE(ComPortPresent(161));
}

TEST(ComPortNames, TestFolderReplacesTheDevices) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    int master = -1, slave = -1;
    char name[256] = {};
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    ASSERT_TRUE(QFile::link(QString::fromLocal8Bit(name), dir.filePath("COM7")));
    ASSERT_TRUE(QFile::link(QString::fromLocal8Bit(name), dir.filePath("COM3")));
    ASSERT_TRUE(QFile::link("/nonexistent/tty", dir.filePath("COM9")));  // dangling: absent
    QFile plain(dir.filePath("COM11"));                                  // not a tty: absent
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();

    ComFolder env(QFile::encodeName(dir.path()));
    EXPECT_EQ(ComPortDevicePath(7), QDir(dir.path()).filePath("COM7"));
    EXPECT_EQ(ComPortNumber(QDir(dir.path()).filePath("COM7")), 7);
    EXPECT_EQ(ComPortNumber(QDir(dir.path()).filePath("COM07")), 0);
    EXPECT_EQ(ComPortNumber("/dev/ttyS0"), 0);  // real devices are out of the picture
    EXPECT_TRUE(ComPortPresent(3));
    EXPECT_FALSE(ComPortPresent(9));
    EXPECT_FALSE(ComPortPresent(11));
    EXPECT_FALSE(ComPortPresent(1));
    EXPECT_EQ(PresentComPorts(), (QList<int>{3, 7}));
    EXPECT_EQ(PresentComPorts(4, 255), (QList<int>{7}));
    ::close(slave);
    ::close(master);
}

TEST(ComPortNames, EmptyTestFolderHasNoPorts) {
    QTemporaryDir dir;
    ComFolder env(QFile::encodeName(dir.path()));
    EXPECT_TRUE(PresentComPorts().isEmpty());
}
