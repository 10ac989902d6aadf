#pragma once
// The trace window: a modeless window that lists, with time stamps, every
// line the control sends and receives and every step of a module search.
// The object lives with the control; its window is created on request and
// destroyed when the user closes it. Nothing is traced while there is no
// window or tracing is stopped.
//
// Adding a line costs the same at any length of the list, and little: a new
// line waits with the others that came in the same kBatchDelayMs, and the
// list takes them in one insertion, so the view is laid out, scrolled to the
// newest line and repainted at most once per kBatchDelayMs rather than for
// every line (a module at full speed traces hundreds of lines a second). The
// list keeps the newest kLineLimit lines.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class QDialog;
class QListView;
class QTimer;

namespace kelvanor {

class CDebugWin {
public:
    static constexpr int kLineLimit = 20000;  // oldest lines go beyond this
    // Ten repaints a second keep up with a reader, and keep the open window's
    // cost within half of what the rest of a busy run costs.
    static constexpr int kBatchDelayMs = 100;
    static constexpr int kCopyBlockBytes = 256000;

    CDebugWin() = default;
    ~CDebugWin();
    CDebugWin(const CDebugWin&) = delete;
    CDebugWin& operator=(const CDebugWin&) = delete;

    // Creates and shows the window when it has none (tracing on, clock restarted).
    void CreateWindow();
    // Destroys the window (the control does this when the window asks for it).
    void DestroyWindow();
    bool HasWindow() const { return window_ != nullptr; }
    QDialog* window() const { return window_; }
    // Called when the user closes the window (OK or the close box).
    std::function<void()> onCloseRequested;

    void TraceLine(const QString& text);
    bool tracing() const { return tracing_; }

    // The buttons.
    void OnClear();
    void OnStartStop() { tracing_ = !tracing_; }
    void OnCopy();
    void OnOK();

    // Every line traced and kept, the batch not yet shown included.
    QStringList Lines() const;
    // The text "Copy" puts on the clipboard.
    QString CopyText() const;

private:
    class LineModel;
    void ShowBatch();

    QDialog* window_ = nullptr;
    QListView* list_ = nullptr;
    LineModel* lines_ = nullptr;
    QStringList batch_;  // traced, not yet in the list
    QTimer* batchTimer_ = nullptr;
    std::uint32_t timeBase_ = 0;
    bool restart_ = true;
    bool tracing_ = false;
};

// "%07.3f" of seconds, with '.' whatever the locale.
QString FormatTraceSeconds(double seconds);

}  // namespace kelvanor
