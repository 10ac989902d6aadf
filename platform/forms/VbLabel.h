#pragma once
// A label whose caption is kept exactly as the program wrote it (lines may be
// joined by a lone carriage return, which the toolkit would not break on),
// with a marker text (`Tag`) and a click signal.

#include <QLabel>

namespace tamberlo {

class VbLabel : public QLabel {
    Q_OBJECT
public:
    explicit VbLabel(QWidget* parent = nullptr);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& c);
    QString Tag() const { return tag_; }
    void SetTag(const QString& t) { tag_ = t; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString caption_;
    QString tag_;
};

}  // namespace tamberlo
