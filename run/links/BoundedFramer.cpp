#include "BoundedFramer.h"

namespace tamberlo {

QStringList BoundedFramer::Feed(const QString& text) {
    QStringList messages;
    for (const QChar c : text) Put(c, messages);
    return messages;
}

void BoundedFramer::Put(QChar c, QStringList& messages) {
    if (isEnd_(c)) {
        if (!skipping_ && (keepEmpty_ || !pending_.isEmpty())) messages.append(pending_);
        pending_.clear();
        skipping_ = false;
        return;
    }
    if (skipping_) return;
    if (pending_.size() >= maxLength_) {
        pending_.clear();
        skipping_ = true;
        return;
    }
    pending_.append(c);
}

QString BoundedFramer::Take() {
    QString message = skipping_ ? QString() : pending_;
    pending_.clear();
    skipping_ = false;
    return message;
}

}  // namespace tamberlo
