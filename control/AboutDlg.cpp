#include "AboutDlg.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <dlfcn.h>

#include "ControlMessages.h"

namespace kelvanor {
namespace {

// The library's version block. The marker bytes in front make it findable in
// the file; the search below builds its pattern at run time so that only the
// block itself carries the whole marker.
extern "C" __attribute__((used, visibility("hidden"))) const char kelvanorVersionBlock[] =
    "\xFE\xEF\x04\xBD"
    "VS_VERSION_INFO;FileVersion=2.5.0.0;ProductVersion=2.5.0.0;Translation=0409,04B0;"
    "FileDescription=Brask Kelvanor ActiveX Control;ProductName=Brask Kelvanor ActiveX Control;"
    "InternalName=Kelvanor;OriginalFilename=Kelvanor.ocx;";

QByteArray field(const QByteArray& block, const QByteArray& name) {
    const QByteArray key = name + '=';
    const int at = static_cast<int>(block.indexOf(';' + key));
    if (at < 0) return {};
    const int start = at + 1 + static_cast<int>(key.size());
    const int end = static_cast<int>(block.indexOf(';', start));
    return end < 0 ? QByteArray() : block.mid(start, end - start);
}

}  // namespace

QString OwnLibraryPath() {
    Dl_info info{};
    // The loader keeps the name the library was loaded by, which may be
    // relative to the folder the loading program ran in: registration must
    // record a path that holds from anywhere.
    if (::dladdr(reinterpret_cast<void*>(&GetOwnVersion), &info) && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
    return {};
}

bool GetVersionTranslation(const QString& path, std::array<std::uint16_t, 4>* version, VersionTranslation* translation) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = f.readAll();
    QByteArray marker("\xFE\xEF\x04");
    marker += '\xBD';
    marker += "VS_VERSION_INFO";
    const qsizetype at = data.indexOf(marker);
    if (at < 0) return false;
    const qsizetype end = data.indexOf('\0', at);
    const QByteArray block = data.mid(at + marker.size(), end < 0 ? 512 : end - at - marker.size());
    const QList<QByteArray> parts = field(block, "FileVersion").split('.');
    const QList<QByteArray> lang = field(block, "Translation").split(',');
    if (parts.size() != 4 || lang.size() != 2) return false;
    for (int i = 0; i < 4; ++i) (*version)[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(parts[i].toUInt());
    if (translation) {
        translation->language = static_cast<std::uint16_t>(lang[0].toUInt(nullptr, 16));
        translation->codePage = static_cast<std::uint16_t>(lang[1].toUInt(nullptr, 16));
    }
    return true;
}

std::array<std::uint16_t, 4> GetOwnVersion() {
    std::array<std::uint16_t, 4> v{};
    if (!GetVersionTranslation(OwnLibraryPath(), &v, nullptr)) v = {};
    return v;
}

QPixmap KelvanorLogo(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(QColor(0, 64, 128));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(QColor(255, 192, 0));
    const int r = std::min(width, height) / 3;
    p.drawEllipse(QPoint(r + 8, height / 2), r, r);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), std::max(8, height / 5), QFont::Bold));
    p.drawText(QRect(2 * r + 16, 0, width - 2 * r - 16, height), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Kelvanor"));
    return pixmap;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Brask Kelvanor ActiveX Control"));
    version_ = new QLabel(QStringLiteral("Brask Kelvanor ActiveX Control, Version "), this);
    auto* notice = new QLabel(QStringLiteral("Copyright (C) Brask. All rights reserved."), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* logo = new QLabel(this);
    logo->setPixmap(KelvanorLogo(300, 120));
    auto* layout = new QGridLayout(this);
    layout->addWidget(version_, 0, 0);
    layout->addWidget(ok, 0, 1);
    layout->addWidget(notice, 1, 0, 1, 2);
    layout->addWidget(logo, 2, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // OnInitDialog: the version follows the line's own text.
    const auto v = GetOwnVersion();
    version_->setText(version_->text() + QStringLiteral("%1.%2.%3.%4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]));
}

QString CAboutDlg::VersionLine() const { return version_->text(); }

void ShowAboutBox() {
    CAboutDlg dialog;
    RunModal(dialog);
}

}  // namespace kelvanor
