#include "ComPortNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tamberlo {

namespace {

struct Range {
    int firstCom;
    int count;
    const char* prefix;
};

constexpr Range kRanges[] = {
    {1, 32, "/dev/ttyS"},
    {33, 64, "/dev/ttyUSB"},
    {97, 64, "/dev/ttyACM"},
};

QString testFolder() { return qEnvironmentVariable(kComFolderVariable); }

bool isCharDevice(const QString& path) {
    struct stat st {};
    // stat follows links, so a test entry that points at a pty counts.
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

// A ttyS node exists for every possible UART whether or not one is fitted.
// The kernel reports the port type; 0 means nothing answers there.
bool uartFitted(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile type(QStringLiteral("/sys/class/tty/%1/type").arg(name));
    if (type.open(QIODevice::ReadOnly)) {
        bool ok = false;
        const int t = QString::fromLatin1(type.readAll()).trimmed().toInt(&ok);
        return ok && t != 0;
    }
    // No sysfs entry: ask the driver. Opening a plain UART resets nothing.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return false;
    struct serial_struct info {};
    const bool fitted = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
    ::close(fd);
    return fitted;
}

}  // namespace

QString ComPortDevicePath(int n) {
    const QString folder = testFolder();
    if (!folder.isEmpty()) {
        if (n < 1 || n > kHighestComPort) return {};
        return QDir(folder).filePath(QStringLiteral("COM%1").arg(n));
    }
    for (const Range& r : kRanges) {
        if (n >= r.firstCom && n < r.firstCom + r.count) return QString::fromLatin1(r.prefix) + QString::number(n - r.firstCom);
    }
    return {};
}

int ComPortNumber(const QString& devicePath) {
    const QString folder = testFolder();
    if (!folder.isEmpty()) {
        const QFileInfo fi(devicePath);
        if (QDir(fi.absolutePath()) != QDir(folder)) return 0;
        static const QRegularExpression re(QStringLiteral("^COM([1-9][0-9]{0,2})$"));
        const auto m = re.match(fi.fileName());
        if (!m.hasMatch()) return 0;
        const int n = m.captured(1).toInt();
        return n <= kHighestComPort ? n : 0;
    }
    for (const Range& r : kRanges) {
        const QString prefix = QString::fromLatin1(r.prefix);
        if (!devicePath.startsWith(prefix)) continue;
        const QString rest = devicePath.mid(prefix.size());
        static const QRegularExpression digits(QStringLiteral("^(0|[1-9][0-9]{0,2})$"));
        if (!digits.match(rest).hasMatch()) continue;
        const int index = rest.toInt();
        if (index < r.count) return r.firstCom + index;
    }
    return 0;
}

bool ComPortPresent(int n) {
    const QString path = ComPortDevicePath(n);
    if (path.isEmpty() || !isCharDevice(path)) return false;
    if (!testFolder().isEmpty()) return true;
    if (path.startsWith(QLatin1String("/dev/ttyS"))) return uartFitted(path);
    // USB serial devices: the node exists only while the adapter is plugged in.
    return true;
}

QList<int> PresentComPorts(int first, int last) {
    QList<int> ports;
    for (int n = std::max(first, 1); n <= std::min(last, kHighestComPort); ++n)
        if (ComPortPresent(n)) ports.append(n);
    return ports;
}

}  // namespace tamberlo
