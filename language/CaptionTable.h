#pragma once
// The fixed captions of the program's windows, kept as data: one row per
// control (an index in parentheses names an item of a control array), its
// Dutch and its English text. The language switch walks these tables, the
// windows take their captions from them, and tests compare against them, so
// each text exists once.

#include <QString>

#include <span>
#include <string_view>

namespace tamberlo {

struct CaptionRow {
    const char* control;
    const char* dutch;
    const char* english;
};

using CaptionTable = std::span<const CaptionRow>;

// The five tables: the main window with its headers, toolbar and status; the
// condition editor; the action editor; the dashboard; the settings window.
CaptionTable mainWindowCaptions();
CaptionTable conditionEditorCaptions();
CaptionTable actionEditorCaptions();
CaptionTable dashboardCaptions();
CaptionTable settingsCaptions();

// The row of `control` in `table`, or nullptr when the table has none.
const CaptionRow* findCaption(CaptionTable table, std::string_view control);
// The text of `control` in the current language (empty when the table has none).
QString captionOf(CaptionTable table, std::string_view control);

}  // namespace tamberlo
