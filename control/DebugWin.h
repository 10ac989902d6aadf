#pragma once
// The trace window: a modeless window that lists, with time stamps, every
// line the control sends and receives and every step of a module search.
// The object lives with the control; its window is created on request and
// destroyed when the user closes it. Nothing is traced while there is no
// window or tracing is stopped.
//
// Adding a line costs the same at any length of the list: the list keeps the
// newest kLineLimit lines, and the view is scrolled to the newest line at most
// once per kScrollDelayMs rather than laid out again for every line.

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
    static constexpr int kScrollDelayMs = 50;
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

    QStringList Lines() const;
    // The text "Copy" puts on the clipboard.
    QString CopyText() const;

private:
    class LineModel;
    void ShowNewestLine();

    QDialog* window_ = nullptr;
    QListView* list_ = nullptr;
    LineModel* lines_ = nullptr;
    QTimer* scroll_ = nullptr;
    std::uint32_t timeBase_ = 0;
    bool restart_ = true;
    bool tracing_ = false;
};

// "%07.3f" of seconds, with '.' whatever the locale.
QString FormatTraceSeconds(double seconds);

}  // namespace kelvanor
