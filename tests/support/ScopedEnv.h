#pragma once
// Sets an environment variable for a test's scope (a null value unsets it)
// and restores what was there before.

#include <QByteArray>
#include <QtGlobal>

#include <utility>

namespace tamberlo::test {

class ScopedEnv {
public:
    ScopedEnv(QByteArray name, const QByteArray& value)
        : name_(std::move(name)), had_(qEnvironmentVariableIsSet(name_.constData())), old_(qgetenv(name_.constData())) {
        if (value.isNull()) qunsetenv(name_.constData());
        else qputenv(name_.constData(), value);
    }
    ~ScopedEnv() {
        if (had_) qputenv(name_.constData(), old_);
        else qunsetenv(name_.constData());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    QByteArray name_;
    bool had_;
    QByteArray old_;
};

}  // namespace tamberlo::test
