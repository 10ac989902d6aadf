// The toolbar's hover highlight: the button under the mouse white, the others
// light grey; the surfaces around the buttons take the highlight away again.
// The close button's right press shows the version box.
#include <QEvent>
#include <QMouseEvent>

#include <algorithm>
#include <vector>

#include "Dialogs.h"
#include "LadderProgrammeren.h"
#include "LanguageText.h"
#include "MainWindowCommands.h"
#include "SharedState.h"
#include "Version.h"

namespace tamberlo {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0xD7D7D7;

class ToolbarHover : public QObject {
public:
    explicit ToolbarHover(LadderProgrammeren& w) : QObject(&w), w_(w), buttons_(ToolbarButtons(w)) {
        for (QPushButton* b : buttons_) {
            watch(b);
            // A move over a button is the button's alone, not the panel's around it.
            b->setAttribute(Qt::WA_NoMousePropagation);
        }
        std::vector<QPushButton*> allButAbout;
        for (QPushButton* b : buttons_)
            if (b != w.CommandAbout) allButAbout.push_back(b);
        const std::vector<QPushButton*> all(buttons_.begin(), buttons_.end());
        surfaces_ = {{&w, allButAbout},
                     {w.PanelBesturing, allButAbout},
                     {w.PanelStartStop,
                      {w.CommandStart, w.CommandStop, w.CommandWissen, w.CommandSchrijven, w.CommandLezen, w.CommandPauze,
                       w.CommandAfsluiten, w.CommandDashboard, w.CommandFont, w.CommandClipBoard}},
                     {w.PictureProgrammeerVenster, all},
                     {w.SSPanel70, all},
                     {w.SSPanel79, all}};
        for (const Surface& s : surfaces_) watch(s.widget);
    }

protected:
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() == QEvent::MouseMove) {
            if (auto* b = qobject_cast<QPushButton*>(obj); b && std::ranges::count(buttons_, b)) hover(b);
            for (const Surface& s : surfaces_)
                if (s.widget == obj) reset(s.buttons);
        } else if (e->type() == QEvent::MouseButtonPress && obj == w_.CommandAfsluiten &&
                   static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            dialogs().MsgBox(VersionBoxText(), MsgButtons::Ok);
            return true;  // a right press is not a click of the close button
        }
        return false;
    }

private:
    struct Surface {
        QWidget* widget;
        std::vector<QPushButton*> buttons;
    };

    void watch(QWidget* w) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    void hover(QPushButton* button) {
        // Moving within a button that is white already paints nothing.
        if (LadderProgrammeren::ButtonColor(button) == kWhite) return;
        shared.KnopAccent = true;
        LadderProgrammeren::SetButtonColor(button, kWhite);
        for (QPushButton* b : buttons_)
            if (b != button && LadderProgrammeren::ButtonColor(b) != kGrey) LadderProgrammeren::SetButtonColor(b, kGrey);
    }

    static void reset(const std::vector<QPushButton*>& buttons) {
        if (!shared.KnopAccent) return;
        shared.KnopAccent = false;
        for (QPushButton* b : buttons)
            if (LadderProgrammeren::ButtonColor(b) == kWhite) LadderProgrammeren::SetButtonColor(b, kGrey);
    }

    LadderProgrammeren& w_;
    std::array<QPushButton*, 13> buttons_;
    std::vector<Surface> surfaces_;
};

}  // namespace

std::array<QPushButton*, 13> ToolbarButtons(const LadderProgrammeren& w) {
    return {w.CommandStart,     w.CommandPauze,     w.CommandStop,    w.CommandWissen, w.CommandLezen,
            w.CommandSchrijven, w.CommandClipBoard, w.CommandPrinten, w.CommandFont,   w.CommandAfsluiten,
            w.CommandTaal,      w.CommandDashboard, w.CommandAbout};
}

void InstallToolbarHover(LadderProgrammeren& w) { new ToolbarHover(w); }

QString VersionBoxText() {
    const QChar cr('\r');
    return T("Versie ", "Version ") + VersionNumber() + cr + cr + Copyright() + cr + cr + QStringLiteral("https://tamberlo") +
           MakerDomain();
}

}  // namespace tamberlo
