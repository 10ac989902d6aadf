#include "KelvanorHost.h"

#include <QString>

#include <memory>
#include <string>

#include "Controls.h"
#include "Dialogs.h"
#include "FileReading.h"
#include "FileReason.h"
#include "KelvanorDispatchClient.h"
#include "LanguageText.h"
#include "ProgramEnd.h"
#include "SharedState.h"

namespace tamberlo {
namespace {

// What hosting leaves behind in the process; ResetKelvanorHosting forgets it.
struct Hosting {
    std::unique_ptr<KelvanorDispatchClient> client;
    bool toldMissing = false;
    bool endStepRegistered = false;
};

Hosting& hosting() {
    static Hosting h;
    return h;
}

std::unique_ptr<KelvanorDispatchClient>& hosted() { return hosting().client; }

QString FromSystem(const std::string& text) { return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())); }

// A reason's sentence as a clause inside the message's parentheses.
QString AsClause(QString sentence) {
    if (sentence.endsWith(QLatin1Char('.'))) sentence.chop(1);
    if (!sentence.isEmpty()) sentence[0] = sentence[0].toLower();
    return sentence;
}

// Why a library could not be loaded, in the user's language: what is wrong
// with its file, as the file readers tell it; for a file that is there and
// readable, the loader's own words beside (a wrong kind of file, a library it
// needs missing).
QString LibraryReason(const QString& library, const std::string& loaderWords) {
    const FileRead look = LookAtRegularFile(library);
    if (!look.ok()) return FileReadReason(look.fault, look.error);
    return T("Het bestand is er, maar de lader kan het niet laden (de lader meldt: %1).",
             "The file is there, but the loader cannot load it (the loader reports: %1).")
        .arg(FromSystem(loaderWords));
}

// Why the control could not be created, in the user's language.
QString Reason(const com::CreateFailure& why) {
    using Kind = com::CreateFailure::Kind;
    const QString name = FromSystem(why.name);
    const QString classId = QString::fromStdString(why.classId);
    switch (why.kind) {
    case Kind::NotRegistered: return T("%1 is niet geregistreerd", "%1 is not registered").arg(name);
    case Kind::RegistryUnreadable:
        return T("het registratiebestand %1 kan niet gelezen worden: %2", "the registration file %1 cannot be read: %2")
            .arg(name, AsClause(FileReadReason(why.registry.fault, why.registry.error)));
    case Kind::NoRegularFile:
    case Kind::CannotLoad:
        return T("%1 kan niet geladen worden: %2", "%1 cannot be loaded: %2")
            .arg(name, AsClause(LibraryReason(name, why.detail)));
    case Kind::ServesNoClasses: return T("%1 levert geen klassen", "%1 serves no classes").arg(name);
    case Kind::ClassNotServed: return T("%1 levert %2 niet", "%1 does not serve %2").arg(name, classId);
    case Kind::NotCreated:
        return T("het object van %1 kon niet gemaakt worden", "the object of %1 could not be created").arg(classId);
    }
    return {};
}

}  // namespace

bool HostKelvanorControl() {
    if (hosted()) return true;
    com::CreateFailure why;
    hosted() = KelvanorDispatchClient::Create(&why);
    if (!hosted()) {
        if (!hosting().toldMissing) {
            hosting().toldMissing = true;
            const QString reason = Reason(why);
            dialogs().MsgBox(T("De Kelvanor-besturing is niet beschikbaar (%1). Het programma werkt zonder Kelvanor-module.",
                               "The Kelvanor control is not available (%1). The program runs without a Kelvanor module.")
                                 .arg(reason),
                             MsgButtons::Ok);
        }
        return false;
    }
    SetKelvanor1(hosted().get());
    if (!hosting().endStepRegistered) {
        hosting().endStepRegistered = true;
        OnProgramEnd([] { DestroyKelvanorControl(); });
    }
    return true;
}

void DestroyKelvanorControl() {
    if (!hosted()) return;
    SetKelvanor1(nullptr);
    // The client's calls hold their own reference of the control and touch
    // the client no more after the control returns, so it can go now.
    hosted()->Shutdown();
    hosted().reset();
}

void ResetKelvanorHosting() {
    DestroyKelvanorControl();
    hosting() = Hosting{};
}

}  // namespace tamberlo
