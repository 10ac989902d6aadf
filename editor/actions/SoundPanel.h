#pragma once
// The sound panel `PanelActieBewerkGeluid` of the action editor (tab 3): a
// small file picker (drive, folder and .wav file lists) that stores the
// edited row's folder and file name in GeluidMappen and GeluidBestanden, and
// plays the file to try it. On Linux the "drives" are the roots of the
// mounted volumes. Setting the drive or the folder from code raises their
// change handlers, except while MapVulBezig is set.

#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <map>

#include "Panel3D.h"
#include "PathBox.h"

namespace tamberlo {

class SoundPanel : public QWidget {
    Q_OBJECT
public:
    explicit SoundPanel(QWidget* parent = nullptr);

    // The edited row becomes a sound action without folder and file; the
    // lists show the program's folder.
    void ResetPanelActieBewerkGeluid();
    // The lists show the stored folder and file; a path that no longer
    // exists is reported once and leaves no file selected.
    void SetPanelActieBewerkGeluid();
    // The start-up: the lists show the program's folder; no row is written.
    void showProgramFolder();

    void Drive_Change();
    void Map_Change();
    void Bestand_Click();
    void Bestand_DblClick();
    void CommandTest_Click();
    void CommandVerversMap_Click();
    void CommandBestandsPad_Click();

    // What a user does: pick a drive, open a folder, click a file.
    void chooseDrive(const QString& root);
    void openFolder(const QString& path);
    void clickFile(const QString& name);

    QString mapPath() const { return mapPath_; }
    QString drive() const { return drive_; }
    // The file selected in the file list; empty when none is.
    QString selectedFile() const;
    QStringList listedFiles() const;

    void caption();

    Panel3D* SSPanel83;
    PathBox* Drive;
    QListWidget* Map;
    Panel3D* SSPanel84;
    QListWidget* Bestand;
    Panel3D* PanelGeluidBestandsnaam;
    QPushButton* CommandTest;
    QPushButton* CommandVerversMap;
    QPushButton* CommandBestandsPad;
    bool MapVulBezig = false;

private:
    // The drive list shows `root` (added when it is missing); its handler
    // runs when `raise` is set and the drive changed.
    void setDrive(const QString& root, bool raise);
    // The folder list's path; false when the folder cannot be read. Its
    // change handler runs (unless MapVulBezig) when the path was set.
    bool setMapPath(const QString& path);
    void fillFolderList();
    void fillFileList();
    bool selectFile(const QString& name);
    void clearFileSelection();
    void play(const QString& name);

    QString mapPath_;
    QString drive_;
    QString previousMapPath_;
    std::map<QString, QString> driveFolder_;  // the folder last shown on each drive
};

}  // namespace tamberlo
