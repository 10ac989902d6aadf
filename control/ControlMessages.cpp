#include "ControlMessages.h"

#include <QDialog>
#include <QMessageBox>

namespace kelvanor {
namespace {
MessageBoxHook& messageHook() {
    static MessageBoxHook hook;
    return hook;
}
ModalHook& modalHook() {
    static ModalHook hook;
    return hook;
}
}  // namespace

void ShowMessageBox(const QString& text, const QString& caption) {
    if (messageHook()) {
        messageHook()(text, caption);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

void RunModal(QDialog& dialog) {
    if (modalHook()) {
        modalHook()(dialog);
        return;
    }
    dialog.exec();
}

void SetMessageBoxHook(MessageBoxHook hook) { messageHook() = std::move(hook); }
void SetModalHook(ModalHook hook) { modalHook() = std::move(hook); }

}  // namespace kelvanor
