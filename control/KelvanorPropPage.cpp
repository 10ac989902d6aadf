#include "KelvanorPropPage.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "KelvanorCtrl.h"
#include "PortList.h"

namespace kelvanor {

CKelvanorPropPage::CKelvanorPropPage(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("General"));
    usb_ = new QCheckBox(QStringLiteral("USB"));
    com_ = new QCheckBox(QStringLiteral("COM"));
    search_ = new QLineEdit;
    exclude_ = new QLineEdit;
    show_ = new QCheckBox(QStringLiteral("Show Debug Window at startup"));
    usb_->setObjectName(QStringLiteral("211"));
    com_->setObjectName(QStringLiteral("212"));
    search_->setObjectName(QStringLiteral("213"));
    show_->setObjectName(QStringLiteral("214"));
    exclude_->setObjectName(QStringLiteral("217"));

    auto* searchBox = new QGroupBox(QStringLiteral("Search"));
    auto* searchLayout = new QGridLayout(searchBox);
    searchLayout->addWidget(usb_, 0, 0);
    searchLayout->addWidget(com_, 1, 0);
    searchLayout->addWidget(search_, 1, 1);

    auto* excludeBox = new QGroupBox(QStringLiteral("Exclude"));
    auto* excludeLayout = new QHBoxLayout(excludeBox);
    excludeLayout->addWidget(new QLabel(QStringLiteral("COM")));
    excludeLayout->addWidget(exclude_);

    auto* help =
        new QLabel(QStringLiteral("Assign here, which serial ports should be searched for connected Kelvanor modules and which "
                                  "ports should be excluded from the search. Enter the serial port numbers and/or ranges, "
                                  "separated by commas, e.g. 1-4, 12, 14."));
    help->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(searchBox);
    left->addWidget(excludeBox);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addWidget(help, 2);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(line);
    page->addWidget(show_);

    // About 250 x 110 dialog units of an 8-point dialog font.
    setMinimumSize(375, 180);
    connect(com_, &QCheckBox::clicked, this, [this] { OnClickedCom(); });
}

void CKelvanorPropPage::DoDataExchange(bool saving) {
    CKelvanorCtrl* ctrl = g_pCtrl;
    if (!saving) {
        if (ctrl) {
            const CKelvanorCtrl::Settings& s = ctrl->settings;
            excludeText_ = s.ExcludeCOM;
            searchText_ = s.SearchCOM;
            comFlag_ = s.UseSerial;
            usbFlag_ = s.UseUSB;
            showFlag_ = s.ShowAtStartup;
        }
        exclude_->setText(excludeText_);
        search_->setText(searchText_);
        com_->setChecked(comFlag_);
        usb_->setChecked(usbFlag_);
        show_->setChecked(showFlag_);
        return;
    }
    excludeText_ = exclude_->text();
    searchText_ = search_->text();
    comFlag_ = com_->isChecked();
    usbFlag_ = usb_->isChecked();
    showFlag_ = show_->isChecked();
    if (!ctrl) return;
    CKelvanorCtrl::Settings& s = ctrl->settings;
    s.ExcludeCOM = NormalisePortList(excludeText_);
    s.SearchCOM = NormalisePortList(searchText_);
    s.UseSerial = comFlag_;
    s.UseUSB = usbFlag_;
    s.ShowAtStartup = showFlag_;
    ctrl->SetModifiedFlag();
}

int CKelvanorPropPage::OnInitDialog() {
    DoDataExchange(false);
    search_->setEnabled(comFlag_);
    exclude_->setEnabled(comFlag_);
    return 0;
}

void CKelvanorPropPage::OnClickedCom() {
    const bool on = com_->isChecked();
    search_->setEnabled(on);
    exclude_->setEnabled(on);
}

}  // namespace kelvanor
