#include "ConditionEditorLanguage.h"

#include "ConditionEditor.h"

namespace tamberlo {

void captionConditionEditor() { conditionEditor().caption(); }

}  // namespace tamberlo
