#pragma once
// The condition editor's fixed captions in the current language, from the
// condition editor's caption table.

#include <QString>

#include <string_view>

namespace tamberlo {

// The text of `control` in the condition editor's table, in the current language.
QString conditionEditorCaption(std::string_view control);

}  // namespace tamberlo
