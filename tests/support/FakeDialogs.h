#pragma once
// Scripted answers for the dialog service, and a record of what was shown.

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

#include "Dialogs.h"

namespace tamberlo::test {

class FakeDialogs final : public Dialogs {
public:
    // Answers given in order; when none is left: Ok, empty text, cancelled dialog.
    std::deque<MsgResult> msgAnswers;
    std::deque<QString> inputAnswers;
    std::deque<QString> fileAnswers;

    std::function<void()> whileMessageShown;  // runs inside every message box, as a click would

    QStringList messages;       // text of every message box shown
    QStringList titles;         // title of every message box shown
    std::deque<MsgIcon> icons;  // icon of every message box shown
    QStringList fileDialogs;    // "open:<start folder>" or "save:<start folder>"
    FileDialogRequest lastFileRequest;

    MsgResult MsgBox(const QString& text, MsgButtons buttons, const QString& title) override;
    MsgResult MsgBoxWithIcon(const QString& text, MsgButtons buttons, const QString& title, MsgIcon icon) override;
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString OpenFile(const FileDialogRequest& request) override;
    QString SaveFile(const FileDialogRequest& request) override;
};

}  // namespace tamberlo::test
