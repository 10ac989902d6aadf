#pragma once
// While it lives, a write past `bytes` into any file goes past the process's
// file-size limit (ulimit -f). What that does, a failed write or the end of
// the process, is left to the program's own set-up of the signal.

#include <sys/resource.h>

namespace tamberlo::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

}  // namespace tamberlo::test
