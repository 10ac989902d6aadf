#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "Dialogs.h"
#include "LineEnds.h"

namespace tamberlo {
namespace {

QWidget* parentWindow() { return QApplication::activeWindow(); }

// "Ladder programs (*.vpp)": the readable name, or the pattern itself when there is none.
QString filter(const FileDialogRequest& r) {
    const QString pattern = QStringLiteral("*.") + r.defaultExt;
    return QStringLiteral("%1 (%2)").arg(r.filterName.isEmpty() ? pattern : r.filterName, pattern);
}

class QtDialogs final : public Dialogs {
public:
    MsgResult MsgBox(const QString& text, MsgButtons buttons, const QString& title) override {
        return MsgBoxWithIcon(text, buttons, title, MsgIcon::None);
    }
    MsgResult MsgBoxWithIcon(const QString& text, MsgButtons buttons, const QString& title, MsgIcon icon) override {
        QMessageBox::StandardButtons shown = QMessageBox::Ok;
        if (buttons == MsgButtons::OkCancel) shown = QMessageBox::Ok | QMessageBox::Cancel;
        if (buttons == MsgButtons::YesNo) shown = QMessageBox::Yes | QMessageBox::No;
        QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                        title.isEmpty() ? ProgramTitle() : title, WithQtLineEnds(text), shown, parentWindow());
        // A message may quote what was typed or read from a file: "<b>" there is text, not markup.
        box.setTextFormat(Qt::PlainText);
        if (buttons == MsgButtons::YesNo) box.setDefaultButton(QMessageBox::No);  // Enter throws nothing away
        const int answer = box.exec();
        return answer == QMessageBox::Ok || answer == QMessageBox::Yes ? MsgResult::Ok : MsgResult::Cancel;
    }
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override {
        bool ok = false;
        QString s = QInputDialog::getText(parentWindow(), title.isEmpty() ? ProgramTitle() : title, WithQtLineEnds(prompt),
                                          QLineEdit::Normal, defaultText, &ok);
        return ok ? s : QString();
    }
    QString OpenFile(const FileDialogRequest& r) override {
        return QFileDialog::getOpenFileName(
            parentWindow(), QString(), r.startFolder,
            filter(r) + QStringLiteral(";;%1 (*)").arg(r.allFilesName.isEmpty() ? QStringLiteral("*") : r.allFilesName));
    }
    QString SaveFile(const FileDialogRequest& r) override {
        QFileDialog dlg(parentWindow(), QString(), r.startFolder, filter(r));
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(r.defaultExt);
        // The program asks about overwriting itself.
        dlg.setOption(QFileDialog::DontConfirmOverwrite);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
        return dlg.selectedFiles().first();
    }
};

QtDialogs qtDialogs;
Dialogs* current = nullptr;

}  // namespace

Dialogs& dialogs() { return current ? *current : static_cast<Dialogs&>(qtDialogs); }
void SetDialogs(Dialogs* d) { current = d; }
QString ProgramTitle() { return QStringLiteral("Tamberlo"); }

}  // namespace tamberlo
