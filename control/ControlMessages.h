#pragma once
// Message boxes and modal dialogs of the Kelvanor control. They always run on
// the window thread. Tests replace them to see what would be shown.

#include <QString>

#include <functional>

class QDialog;

namespace kelvanor {

// Shows `text` in a message box with an OK button, captioned `caption`.
void ShowMessageBox(const QString& text, const QString& caption);
// Runs `dialog` modally.
void RunModal(QDialog& dialog);

using MessageBoxHook = std::function<void(const QString& text, const QString& caption)>;
using ModalHook = std::function<void(QDialog& dialog)>;
// Installs replacements; an empty function restores the real ones.
void SetMessageBoxHook(MessageBoxHook hook);
void SetModalHook(ModalHook hook);

// The caption of the control's own message boxes.
inline QString ControlCaption() { return QStringLiteral("Kelvanor"); }

}  // namespace kelvanor
