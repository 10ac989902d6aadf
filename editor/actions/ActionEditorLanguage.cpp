#include "ActionEditorLanguage.h"

#include "CaptionTable.h"

namespace tamberlo {

QString actionEditorCaption(std::string_view control) { return captionOf(actionEditorCaptions(), control); }

}  // namespace tamberlo
