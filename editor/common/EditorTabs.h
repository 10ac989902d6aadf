#pragma once
// An editor's tab control: a tab bar over panels that lie on top of each
// other. Choosing a tab (by the user, or by code with RunIfChanged) runs the
// click handler with the tab now chosen; which panel lies in front is the
// editor's own decision (bringToFront), not the tab bar's. Captions too wide
// for a narrow edit area wrap at their blanks; each tab is as wide as its
// longest word needs, in a font made smaller where the words would not fit.

#include <QFont>
#include <QStackedWidget>
#include <QTabBar>
#include <QWidget>

#include <functional>

#include "CodeSetting.h"

namespace tamberlo {

class EditorTabs : public QWidget {
    Q_OBJECT
public:
    explicit EditorTabs(QWidget* parent = nullptr);

    int addTab(const QString& caption);
    void setTabCaption(int tab, const QString& caption);
    QString tabCaption(int tab) const;
    int count() const;

    int current() const;
    // Chooses `tab` from code; an index outside the tabs does nothing.
    void select(int tab, Handler handler);

    // The panels of the tab area; the area takes ownership.
    void addPanel(QWidget* panel);
    void bringToFront(QWidget* panel);
    QWidget* front() const;

    void onClick(std::function<void(int)> handler) { handler_ = std::move(handler); }
    QTabBar* bar() const { return bar_; }

    // Tells the tabs holding `control` (if any) that the user chose with it.
    static void announceChoiceFrom(QWidget* control);

signals:
    // A tab was chosen (not by a fill), or an option on one of the panels by
    // the user; emitted before the choice's handler runs.
    void choiceMade();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    // A caption too wide for its tab is shown one word a line.
    void fitCaptions();
    void arrange();

    QTabBar* bar_;
    QFont captionFont_;  // the bar's font before it is made smaller to fit
    QStackedWidget* panels_;
    bool silent_ = false;
    std::function<void(int)> handler_;
};

}  // namespace tamberlo
