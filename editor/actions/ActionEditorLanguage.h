#pragma once
// The action editor's fixed captions in the current language, from the
// action editor's caption table.

#include <QString>

#include <string_view>

namespace tamberlo {

// The text of `control` in the action editor's table, in the current language.
QString actionEditorCaption(std::string_view control);
inline QString actionEditorCaption(const QString& control) { return actionEditorCaption(control.toStdString()); }
inline QString actionEditorCaption(const char* control) { return actionEditorCaption(std::string_view(control)); }

}  // namespace tamberlo
