#include "EditorTabs.h"

#include <QResizeEvent>
#include <QVBoxLayout>

namespace tamberlo {

EditorTabs::EditorTabs(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)), panels_(new QStackedWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(panels_, 1);
    bar_->setExpanding(true);
    bar_->setDrawBase(true);
    connect(bar_, &QTabBar::currentChanged, this, [this](int tab) {
        if (!silent_ && tab >= 0 && handler_) handler_(tab);
    });
}

int EditorTabs::addTab(const QString& caption) {
    const bool wasSilent = silent_;
    silent_ = true;  // the first tab added becomes current: no user choice
    const int tab = bar_->addTab(caption);
    silent_ = wasSilent;
    setTabCaption(tab, caption);
    return tab;
}

void EditorTabs::setTabCaption(int tab, const QString& caption) {
    if (tab < 0 || tab >= bar_->count()) return;
    bar_->setTabData(tab, caption);
    fitCaptions();
}

QString EditorTabs::tabCaption(int tab) const { return bar_->tabData(tab).toString(); }

void EditorTabs::fitCaptions() {
    if (bar_->count() == 0) return;
    const int share = width() / bar_->count() - 16;
    const QFontMetrics metrics(bar_->font());
    for (int tab = 0; tab < bar_->count(); ++tab) {
        QString text = bar_->tabData(tab).toString();
        if (metrics.horizontalAdvance(text) > share) text.replace(QLatin1Char(' '), QLatin1Char('\n'));
        if (bar_->tabText(tab) != text) bar_->setTabText(tab, text);
    }
}

void EditorTabs::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    fitCaptions();
}
int EditorTabs::count() const { return bar_->count(); }
int EditorTabs::current() const { return bar_->currentIndex(); }

void EditorTabs::select(int tab, Handler handler) {
    if (tab < 0 || tab >= bar_->count()) return;
    const bool wasSilent = silent_;
    silent_ = handler == Handler::Skip;
    bar_->setCurrentIndex(tab);
    silent_ = wasSilent;
}

void EditorTabs::addPanel(QWidget* panel) { panels_->addWidget(panel); }
void EditorTabs::bringToFront(QWidget* panel) {
    if (panels_->indexOf(panel) >= 0) panels_->setCurrentWidget(panel);
}
QWidget* EditorTabs::front() const { return panels_->currentWidget(); }

}  // namespace tamberlo
