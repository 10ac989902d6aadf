#pragma once
// A top-level window of the program. Such windows have no parent widget, so
// that disabling the main window never disables them.
//
// ShowOver(owner): shown without being modal while `owner` (the main window)
// is disabled. The window's own OK/Cancel buttons, its close box and Esc all
// end in CancelPath()/GoBack(), so the owner is never left disabled.

#include <QPointer>
#include <QWidget>

namespace tamberlo {

class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(QWidget* parent = nullptr);

    // Disables `owner`, then shows this window (not modal) and raises it.
    void ShowOver(QWidget* owner);
    // Hides this window and enables the owner it was shown over.
    void GoBack();
    // What the close box and Esc do; by default GoBack(). A window with a
    // Cancel button routes that button here too.
    virtual void CancelPath();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace tamberlo
