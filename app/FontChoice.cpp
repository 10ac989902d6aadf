// The font button: one font, chosen in the font dialog with a colour beside
// it, applied to the main window's controls by type and by their marker. The
// main window's only drop-down and item lists are the sound picker's drive,
// folder and file lists.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

#include "LadderProgrammeren.h"
#include "LadderView.h"
#include "LanguageText.h"
#include "MainWindowCommands.h"
#include "Panel3D.h"
#include "SharedState.h"
#include "VbColor.h"
#include "WholeCaption.h"
#include "WholeEntries.h"
#include "Windows.h"

namespace tamberlo {

namespace {

std::function<std::optional<FontChoice>(const QFont&)> fontDialog;

// The sixteen basic colours the font dialog offers.
struct BasicColour {
    QRgb rgb;
    const char* dutch;
    const char* english;
};
constexpr BasicColour kColours[] = {
    {0x000000, "Zwart", "Black"},     {0x800000, "Kastanjebruin", "Maroon"}, {0x008000, "Groen", "Green"},
    {0x808000, "Olijf", "Olive"},     {0x000080, "Marineblauw", "Navy"},     {0x800080, "Paars", "Purple"},
    {0x008080, "Blauwgroen", "Teal"}, {0x808080, "Grijs", "Gray"},           {0xC0C0C0, "Zilver", "Silver"},
    {0xFF0000, "Rood", "Red"},        {0x00FF00, "Limoen", "Lime"},          {0xFFFF00, "Geel", "Yellow"},
    {0x0000FF, "Blauw", "Blue"},      {0xFF00FF, "Fuchsia", "Fuchsia"},      {0x00FFFF, "Aqua", "Aqua"},
    {0xFFFFFF, "Wit", "White"},
};

std::optional<FontChoice> qtFontDialog(const QFont& current) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(T("Lettertype", "Font"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* fonts = new QFontDialog(current, &dialog);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    // The font part is a dialog of its own: its Esc and Enter end the whole dialog.
    QObject::connect(fonts, &QDialog::rejected, &dialog, &QDialog::reject);
    QObject::connect(fonts, &QDialog::accepted, &dialog, &QDialog::accept);
    layout->addWidget(fonts);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(T("Kleur:", "Colour:"), &dialog));
    auto* colours = new QComboBox(&dialog);
    for (const BasicColour& c : kColours) {
        QPixmap swatch(16, 16);
        swatch.fill(QColor(c.rgb));
        colours->addItem(QIcon(swatch), T(c.dutch, c.english));
    }
    row->addWidget(colours, 1);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return FontChoice{fonts->currentFont(), QColor(kColours[std::max(0, colours->currentIndex())].rgb)};
}

// The colour of an enabled control's text: a disabled one stays greyed.
void setForeColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            p.setColor(group, role, c);
    w->setPalette(p);
}

// Name and effects of `chosen` on `font`; the size only when `withSize`.
QFont takeOver(QFont font, const QFont& chosen, bool withSize) {
    font.setFamily(chosen.family());
    if (withSize) {
        if (chosen.pointSizeF() > 0) font.setPointSizeF(chosen.pointSizeF());
        else font.setPixelSize(chosen.pixelSize());
    }
    font.setBold(chosen.bold());
    font.setItalic(chosen.italic());
    font.setStrikeOut(chosen.strikeOut());
    font.setUnderline(chosen.underline());
    return font;
}

int marker(const QWidget* w) { return w->property("WhatsThisHelpID").toInt(); }

void apply(QWidget* w, const FontChoice& c) {
    // A button's room is its design's: a caption too wide for it at the chosen
    // size is shown in that font shrunk to fit. A kept control is given the
    // font it wants: set directly, a font equal to the one it shows (shrunk
    // from a larger choice) would pass unannounced, and the next fit would
    // grow it back towards the larger one.
    if (auto* b = qobject_cast<QAbstractButton*>(w)) KeepCaptionWhole(b);
    if (qobject_cast<QRadioButton*>(w)) {
        WantFont(w, takeOver(w->font(), c.font, true));
        setForeColour(w, c.colour);
    } else if (qobject_cast<QPushButton*>(w)) {
        const int m = marker(w);
        if (m == 0) {
            WantFont(w, takeOver(w->font(), c.font, true));
        } else if (m == 4 || m == 8) {
            QFont f = takeOver(w->font(), c.font, true);
            if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() + 2);
            else f.setPixelSize(f.pixelSize() + 2);
            f.setBold(true);
            WantFont(w, f);
        }
    } else if (auto* panel = qobject_cast<Panel3D*>(w)) {
        QFont f = takeOver(w->font(), c.font, false);  // panels keep their size
        if (marker(w) != 0) f.setBold(true);
        WantFont(w, f);
        panel->SetForeColor(QColorToVb(c.colour));
        panel->setProperty("AutoSize", 3);
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QLabel*>(w)) {
        WantFont(w, takeOver(w->font(), c.font, true));
        setForeColour(w, c.colour);
    } else if (qobject_cast<QComboBox*>(w) || qobject_cast<QListWidget*>(w)) {
        // The drive, folder and file lists: their room is their design's too,
        // and their entries are shown whole in the chosen font shrunk to fit.
        if (auto* drives = qobject_cast<QComboBox*>(w)) KeepEntriesWhole(drives);
        if (auto* list = qobject_cast<QListWidget*>(w)) KeepEntriesWhole(list);
        WantFont(w, takeOver(w->font(), c.font, true));
        setForeColour(w, c.colour);
    }
}

// The ladder's cell caption panels are painted: they take what 3-D panels take.
void applyToCells(LadderProgrammeren& w, const FontChoice& c) {
    w.PictureProgrammeerVenster->setFont(takeOver(w.PictureProgrammeerVenster->font(), c.font, false));
    const VbColor fore = QColorToVb(c.colour);
    for (ConditionCellView& cell : ladderView.cell)
        for (CaptionPanel& line : cell.lines) line.foreColor = fore;
    for (ActionRowView& row : ladderView.action)
        for (CaptionPanel& line : row.lines) line.foreColor = fore;
    ladderView.changed();
}

}  // namespace

void SetFontDialog(std::function<std::optional<FontChoice>(const QFont&)> dialog) { fontDialog = std::move(dialog); }

void CommandFont_Click() {
    LadderProgrammeren& w = mainWindow();
    const std::optional<FontChoice> choice = fontDialog ? fontDialog(w.CommandFont->font()) : qtFontDialog(w.CommandFont->font());
    if (choice && !choice->font.family().isEmpty()) {
        for (QWidget* child : w.findChildren<QWidget*>()) {
            if (child->isWindow()) continue;  // popups of lists are no controls of the window
            apply(child, *choice);
        }
        applyToCells(w, *choice);
    }
    shared.KnopAccent = false;
    LadderProgrammeren::SetButtonColor(w.CommandFont, 0xD7D7D7);
}

}  // namespace tamberlo
