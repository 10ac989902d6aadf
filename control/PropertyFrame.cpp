#include "PropertyFrame.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ControlMessages.h"
#include "KelvanorPropPage.h"
#include "PropertyPage.h"

namespace kelvanor {

PropertyFrame::PropertyFrame(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kelvanor Properties"));
    auto* tabs = new QTabWidget;
    page_ = new CKelvanorPropPage;
    tabs->addTab(page_, page_->windowTitle());
    page_->OnInitDialog();

    ok_ = new QPushButton(QStringLiteral("OK"));
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    apply_ = new QPushButton(QStringLiteral("Apply"));
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addWidget(apply_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, [this] {
        page_->DoDataExchange(true);
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this] { page_->DoDataExchange(true); });
}

void ShowPropertyPage(CKelvanorCtrl&) {
    // The control has no window of its own here: the frame belongs to the
    // host's active window, when there is one.
    PropertyFrame frame(QApplication::activeWindow());
    RunModal(frame);
}

}  // namespace kelvanor
