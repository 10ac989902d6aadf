#pragma once
// The print details window `DialogPrinten`: the author and the department
// for the printed header. OK keeps what was typed in PrintNaam and
// PrintAfdeling; Cancel, the close box and Esc set both to "#". Either way
// the window hides and the main window is enabled again.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "FormWindow.h"
#include "VbLabel.h"

namespace tamberlo {

class DialogPrinten : public FormWindow {
    Q_OBJECT
public:
    explicit DialogPrinten(QWidget* parent = nullptr);

    void CancelPath() override;  // close box and Esc: as Cancel

    VbLabel* LabelNaam;
    QLineEdit* TextNaam;
    VbLabel* LabelAfdeling;
    QLineEdit* TextAfdeling;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QWidget* Frame1;
    QLabel* Picture1;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void OKButton_Click();
    void CancelButton_Click();
    void SetCaptions();
    void FillBoxes();
};

// The print details window `DialogPrinten`, created hidden at the first reference.
DialogPrinten& printDetailsWindow();
// Tests: destroys it so the next reference creates it anew.
void forgetPrintDetailsWindow();

}  // namespace tamberlo
