#pragma once
// ControlTest: the control's parts linked into the test, with its message
// boxes and modal dialogs captured instead of shown.

#include <QDialog>
#include <QStringList>

#include "ControlFixture.h"
#include "ControlMessages.h"

namespace kelvanor::test {

class ControlTest : public EmulatedModulesTest {
protected:
    ControlTest() {
        SetMessageBoxHook([this](const QString& text, const QString& caption) {
            messages << text;
            captions << caption;
        });
        SetModalHook([this](QDialog& d) { modalTitles << d.windowTitle(); });
    }
    ~ControlTest() override {
        SetMessageBoxHook({});
        SetModalHook({});
    }

    QStringList messages, captions, modalTitles;
};

}  // namespace kelvanor::test
