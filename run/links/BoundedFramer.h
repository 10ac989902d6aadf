#pragma once
// Cuts a received text stream into messages at their end characters. A
// message longer than the bound is garbage: it is dropped up to its next end,
// so a peer that never ends a message cannot grow memory.

#include <QString>
#include <QStringList>

namespace tamberlo {

class BoundedFramer {
public:
    using IsEnd = bool (*)(QChar);

    // `keepEmpty`: whether an end with nothing before it gives an empty message.
    BoundedFramer(int maxLength, IsEnd isEnd, bool keepEmpty) : maxLength_(maxLength), isEnd_(isEnd), keepEmpty_(keepEmpty) {}

    // Adds received text; returns the messages it completed, without their
    // end characters, in order.
    QStringList Feed(const QString& text);
    // Ends the message in progress and starts afresh; returns that message,
    // or "" while garbage was being dropped.
    QString Take();
    bool HasPending() const { return !pending_.isEmpty(); }
    const QString& Pending() const { return pending_; }
    bool Skipping() const { return skipping_; }

protected:
    // Adds one received character; appends the message it completes to `messages`.
    void Put(QChar c, QStringList& messages);

private:
    int maxLength_;
    IsEnd isEnd_;
    bool keepEmpty_;
    QString pending_;
    bool skipping_ = false;
};

}  // namespace tamberlo
