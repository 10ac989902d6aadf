#pragma once
// The condition editor's fixed texts after a language change.

namespace tamberlo {

// Re-captions every control of the condition editor in the current language.
void captionConditionEditor();

}  // namespace tamberlo
