#include "DialogPrinten.h"

#include <QFrame>

#include "LanguageText.h"
#include "Picture.h"
#include "PrintFont.h"
#include "SharedState.h"
#include "SoleWindow.h"
#include "Twips.h"

namespace tamberlo {

namespace {

SoleWindow<DialogPrinten> window;

QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace

DialogPrinten::DialogPrinten(QWidget* parent) : FormWindow(parent) {
    setObjectName("DialogPrinten");
    setWindowTitle(QStringLiteral("Tamberlo - Afdrukgegevens invoeren."));
    setFixedSize(TwipsToPixels(6030), TwipsToPixels(2610));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(TwipsRect(4680, 120, 1215, 375));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(TwipsRect(4680, 600, 1215, 375));

    const QFont font = PrintFont(kPrintFontName, 9.75);
    LabelNaam = new VbLabel(this);
    LabelNaam->setObjectName("LabelNaam");
    LabelNaam->SetCaption(QStringLiteral("Geschreven door:"));
    LabelNaam->setGeometry(TwipsRect(240, 480, 3735, 375));
    TextNaam = new QLineEdit(this);
    TextNaam->setObjectName("TextNaam");
    TextNaam->setGeometry(TwipsRect(240, 840, 3855, 375));
    LabelAfdeling = new VbLabel(this);
    LabelAfdeling->setObjectName("LabelAfdeling");
    LabelAfdeling->SetCaption(QStringLiteral("Afdeling:"));
    LabelAfdeling->setGeometry(TwipsRect(240, 1560, 3735, 375));
    TextAfdeling = new QLineEdit(this);
    TextAfdeling->setObjectName("TextAfdeling");
    TextAfdeling->setGeometry(TwipsRect(240, 1920, 3855, 375));
    for (QWidget* w : std::initializer_list<QWidget*>{LabelNaam, TextNaam, LabelAfdeling, TextAfdeling}) w->setFont(font);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    Frame1 = frame;
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(TwipsRect(4680, 1200, 1215, 1215));
    Picture1 = new QLabel(Frame1);
    Picture1->setObjectName("Picture1");
    Picture1->setPixmap(LoadPicture(QStringLiteral("Logo.bmp")).scaled(48, 48, Qt::KeepAspectRatio));
    Picture1->setGeometry((Frame1->width() - 48) / 2, (Frame1->height() - 48) / 2, 48, 48);

    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, TextNaam);
    setTabOrder(TextNaam, TextAfdeling);

    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
}

void DialogPrinten::showEvent(QShowEvent* e) {
    // Every opening shows the captions of the current language and the last
    // print's details, so text typed before a Cancel is not offered again.
    SetCaptions();
    FillBoxes();
    FormWindow::showEvent(e);
}

void DialogPrinten::SetCaptions() {
    setWindowTitle(T("Tamberlo - Afdrukgegevens invoeren.", "Tamberlo - Input print data."));
    CancelButton->setText(T("Annuleer", "Cancel"));
    LabelNaam->SetCaption(T("Geschreven door:", "Written by:"));
    LabelAfdeling->SetCaption(T("Afdeling", "Department:"));
}

void DialogPrinten::FillBoxes() {
    const bool cancelled = shared.PrintNaam == QLatin1String("#");
    TextNaam->setText(cancelled ? QString() : shared.PrintNaam);
    TextAfdeling->setText(cancelled ? QString() : shared.PrintAfdeling);
}

void DialogPrinten::OKButton_Click() {
    shared.PrintNaam = TextNaam->text();
    shared.PrintAfdeling = TextAfdeling->text();
    GoBack();
}

void DialogPrinten::CancelButton_Click() {
    shared.PrintNaam = QStringLiteral("#");
    shared.PrintAfdeling = QStringLiteral("#");
    GoBack();
}

void DialogPrinten::CancelPath() { CancelButton_Click(); }

DialogPrinten& printDetailsWindow() { return window.get(); }

void forgetPrintDetailsWindow() { window.forget(); }

}  // namespace tamberlo
