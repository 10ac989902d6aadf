#include "FakeDialogs.h"

namespace tamberlo::test {

MsgResult FakeDialogs::MsgBoxWithIcon(const QString& text, MsgButtons buttons, const QString& title, MsgIcon icon) {
    const MsgResult r = MsgBox(text, buttons, title);
    icons.back() = icon;
    return r;
}

MsgResult FakeDialogs::MsgBox(const QString& text, MsgButtons, const QString& title) {
    icons.push_back(MsgIcon::None);
    messages << text;
    titles << title;
    if (whileMessageShown) whileMessageShown();
    if (msgAnswers.empty()) return MsgResult::Ok;
    MsgResult r = msgAnswers.front();
    msgAnswers.pop_front();
    return r;
}

QString FakeDialogs::InputBox(const QString& prompt, const QString&, const QString&) {
    messages << prompt;
    if (inputAnswers.empty()) return {};
    QString s = inputAnswers.front();
    inputAnswers.pop_front();
    return s;
}

static QString next(std::deque<QString>& q) {
    if (q.empty()) return {};
    QString s = q.front();
    q.pop_front();
    return s;
}

QString FakeDialogs::OpenFile(const FileDialogRequest& r) {
    fileDialogs << QStringLiteral("open:") + r.startFolder;
    lastFileRequest = r;
    return next(fileAnswers);
}

QString FakeDialogs::SaveFile(const FileDialogRequest& r) {
    fileDialogs << QStringLiteral("save:") + r.startFolder;
    lastFileRequest = r;
    return next(fileAnswers);
}

}  // namespace tamberlo::test
