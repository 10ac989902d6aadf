#include "EditorTabs.h"

#include <QResizeEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <algorithm>
#include <numeric>
#include <vector>

#include "ShrinkToFit.h"

namespace tamberlo {

namespace {

// A tab bar whose tabs share its width, each by the widths its owner gives
// them, and grow in height for captions wrapped over several lines.
class SharedWidthTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;
    std::vector<int> widths;

protected:
    QSize tabSizeHint(int index) const override {
        const QSize hint = QTabBar::tabSizeHint(index);
        int lines = 1;
        for (int tab = 0; tab < count(); ++tab) lines = std::max<int>(lines, tabText(tab).count(QLatin1Char('\n')) + 1);
        const int width = index < int(widths.size()) ? widths[std::size_t(index)] : hint.width();
        return {width, std::max(hint.height(), lines * fontMetrics().height() + 10)};
    }

    // The style's label margins are too wide for a narrow bar: the shapes come
    // from the style, the captions use the whole tab.
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        for (int tab = 0; tab < count(); ++tab) {
            QStyleOptionTab option;
            initStyleOption(&option, tab);
            const QString text = option.text;
            option.text.clear();
            painter.drawControl(QStyle::CE_TabBarTab, option);
            painter.setPen(palette().color(isTabEnabled(tab) ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
            painter.drawText(option.rect.adjusted(2, 2, -2, 0), Qt::AlignCenter, text);
        }
    }
};

// Words of `text` joined into lines no wider than `width`.
QString wrapped(const QString& text, const QFontMetrics& metrics, int width) {
    QString out;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            out += line + QLatin1Char('\n');
            line = word;
        } else {
            line = candidate;
        }
    }
    return out + line;
}

}  // namespace

EditorTabs::EditorTabs(QWidget* parent) : QWidget(parent), bar_(new SharedWidthTabBar(this)), panels_(new QStackedWidget(this)) {
    bar_->setExpanding(true);
    bar_->setDrawBase(true);
    bar_->setUsesScrollButtons(false);
    bar_->setElideMode(Qt::ElideNone);
    captionFont_ = bar_->font();
    captionFont_.setPointSizeF(captionFont_.pointSizeF() * 0.8);
    bar_->setFont(captionFont_);
    connect(bar_, &QTabBar::currentChanged, this, [this](int tab) {
        if (silent_ || tab < 0 || !handler_) return;
        emit choiceMade();
        handler_(tab);
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
    const int tabs = bar_->count();
    if (tabs == 0) return;
    // Each tab needs room for the longest word of its caption. The bar's font
    // gets smaller until those fit side by side; what is left is shared out.
    constexpr int kPadding = 8;
    std::vector<int> widths(std::size_t(tabs), 0);
    auto widthsIn = [&](const QFont& font) {
        const QFontMetrics metrics(font);
        for (int tab = 0; tab < tabs; ++tab) {
            int longest = 0;
            for (const QString& word : bar_->tabData(tab).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                longest = std::max(longest, metrics.horizontalAdvance(word));
            widths[std::size_t(tab)] = longest + kPadding;
        }
        return std::accumulate(widths.begin(), widths.end(), 0);
    };
    const QFont font = ShrinkToFit(captionFont_, [&](const QFont& f) { return widthsIn(f) <= width(); });
    if (bar_->font() != font) bar_->setFont(font);
    int left = width() - widthsIn(font);
    for (int tab = 0; tab < tabs; ++tab) {
        const int share = std::max(0, left) / (tabs - tab);
        widths[std::size_t(tab)] += share;
        left -= share;
    }
    static_cast<SharedWidthTabBar*>(bar_)->widths = widths;
    const QFontMetrics metrics(font);
    for (int tab = 0; tab < tabs; ++tab) {
        const QString text = wrapped(bar_->tabData(tab).toString(), metrics, widths[std::size_t(tab)] - 6);
        if (bar_->tabText(tab) != text) bar_->setTabText(tab, text);
    }
    arrange();
}

void EditorTabs::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    fitCaptions();
}

void EditorTabs::arrange() {
    // Placed by hand: a layout would hold the bar at the width its tabs once asked for.
    bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
    panels_->setGeometry(0, bar_->height(), width(), height() - bar_->height());
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

void EditorTabs::announceChoiceFrom(QWidget* control) {
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<EditorTabs*>(w)) {
            emit tabs->choiceMade();
            return;
        }
}

}  // namespace tamberlo
