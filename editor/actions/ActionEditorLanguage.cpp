#include "ActionEditorLanguage.h"

#include "ActionEditor.h"
#include "CaptionTable.h"

namespace tamberlo {

QString actionEditorCaption(std::string_view control) { return captionOf(actionEditorCaptions(), control); }

void captionActionEditor() {
    if (ActionEditor* editor = ActionEditor::instance()) editor->caption();
}

}  // namespace tamberlo
