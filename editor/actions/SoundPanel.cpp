#include "SoundPanel.h"

#include <QDir>
#include <QFileInfo>

#include "ActionEditCell.h"
#include "ActionEditorLanguage.h"
#include "CodeSetting.h"
#include "Dialogs.h"
#include "EditorHooks.h"
#include "ExplanatoryPictureSurfaces.h"
#include "LanguageText.h"
#include "ProgramFolder.h"
#include "SoundFolders.h"
#include "SoundPlayer.h"
#include "WholeCaption.h"
#include "WholeEntries.h"

namespace tamberlo {

namespace {

constexpr int kPathRole = Qt::UserRole;

void refuseName() {
    dialogs().MsgBox(T("Deze naam bevat een tab, een regeleinde of een teken dat het ladderprogramma niet kan bewaren.",
                       "This name holds a tab, a line break or a character the ladder program cannot store."),
                     MsgButtons::Ok);
}

QString programFolder() { return cleanFolder(AppPath()); }

}  // namespace

SoundPanel::SoundPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("PanelActieBewerkGeluid");
    SSPanel83 = new Panel3D(QStringLiteral("Speel een geluid af."), this);
    SSPanel83->setGeometry(0, 0, 181, 18);
    showsExplanatoryPicture(SSPanel83, 6, 1);
    Drive = new PathBox(this);
    Drive->setObjectName("Drive");
    Drive->setGeometry(0, 22, 181, 22);
    Map = new QListWidget(this);
    Map->setObjectName("Map");
    Map->setGeometry(0, 48, 181, 200);
    SSPanel84 = new Panel3D(QStringLiteral("Bestand"), this);
    SSPanel84->setGeometry(0, 252, 181, 18);
    Bestand = new QListWidget(this);
    Bestand->setObjectName("Bestand");
    Bestand->setGeometry(0, 272, 181, 200);
    PanelGeluidBestandsnaam = new Panel3D(this);
    PanelGeluidBestandsnaam->setGeometry(0, 476, 181, 22);
    PanelGeluidBestandsnaam->SetBackColor(0xFFFFFF);
    CommandTest = new QPushButton(QStringLiteral("Test"), this);
    CommandTest->setGeometry(0, 502, 88, 28);
    CommandVerversMap = new QPushButton(QStringLiteral("Ververs"), this);
    CommandVerversMap->setGeometry(93, 502, 88, 28);
    CommandBestandsPad = new QPushButton(QStringLiteral("Bestands pad"), this);
    CommandBestandsPad->setGeometry(0, 534, 181, 28);

    connect(Drive, &QComboBox::activated, this, [this](int i) { chooseDrive(Drive->itemText(i)); });
    connect(Map, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openFolder(item->data(kPathRole).toString()); });
    connect(Bestand, &QListWidget::itemClicked, this, [this] { Bestand_Click(); });
    connect(Bestand, &QListWidget::itemDoubleClicked, this, [this] { Bestand_DblClick(); });
    connect(CommandTest, &QPushButton::clicked, this, [this] { CommandTest_Click(); });
    connect(CommandVerversMap, &QPushButton::clicked, this, [this] { CommandVerversMap_Click(); });
    connect(CommandBestandsPad, &QPushButton::clicked, this, [this] { CommandBestandsPad_Click(); });
}

void SoundPanel::caption() {
    SSPanel83->SetCaption(actionEditorCaption("SSPanel83"));
    SSPanel84->SetCaption(actionEditorCaption("SSPanel84"));
    SetButtonCaption(CommandVerversMap, actionEditorCaption("CommandVerversMap"));
    SetButtonCaption(CommandBestandsPad, actionEditorCaption("CommandBestandsPad"));
}

// ---- the lists ---------------------------------------------------------------

void SoundPanel::setDrive(const QString& root, bool raise) {
    const QStringList roots = volumeRoots();
    Drive->clear();
    Drive->addItems(roots);
    if (!roots.contains(root)) Drive->addItem(root);
    Drive->setCurrentText(root);
    FitFont(Drive);
    const bool changed = root != drive_;
    drive_ = root;
    if (changed && raise) Drive_Change();
}

bool SoundPanel::setMapPath(const QString& path) {
    const QString folder = cleanFolder(path);
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable()) return false;
    previousMapPath_ = mapPath_;
    mapPath_ = folder;
    driveFolder_[driveOfFolder(folder)] = folder;
    setDrive(driveOfFolder(folder), false);  // the drive list shows where the folder lies
    fillFolderList();
    fillFileList();
    if (!MapVulBezig) Map_Change();
    return true;
}

void SoundPanel::fillFolderList() {
    Map->clear();
    // The way down from the drive's root to the folder, then its sub-folders.
    QStringList way;
    for (QString p = mapPath_; !p.isEmpty(); p = QFileInfo(p).path()) {
        way.prepend(p);
        if (p == drive_ || p == QLatin1String("/")) break;
    }
    int depth = 0;
    for (const QString& p : way) {
        const QString name = depth == 0 ? p : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, Map);
        item->setData(kPathRole, p);
        if (p == mapPath_) Map->setCurrentItem(item);
        ++depth;
    }
    for (const QString& sub : subfolders(mapPath_)) {
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + sub, Map);
        item->setData(kPathRole, QDir(mapPath_).filePath(sub));
    }
    FitFont(Map);
}

