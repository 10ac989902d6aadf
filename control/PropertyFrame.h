#pragma once
// The frame around the control's property page: one tab, "General", and the
// buttons OK, Cancel and Apply. OK and Apply save the page into the control.

#include <QDialog>

class QPushButton;

namespace kelvanor {

class CKelvanorPropPage;

class PropertyFrame final : public QDialog {
    Q_OBJECT
public:
    explicit PropertyFrame(QWidget* parent = nullptr);

    CKelvanorPropPage* page() const { return page_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* applyButton() const { return apply_; }

private:
    CKelvanorPropPage* page_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* apply_;
};

}  // namespace kelvanor
