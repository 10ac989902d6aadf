#include "DebugWin.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "MessagePump.h"

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

QString FormatTraceSeconds(double seconds) {
    return QString::number(seconds, 'f', 3).rightJustified(7, QLatin1Char('0'));
}

CDebugWin::~CDebugWin() { DestroyWindow(); }

void CDebugWin::CreateWindow() {
    if (window_) return;
    auto* dialog = new TraceDialog(this);
    dialog->setWindowTitle(QStringLiteral("Trace Window"));
    dialog->resize(400, 340);
    list_ = new QListWidget(dialog);
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
    list_->addItem(FormatTraceSeconds(elapsed) + QStringLiteral(":\t") + text);
    while (list_->count() > kLineLimit) delete list_->takeItem(0);
    list_->setCurrentRow(list_->count() - 1);
}

void CDebugWin::OnClear() {
    if (list_) list_->clear();
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
    if (onCloseRequested)
        onCloseRequested();
    else
        DestroyWindow();
}

QStringList CDebugWin::Lines() const {
    QStringList lines;
    if (!list_) return lines;
    for (int i = 0; i < list_->count(); ++i) lines << list_->item(i)->text();
    return lines;
}

}  // namespace kelvanor
