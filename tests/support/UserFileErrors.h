#pragma once
// The system's error numbers a user can cause with a file (its name, its
// folder, its disk, its rights): each must be told in the user's language.

#include <cerrno>

namespace tamberlo::test {

inline constexpr int kUserFileErrors[] = {ENOENT,       EACCES, EPERM,  EROFS,  ENOSPC, EDQUOT, EFBIG,   ELOOP, ENOTDIR, EISDIR,
                                          ENAMETOOLONG, EIO,    EMFILE, ENFILE, ENOMEM, EBUSY,  ETXTBSY, ENXIO, ENODEV};

}  // namespace tamberlo::test
