#pragma once
// Message boxes, input boxes and file dialogs behind one service, so that
// commands that ask the user run in tests with scripted answers. The real
// service shows Qt dialogs; tests install their own with SetDialogs().

#include <QString>

namespace tamberlo {

// YesNo answers Ok for Yes and Cancel for No (or a box closed otherwise).
enum class MsgButtons { Ok, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel };
enum class MsgIcon { None, Critical };

struct FileDialogRequest {
    QString startFolder;   // folder the dialog opens in
    QString fileName;      // "*.vpp" or the name last chosen
    QString defaultExt;    // "vpp"
    QString filterName;    // the readable name of the files with that extension
    QString allFilesName;  // the readable name of "all files"
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An empty title means the program's own title.
    virtual MsgResult MsgBox(const QString& text, MsgButtons buttons, const QString& title = {}) = 0;
    // The same with an icon; a service that shows no icons shows the plain box.
    virtual MsgResult MsgBoxWithIcon(const QString& text, MsgButtons buttons, const QString& title, MsgIcon) {
        return MsgBox(text, buttons, title);
    }
    // Returns the text typed; empty on Cancel.
    virtual QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // Return the chosen path, or an empty string when the user cancelled.
    virtual QString OpenFile(const FileDialogRequest& request) = 0;
    virtual QString SaveFile(const FileDialogRequest& request) = 0;
};

// The service in use; a Qt one unless a test installed another.
Dialogs& dialogs();
// Installs `d` (not owned) in place of the current service; nullptr restores the Qt one.
void SetDialogs(Dialogs* d);

// The program's title as message boxes show it.
QString ProgramTitle();

}  // namespace tamberlo
