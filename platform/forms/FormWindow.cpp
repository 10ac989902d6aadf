#include "FormWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace tamberlo {

FormWindow::FormWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}

void FormWindow::ShowOver(QWidget* owner) {
    owner_ = owner;
    if (owner_) owner_->setEnabled(false);
    show();
    raise();
    activateWindow();
}

void FormWindow::GoBack() {
    hide();
    if (owner_) owner_->setEnabled(true);
    owner_ = nullptr;
}

void FormWindow::CancelPath() { GoBack(); }

void FormWindow::closeEvent(QCloseEvent* e) {
    // The window stays loaded; closing it hides it the way its own buttons do.
    e->ignore();
    CancelPath();
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        CancelPath();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace tamberlo
