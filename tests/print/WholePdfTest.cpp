// The check that a written PDF arrived whole, over the bytes of a PDF that
// Qt wrote: cut short anywhere, or missing a piece in the middle, it is not.
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include "WholePdf.h"

namespace tamberlo {
namespace {

QByteArray TwoPagePdf() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    painter.drawLine(0, 0, 1000, 1000);
    writer.newPage();
    painter.drawRect(100, 100, 2000, 500);
    painter.end();
    return buffer.data();
}

TEST(WholePdf, OnlyAWholeFileCounts) {
    const QByteArray pdf = TwoPagePdf();
    ASSERT_TRUE(IsWholePdf(pdf));
    EXPECT_FALSE(IsWholePdf({}));
    for (qsizetype length : {qsizetype(100), pdf.size() / 2, pdf.size() - 30, pdf.size() - 6})
        EXPECT_FALSE(IsWholePdf(pdf.left(length))) << length;

    // A write lost in the middle while the later ones arrived: the objects after it moved.
    const qsizetype object = pdf.indexOf(" 0 obj", pdf.size() / 3);
    ASSERT_GT(object, 0);
    EXPECT_FALSE(IsWholePdf(pdf.left(object - 20) + pdf.mid(object - 10)));
    // The same piece lost without moving anything.
    EXPECT_FALSE(IsWholePdf(QByteArray(pdf).replace(object - 10, 20, QByteArray(20, '\0'))));
}

}  // namespace
}  // namespace tamberlo
