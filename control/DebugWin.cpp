#include "DebugWin.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <deque>

#include "MessagePump.h"
#include "TraceLineDelegate.h"

namespace kelvanor {
namespace {

// The window's close box behaves as its OK button.
class TraceDialog final : public QDialog {
public:
    explicit TraceDialog(CDebugWin* owner) : owner_(owner) {}
    // The window outlives its owner until its deferred deletion.
    void Detach() {
        owner_ = nullptr;
        for (QPushButton* b : findChildren<QPushButton*>()) b->disconnect();
    }

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (owner_) owner_->OnOK();
    }
    void reject() override {
        if (owner_) owner_->OnOK();
    }

private:
    CDebugWin* owner_;
};

}  // namespace

// The window's lines, newest last, at most kLineLimit of them.
class CDebugWin::LineModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : static_cast<int>(lines_.size()); }
    // The view asks for the index of every row at each layout of the list:
    // no detour through the virtual row and column counts.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override {
        if (parent.isValid() || column != 0 || row < 0 || static_cast<std::size_t>(row) >= lines_.size()) return {};
        return createIndex(row, 0);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        return lines_[static_cast<std::size_t>(index.row())];
    }
    // Appends the lines in one insertion and drops the oldest beyond the limit in one removal.
    void Append(const QStringList& batch) {
        if (batch.isEmpty()) return;
        const int n = rowCount();
        beginInsertRows({}, n, n + static_cast<int>(batch.size()) - 1);
        lines_.insert(lines_.end(), batch.begin(), batch.end());
        endInsertRows();
        const int excess = rowCount() - kLineLimit;
        if (excess > 0) {
            beginRemoveRows({}, 0, excess - 1);
            lines_.erase(lines_.begin(), lines_.begin() + excess);
            endRemoveRows();
        }
    }
    void Clear() {
        beginResetModel();
        lines_.clear();
        endResetModel();
    }
    const std::deque<QString>& lines() const { return lines_; }

private:
    std::deque<QString> lines_;
};

QString FormatTraceSeconds(double seconds) { return QString::number(seconds, 'f', 3).rightJustified(7, QLatin1Char('0')); }

CDebugWin::~CDebugWin() { DestroyWindow(); }

void CDebugWin::CreateWindow() {
    if (window_) return;
    auto* dialog = new TraceDialog(this);
    dialog->setWindowTitle(QStringLiteral("Trace Window"));
    dialog->resize(400, 340);
    list_ = new QListView(dialog);
    // Every line has the same height: the view need not measure each one.
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setItemDelegate(new TraceLineDelegate(list_));
    lines_ = new LineModel(dialog);
    list_->setModel(lines_);
    batchTimer_ = new QTimer(dialog);
    batchTimer_->setSingleShot(true);
    batchTimer_->setInterval(kBatchDelayMs);
    QObject::connect(batchTimer_, &QTimer::timeout, dialog, [this] { ShowBatch(); });
    auto* clear = new QPushButton(QStringLiteral("Clear"), dialog);
    auto* startStop = new QPushButton(QStringLiteral("Start/Stop"), dialog);
    auto* copy = new QPushButton(QStringLiteral("Copy"), dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {clear, startStop, copy, ok}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    QObject::connect(clear, &QPushButton::clicked, dialog, [this] { OnClear(); });
    QObject::connect(startStop, &QPushButton::clicked, dialog, [this] { OnStartStop(); });
    QObject::connect(copy, &QPushButton::clicked, dialog, [this] { OnCopy(); });
    QObject::connect(ok, &QPushButton::clicked, dialog, [this] { OnOK(); });
    window_ = dialog;
    tracing_ = true;
    restart_ = true;
    dialog->show();
}

void CDebugWin::DestroyWindow() {
    if (!window_) return;
    QDialog* w = window_;
    window_ = nullptr;
    list_ = nullptr;
    lines_ = nullptr;
    batch_.clear();
    batchTimer_->stop();
    batchTimer_ = nullptr;
    static_cast<TraceDialog*>(w)->Detach();
    w->hide();
    // The window may be destroyed from inside one of its own handlers.
    w->deleteLater();
}

void CDebugWin::TraceLine(const QString& text) {
    if (!tracing_ || !window_) return;
    if (restart_) {
        timeBase_ = GetTimeMs();
        restart_ = false;
    }
    const float elapsed = static_cast<float>(GetTimeMs() - timeBase_) / 1000.0f;
    batch_.append(FormatTraceSeconds(elapsed) + QStringLiteral(":\t") + text);
    // Lines the list would drop at once need not wait.
    if (batch_.size() > kLineLimit) batch_.remove(0, batch_.size() - kLineLimit);
    if (!batchTimer_->isActive()) batchTimer_->start();
}

void CDebugWin::ShowBatch() {
    if (!list_ || batch_.isEmpty()) return;
    lines_->Append(batch_);
    batch_.clear();
    // Selecting the newest line scrolls the list to it.
    list_->setCurrentIndex(lines_->index(lines_->rowCount() - 1));
}

void CDebugWin::OnClear() {
    if (lines_) lines_->Clear();
    batch_.clear();
    restart_ = true;
}

QString CDebugWin::CopyText() const {
    QString text;
    qsizetype bytes = 2;  // the closing zero
    for (const QString& line : Lines()) {
        const qsizetype need = (line.size() + 1) * 2;
        if (bytes + need > kCopyBlockBytes) break;
        text += line + QLatin1Char('\n');
        bytes += need;
    }
    return text;
}

void CDebugWin::OnCopy() {
    if (!window_) return;
    QApplication::clipboard()->setText(CopyText());
}

void CDebugWin::OnOK() {
    if (onCloseRequested) onCloseRequested();
    else DestroyWindow();
}

QStringList CDebugWin::Lines() const {
    QStringList lines;
    if (!lines_) return lines;
    // The batch holds at most kLineLimit lines: the list's oldest make up the rest.
    const auto& shown = lines_->lines();
    const std::size_t fromList = static_cast<std::size_t>(std::max<qsizetype>(0, kLineLimit - batch_.size()));
    const std::size_t skip = shown.size() > fromList ? shown.size() - fromList : 0;
    for (auto it = shown.begin() + static_cast<std::ptrdiff_t>(skip); it != shown.end(); ++it) lines << *it;
    lines << batch_;
    return lines;
}

}  // namespace kelvanor
