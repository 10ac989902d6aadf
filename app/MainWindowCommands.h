#pragma once
// Toolbar commands of the main window that live in files of their own: the
// language, the settings window, the font; the hover highlight of the
// toolbar; the window's fixed width.

#include <QColor>
#include <QFont>

#include <array>
#include <functional>
#include <optional>

class QPushButton;

namespace tamberlo {

class LadderProgrammeren;

// Flips the language, re-captions everything, tells Qt's own dialogs, and
// keeps the choice (with the peer's current address and port) in Tamberlo.ini.
void CommandTaal_Click();

// Opens the settings window over the disabled main window, with the
// dashboard's input polling off.
void CommandClipBoard_Click();

// The thirteen toolbar buttons, in the order of the hover's lists.
std::array<QPushButton*, 13> ToolbarButtons(const LadderProgrammeren& w);
// Hover highlight, reset surfaces and the version box of the close button.
void InstallToolbarHover(LadderProgrammeren& w);
// The text of the version box.
QString VersionBoxText();

// What the font dialog gave: a font and a colour, or nothing on Cancel.
struct FontChoice {
    QFont font;
    QColor colour;
};
// The dialog in use, installed with the program's services (nullptr: the real one).
void SetFontDialog(std::function<std::optional<FontChoice>(const QFont& current)> dialog);
void CommandFont_Click();

// The window keeps the width of 18105 twips (pixels here): on a resize in
// the normal state and on a double-click of the drawing area.
void WindowResized(LadderProgrammeren& w);
void DrawingAreaDoubleClicked(LadderProgrammeren& w);

}  // namespace tamberlo
