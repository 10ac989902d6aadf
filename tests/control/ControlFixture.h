#pragma once
// Common ground for the control's tests: a private ini folder, a private COM
// folder (TAMBERLO_COM_DIR) for emulated modules, a private registration file,
// and the control's message boxes and modal dialogs captured.

#include <QByteArray>
#include <QDir>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ControlMessages.h"
#include "ModuleEmulator.h"
#include "ScopedEnv.h"

namespace kelvanor::test {

using ScopedEnv = tamberlo::test::ScopedEnv;  // one helper for every test

class ControlTest : public ::testing::Test {
protected:
    ControlTest()
        : config_(QByteArray("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")).toLocal8Bit()),
          comDir_("TAMBERLO_COM_DIR", dir_.filePath(QStringLiteral("com")).toLocal8Bit()),
          registry_("TAMBERLO_COM_REGISTRY", dir_.filePath(QStringLiteral("ComClasses.reg")).toLocal8Bit()) {
        QDir().mkpath(dir_.filePath(QStringLiteral("com")));
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

    QString comFolder() const { return dir_.filePath(QStringLiteral("com")); }
    QString iniPath() const { return dir_.filePath(QStringLiteral("config/Kelvanor/Kelvanor.ini")); }

    // A module emulator linked as COM n.
    ModuleEmulator& AddModule(int com, ModuleEmulator::Options options) {
        modules_.push_back(std::make_unique<ModuleEmulator>(options));
        modules_.back()->LinkAs(comFolder(), com);
        return *modules_.back();
    }

    QStringList messages, captions, modalTitles;

private:
    QTemporaryDir dir_;
    ScopedEnv config_;
    ScopedEnv comDir_;
    ScopedEnv registry_;
    std::vector<std::unique_ptr<ModuleEmulator>> modules_;
};

}  // namespace kelvanor::test
