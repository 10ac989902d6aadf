#pragma once
// The control's property page: the five port settings of the control
// constructed last. Loading fills the page from the control; saving writes
// the page back (the port lists normalised) and marks the settings so the
// control writes its ini file when it is destroyed.

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace kelvanor {

class CKelvanorPropPage final : public QWidget {
    Q_OBJECT
public:
    explicit CKelvanorPropPage(QWidget* parent = nullptr);

    // saving false: control -> page; saving true: page -> control.
    void DoDataExchange(bool saving);
    // Loads the page and enables the list edits by the COM box; returns 0.
    int OnInitDialog();

    QCheckBox* usbBox() const { return usb_; }
    QCheckBox* comBox() const { return com_; }
    QLineEdit* searchEdit() const { return search_; }
    QLineEdit* excludeEdit() const { return exclude_; }
    QCheckBox* showAtStartupBox() const { return show_; }

private:
    void OnClickedCom();

    // What the page exchanges, in the control's terms.
    QString excludeText_;
    QString searchText_;
    bool comFlag_ = false;
    bool usbFlag_ = false;
    bool showFlag_ = false;

    QCheckBox* usb_;      // 211
    QCheckBox* com_;      // 212
    QLineEdit* search_;   // 213
    QLineEdit* exclude_;  // 217
    QCheckBox* show_;     // 214
};

}  // namespace kelvanor
