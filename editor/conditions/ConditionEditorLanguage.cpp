#include "ConditionEditorLanguage.h"

#include "CaptionTable.h"

namespace tamberlo {

QString conditionEditorCaption(std::string_view control) { return captionOf(conditionEditorCaptions(), control); }

}  // namespace tamberlo
