#pragma once
// What the system tells of a folder's entries (inotify), for tests of what
// a piece of code opened or replaced there. The system tells two like
// events in a row (the same entry opened twice) as one.

#include <QFile>
#include <QList>
#include <QString>

#include <sys/inotify.h>
#include <unistd.h>
#include <cstdint>

namespace tamberlo::test {

class FolderWatch {
public:
    struct Event {
        std::uint32_t mask;  // IN_OPEN, IN_MOVED_TO, ...
        QString name;        // the entry's name
    };

    // Watches `folder` for the events in `mask`.
    FolderWatch(const QString& folder, std::uint32_t mask) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        ok_ = fd_ >= 0 && ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), mask) >= 0;
    }
    ~FolderWatch() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    bool ok() const { return ok_; }

    // The events since the last call, in their order.
    QList<Event> Events() {
        QList<Event> events;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;)
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                events.append({event->mask, QString::fromUtf8(event->name)});
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        return events;
    }

    // How many of the events since the last call are in `mask`.
    int Count(std::uint32_t mask) {
        int count = 0;
        for (const Event& event : Events()) count += (event.mask & mask) != 0;
        return count;
    }

private:
    int fd_;
    bool ok_ = false;
};

}  // namespace tamberlo::test
