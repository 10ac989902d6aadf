// Why a file could not be read or written, told in the program's language:
// the system's words (English here) only ever beside a sentence of its own.
#include <gtest/gtest.h>

#include "FileReason.h"
#include "SharedState.h"
#include "UserFileErrors.h"

namespace tamberlo {
namespace {

TEST(FileReason, EveryReasonAUserCanCauseIsToldInTheLanguage) {
    for (const bool english : {false, true}) {
        shared.TaalVlag = english;
        for (const int error : test::kUserFileErrors) {
            const QString reason = FileErrorReason(error);
            EXPECT_FALSE(reason.contains(qt_error_string(error), Qt::CaseInsensitive)) << error << reason.toStdString();
            EXPECT_TRUE(reason.endsWith(QLatin1Char('.'))) << error;
        }
    }
    shared.TaalVlag = false;
    EXPECT_EQ(FileErrorReason(ENOTDIR), "Een deel van het pad is een bestand, geen map.");
    EXPECT_EQ(FileErrorReason(EROFS), "Het bestandssysteem is alleen-lezen.");
    EXPECT_NE(FileErrorReason(EROFS), FileErrorReason(ENOSPC));
    // Any other with its number, the system's words beside.
    EXPECT_EQ(FileErrorReason(EPROTO),
              QStringLiteral("Het systeem meldt fout %1 (%2).").arg(EPROTO).arg(qt_error_string(EPROTO)));
    // A read's own faults, and its system errors as any other.
    EXPECT_EQ(FileReadReason(ReadFault::TooLarge, EFBIG), "Het bestand is te groot.");
    EXPECT_EQ(FileReadReason(ReadFault::Missing, ENOENT), FileErrorReason(ENOENT));
    EXPECT_EQ(FileReadReason(ReadFault::Unreadable, ENOTDIR), FileErrorReason(ENOTDIR));
    shared.TaalVlag = true;
    EXPECT_EQ(FileErrorReason(ENOTDIR), "A part of the path is a file, not a folder.");
    EXPECT_EQ(FileReadReason(ReadFault::NotAFile, 0), "The path leads to no ordinary file but to a pipe or a device, say.");
    shared.TaalVlag = false;
}

}  // namespace
}  // namespace tamberlo
