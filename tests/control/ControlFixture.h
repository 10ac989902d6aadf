#pragma once
// Common ground for the control's tests: a private ini folder, a private COM
// folder (TAMBERLO_COM_DIR) for emulated modules, a private registration file
// (EmulatedModulesTest, for tests that host the built library as the program
// does), and the control's message boxes and modal dialogs captured
// (ControlTest, for tests that link the control's parts).

#include <QByteArray>
#include <QDialog>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ModuleEmulator.h"
#include "ScopedEnv.h"

namespace kelvanor::test {

using ScopedEnv = tamberlo::test::ScopedEnv;  // one helper for every test

class EmulatedModulesTest : public ::testing::Test {
protected:
    EmulatedModulesTest()
        : config_(QByteArray("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")).toLocal8Bit()),
          comDir_("TAMBERLO_COM_DIR", dir_.filePath(QStringLiteral("com")).toLocal8Bit()),
          registry_("TAMBERLO_COM_REGISTRY", dir_.filePath(QStringLiteral("ComClasses.reg")).toLocal8Bit()) {
        QDir().mkpath(dir_.filePath(QStringLiteral("com")));
    }

    QString comFolder() const { return dir_.filePath(QStringLiteral("com")); }
    QString iniPath() const { return dir_.filePath(QStringLiteral("config/Kelvanor/Kelvanor.ini")); }

    // A module emulator linked as COM n.
    ModuleEmulator& AddModule(int com, ModuleEmulator::Options options) {
        modules_.push_back(std::make_unique<ModuleEmulator>(options));
        modules_.back()->LinkAs(comFolder(), com);
        return *modules_.back();
    }

private:
    QTemporaryDir dir_;
    ScopedEnv config_;
    ScopedEnv comDir_;
    ScopedEnv registry_;
    std::vector<std::unique_ptr<ModuleEmulator>> modules_;
};

}  // namespace kelvanor::test