void SoundPanel::fillFileList() {
    Bestand->clear();
    Bestand->addItems(wavFiles(mapPath_));
    FitFont(Bestand);
    Bestand->setCurrentRow(-1);
}

bool SoundPanel::selectFile(const QString& name) {
    const auto found = Bestand->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    Bestand->setCurrentItem(found.first());
    found.first()->setSelected(true);
    return true;
}

void SoundPanel::clearFileSelection() {
    Bestand->clearSelection();
    Bestand->setCurrentRow(-1);
}

QString SoundPanel::selectedFile() const {
    const QListWidgetItem* item = Bestand->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QStringList SoundPanel::listedFiles() const {
    QStringList names;
    for (int i = 0; i < Bestand->count(); ++i) names << Bestand->item(i)->text();
    return names;
}

void SoundPanel::play(const QString& name) { PlaySoundFile(SoundPath(mapPath_, name)); }

// ---- the operations of the editor frame ---------------------------------------

void SoundPanel::showProgramFolder() {
    FillGuard guard(MapVulBezig);
    setDrive(driveOfFolder(programFolder()), false);
    setMapPath(programFolder());
}

void SoundPanel::ResetPanelActieBewerkGeluid() {
    setDrive(driveOfFolder(programFolder()), true);
    setMapPath(programFolder());
    editedSoundFile().clear();
    editedSoundFolder().clear();
    setLine(kActionInterface, QString());
    setLine(kActionNumber, QString());
    setLine(kActionSignal, T("Speel geluid", "Play sound"));
    setLine(kActionValue, QString());
    actionColumn(0) = 4;
    for (int c = 1; c <= 5; ++c) actionColumn(c) = 0;
}

void SoundPanel::SetPanelActieBewerkGeluid() {
    const QString folder = editedSoundFolder();
    const QString file = editedSoundFile();
    bool stale = false;
    // The lists may stay on the previous row's folder: its file must not
    // look chosen for this row.
    clearFileSelection();
    {
        FillGuard guard(MapVulBezig);
        // A folder that is gone leaves the lists where they were.
        if (!folder.isEmpty() && !setMapPath(folder)) stale = true;
    }
    PanelGeluidBestandsnaam->SetCaption(file);
    setLine(kActionInterface, file);
    if (!stale && !file.isEmpty() && !selectFile(file)) stale = true;
    if (stale)
        dialogs().MsgBox(T("Het pad naar het geluidsbestand in regel %1 is niet meer geldig.",
                           "The path to the sound file in line %1 does not exist at this moment.")
                             .arg(editedRow().value_or(0)),
                         MsgButtons::Ok);
}

// ---- the handlers ---------------------------------------------------------------

void SoundPanel::chooseDrive(const QString& root) {
    if (root == drive_) return;
    setDrive(root, true);
}

void SoundPanel::Drive_Change() {
    const QString remembered = mapPath_;
    const auto known = driveFolder_.find(drive_);
    const QString target = known != driveFolder_.end() ? known->second : drive_;
    if (setMapPath(target) || (target != drive_ && setMapPath(drive_))) return;
    dialogs().MsgBox(T("Deze drive is niet beschikbaar.", "This drive is not available."), MsgButtons::Ok);
    setDrive(driveOfFolder(remembered), false);
}

void SoundPanel::openFolder(const QString& path) {
    if (cleanFolder(path) == mapPath_) return;
    setMapPath(path);
}

void SoundPanel::Map_Change() {
    if (MapVulBezig) return;
    if (!storableSoundName(mapPath_)) {
        refuseName();
        // Back to the folder before, without touching the row.
        const QString back = previousMapPath_;
        {
            FillGuard guard(MapVulBezig);
            setMapPath(back);
        }
        selectFile(editedSoundFile());
        return;
    }
    PanelGeluidBestandsnaam->SetCaption(QString());
    setLine(kActionInterface, QString());
    setLine(kActionNumber, QString());
    editedSoundFile().clear();
    editedSoundFolder() = mapPath_;
}

void SoundPanel::clickFile(const QString& name) {
    if (selectFile(name)) Bestand_Click();
}

void SoundPanel::Bestand_Click() {
    const QString name = selectedFile();
    if (name.isEmpty()) return;
    if (!storableSoundName(name)) {
        refuseName();
        clearFileSelection();
        return;
    }
    PanelGeluidBestandsnaam->SetCaption(name);
    setLine(kActionInterface, name);
    setLine(kActionNumber, driveOfFolder(mapPath_));
    editedSoundFile() = name;
    editedSoundFolder() = mapPath_;
}

void SoundPanel::Bestand_DblClick() {
    const QString name = selectedFile();
    if (!name.isEmpty()) play(name);
}

void SoundPanel::CommandTest_Click() { play(editedSoundFile()); }

void SoundPanel::CommandVerversMap_Click() {
    const QString chosen = selectedFile();
    fillFileList();
    if (!chosen.isEmpty()) selectFile(chosen);
}

void SoundPanel::CommandBestandsPad_Click() {
    setDrive(driveOfFolder(programFolder()), true);
    if (mapPath_ == programFolder()) Map_Change();  // the row gets the folder and no file in any case
    else setMapPath(programFolder());
}

}  // namespace tamberlo
