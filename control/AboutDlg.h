#pragma once
// The about box and the library's own version, read from the version block
// that is built into the library file.

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>

class QLabel;

namespace kelvanor {

struct VersionTranslation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
};

// Reads the version block of the file at `path`; false when it has none.
bool GetVersionTranslation(const QString& path, std::array<std::uint16_t, 4>* version, VersionTranslation* translation);
// The four numbers of this library's own file version, zeros without a block.
std::array<std::uint16_t, 4> GetOwnVersion();
// The full path of this library's file.
QString OwnLibraryPath();

class CAboutDlg final : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    QString VersionLine() const;

private:
    QLabel* version_ = nullptr;
};

void ShowAboutBox();

// The logo (bitmap 208): our own small drawing.
QPixmap KelvanorLogo(int width, int height);

}  // namespace kelvanor
