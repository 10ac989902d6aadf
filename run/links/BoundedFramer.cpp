#include "BoundedFramer.h"

namespace tamberlo {

QStringList BoundedFramer::Feed(const QString& text) {
    QStringList messages;
    for (const QChar c : text) {
        if (isEnd_(c)) {
            if (!skipping_ && (keepEmpty_ || !pending_.isEmpty())) messages.append(pending_);
            pending_.clear();
            skipping_ = false;
            continue;
        }
        if (skipping_) continue;
        if (pending_.size() >= maxLength_) {
            pending_.clear();
            skipping_ = true;
            continue;
        }
        pending_.append(c);
    }
    return messages;
}

QString BoundedFramer::Take() {
    QString message = skipping_ ? QString() : pending_;
    pending_.clear();
    skipping_ = false;
    return message;
}

}  // namespace tamberlo
