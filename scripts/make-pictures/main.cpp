// Draws the program's pictures for assets/Afbeeldingen: simple, clear
// drawings made here. Run: make-pictures <folder>; it (re)writes every file.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

#include "ExplanatoryPictures.h"

namespace {

using Draw = std::function<void(QPainter&, int w, int h)>;

bool save(const QString& folder, const QString& name, int w, int h, const Draw& draw) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0xD7, 0xD7, 0xD7));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, w, h);
    p.end();
    const bool ok = img.save(QDir(folder).filePath(name), "BMP");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(name));
    return ok;
}

// A small ladder: two rails and three rungs.
void ladder(QPainter& p, QRectF r, QColor c) {
    p.setPen(QPen(c, 3));
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.drawLine(r.topRight(), r.bottomRight());
    for (int i = 1; i <= 3; ++i) {
        const double y = r.top() + r.height() * i / 4;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

// An eraser block, tilted.
void eraser(QPainter& p, QPointF at) {
    p.save();
    p.translate(at);
    p.rotate(-30);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0xF0, 0x80, 0x90));
    p.drawRect(QRectF(-14, -8, 18, 16));
    p.setBrush(QColor(0x40, 0x70, 0xD0));
    p.drawRect(QRectF(4, -8, 12, 16));
    p.restore();
}

void flag(QPainter& p, int w, int h, const std::function<void(QPainter&, QRectF)>& bands) {
    const QRectF r(4, 6, w - 8, h - 12);
    bands(p, r);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    bool ok = true;

    // The clear button: a ladder with an eraser (ladder present) ...
    ok &= save(folder, "BtnWissen.bmp", 48, 48, [](QPainter& p, int, int) {
        ladder(p, QRectF(8, 6, 22, 36), QColor(0x20, 0x20, 0x20));
        eraser(p, QPointF(32, 32));
    });
    // ... and an empty ladder frame with the eraser set aside (nothing to clear).
    ok &= save(folder, "BtnWissenLeeg.bmp", 48, 48, [](QPainter& p, int, int) {
        ladder(p, QRectF(8, 6, 22, 36), QColor(0xA0, 0xA0, 0xA0));
        eraser(p, QPointF(36, 38));
    });
    // The Arduino's boards: an RGB led strip ...
    ok &= save(folder, "AdaFruit RGB.bmp", 64, 32, [](QPainter& p, int w, int h) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x10, 0x10, 0x10));
        p.drawRoundedRect(QRectF(2, h / 2 - 7, w - 4, 14), 3, 3);
        const QColor leds[] = {Qt::red,  QColor(255, 140, 0), Qt::yellow, Qt::green, Qt::cyan,
                               Qt::blue, QColor(160, 0, 255), Qt::magenta};
        for (int i = 0; i < 8; ++i) {
            p.setBrush(leds[i]);
            p.drawEllipse(QPointF(7 + i * 7.1, h / 2.0), 3, 3);
        }
    });
    // ... and a key and display module: eight digits, eight keys.
    ok &= save(folder, "TM1638.bmp", 64, 32, [](QPainter& p, int w, int h) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x10, 0x60, 0x20));
        p.drawRect(QRectF(1, 1, w - 3, h - 3));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(5, 4, w - 11, 11));
        p.setPen(QColor(255, 40, 40));
        QFont f = p.font();
        f.setPixelSize(9);
        p.setFont(f);
        p.drawText(QRectF(5, 4, w - 11, 11), Qt::AlignCenter, "8.8.8.8.8.8.8.8.");
        p.setPen(Qt::black);
        p.setBrush(QColor(0xE0, 0xE0, 0xE0));
        for (int i = 0; i < 8; ++i) p.drawEllipse(QPointF(8 + i * 7, 23), 2.5, 2.5);
    });
    // The Kelvanor modules the module search reports: a blue module box with
    // a row of terminals and the model's name.
    const auto module = [](const char* model) {
        return [model](QPainter& p, int w, int h) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(QColor(0x20, 0x40, 0x90));
            p.drawRoundedRect(QRectF(2, 3, w - 5, h - 7), 3, 3);
            p.setBrush(QColor(0x30, 0xA0, 0x30));
            for (int i = 0; i < 8; ++i) p.drawRect(QRectF(6 + i * 7, 5, 5, 5));
            p.setPen(Qt::white);
            QFont f = p.font();
            f.setPixelSize(11);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRectF(2, 12, w - 5, h - 16), Qt::AlignCenter, QString::fromLatin1(model));
        };
    };
    ok &= save(folder, "Kelvanor Atlas.bmp", 64, 32, module("Atlas"));
    ok &= save(folder, "Kelvanor Basil.bmp", 64, 32, module("Basil"));
    // The language button's flags.
    ok &= save(folder, "vlag Nederlands.bmp", 40, 28, [](QPainter& p, int w, int h) {
        flag(p, w, h, [](QPainter& q, QRectF r) {
            const double b = r.height() / 3;
            q.fillRect(QRectF(r.left(), r.top(), r.width(), b), QColor(0xAE, 0x1C, 0x28));
            q.fillRect(QRectF(r.left(), r.top() + b, r.width(), b), Qt::white);
            q.fillRect(QRectF(r.left(), r.top() + 2 * b, r.width(), b), QColor(0x21, 0x46, 0x8B));
        });
    });
    ok &= save(folder, "vlag Engels.bmp", 40, 28, [](QPainter& p, int w, int h) {
        flag(p, w, h, [](QPainter& q, QRectF r) {
            q.fillRect(r, QColor(0x01, 0x21, 0x69));
            q.setPen(QPen(Qt::white, 5));
            q.drawLine(r.topLeft(), r.bottomRight());
            q.drawLine(r.bottomLeft(), r.topRight());
            q.setPen(QPen(QColor(0xC8, 0x10, 0x2E), 2));
            q.drawLine(r.topLeft(), r.bottomRight());
            q.drawLine(r.bottomLeft(), r.topRight());
            q.fillRect(QRectF(r.center().x() - 4, r.top(), 8, r.height()), Qt::white);
            q.fillRect(QRectF(r.left(), r.center().y() - 4, r.width(), 8), Qt::white);
            q.fillRect(QRectF(r.center().x() - 2, r.top(), 4, r.height()), QColor(0xC8, 0x10, 0x2E));
            q.fillRect(QRectF(r.left(), r.center().y() - 2, r.width(), 4), QColor(0xC8, 0x10, 0x2E));
        });
    });
    // The splash's logo: a ladder between two rails with a lit lamp.
    ok &= save(folder, "Logo.bmp", 96, 96, [](QPainter& p, int, int) {
        p.fillRect(QRectF(0, 0, 96, 96), QColor(0xFF, 0xFF, 0xF0));
        ladder(p, QRectF(14, 12, 44, 72), QColor(0x10, 0x30, 0x80));
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(0xFF, 0x40, 0x40));
        p.drawEllipse(QPointF(74, 48), 10, 10);
        p.drawLine(QPointF(58, 48), QPointF(64, 48));
    });
    ok &= drawExplanatoryPictures(folder);
    return ok ? 0 : 1;
}
