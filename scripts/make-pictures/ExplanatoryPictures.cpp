// The explanatory pictures that follow the mouse over the editors' choices:
// the interfaces and the kinds of cells, drawn as plain diagrams.
#include "ExplanatoryPictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kW = 200;
constexpr int kH = 140;

using Draw = std::function<void(QPainter&)>;

bool save(const QString& folder, const QString& name, const Draw& draw) {
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(QColor(0xFF, 0xFF, 0xF4));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
    p.end();
    const bool ok = img.save(QDir(folder).filePath(name), "BMP");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(name));
    return ok;
}

void text(QPainter& p, QRectF r, const QString& t, int px, QColor c = Qt::black, bool bold = true) {
    QFont f = p.font();
    f.setPixelSize(px);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, t);
}

// A circuit board with a row of screw terminals along its top edge.
void board(QPainter& p, QRectF r, QColor colour, int terminals) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    p.drawRoundedRect(r, 4, 4);
    p.setBrush(QColor(0x30, 0x80, 0x30));
    const double step = (r.width() - 16) / terminals;
    for (int i = 0; i < terminals; ++i) p.drawRect(QRectF(r.left() + 8 + i * step, r.top() + 4, step - 2, 9));
}

void led(QPainter& p, QPointF at, QColor c) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(c);
    p.drawEllipse(at, 4, 4);
}

// A clock face with hands at `hour`:`minute`.
void clockFace(QPainter& p, QPointF c, double radius, int hour, int minute) {
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(Qt::white);
    p.drawEllipse(c, radius, radius);
    p.setPen(QPen(Qt::black, 2));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(QPointF(c.x() + std::sin(a) * radius * 0.8, c.y() - std::cos(a) * radius * 0.8),
                   QPointF(c.x() + std::sin(a) * radius * 0.92, c.y() - std::cos(a) * radius * 0.92));
    }
    const double ah = (hour % 12 + minute / 60.0) * M_PI / 6;
    const double am = minute * M_PI / 30;
    p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::sin(ah) * radius * 0.5, c.y() - std::cos(ah) * radius * 0.5));
    p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::sin(am) * radius * 0.8, c.y() - std::cos(am) * radius * 0.8));
}

// A timer's time line: input, output delayed by the preset.
void timeline(QPainter& p, double y, const QString& label, double from, double to, QColor c) {
    text(p, QRectF(4, y - 8, 30, 16), label, 11);
    p.setPen(QPen(c, 2));
    QPainterPath path(QPointF(36, y + 8));
    path.lineTo(from, y + 8);
    path.lineTo(from, y - 6);
    path.lineTo(to, y - 6);
    path.lineTo(to, y + 8);
    path.lineTo(kW - 6, y + 8);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

}  // namespace

bool drawExplanatoryPictures(const QString& folder) {
    bool ok = true;
    // The Velleman card: a green board, five inputs, eight output leds, two analog channels.
    ok &= save(folder, "K8055.bmp", [](QPainter& p) {
        board(p, QRectF(10, 14, 180, 112), QColor(0x20, 0x80, 0x40), 12);
        for (int i = 0; i < 8; ++i) led(p, QPointF(30 + i * 14, 50), QColor(0xFF, 0x40, 0x40));
        for (int i = 0; i < 5; ++i) {
            p.setBrush(QColor(0xE0, 0xE0, 0xE0));
            p.drawRect(QRectF(26 + i * 18, 66, 12, 12));
        }
        p.setBrush(QColor(0x20, 0x20, 0x80));
        p.drawEllipse(QPointF(150, 72), 9, 9);
        p.drawEllipse(QPointF(172, 72), 9, 9);
        p.setBrush(QColor(0xB0, 0xB0, 0xB0));
        p.drawRect(QRectF(160, 96, 26, 18));  // the USB socket
        text(p, QRectF(10, 96, 140, 24), "K8055 / VM110", 14, Qt::white);
    });
    // The parallel port board: a 25-pin connector and eight leds.
    ok &= save(folder, "Parallel PCB.bmp", [](QPainter& p) {
        board(p, QRectF(10, 14, 180, 112), QColor(0x30, 0x60, 0xA0), 10);
        p.setBrush(QColor(0xC0, 0xC0, 0xC0));
        QPainterPath sub;
        sub.moveTo(30, 96);
        sub.lineTo(170, 96);
        sub.lineTo(160, 118);
        sub.lineTo(40, 118);
        sub.closeSubpath();
        p.drawPath(sub);
        p.setBrush(Qt::black);
        for (int i = 0; i < 13; ++i) p.drawEllipse(QPointF(44 + i * 9.3, 103), 1.8, 1.8);
        for (int i = 0; i < 12; ++i) p.drawEllipse(QPointF(48.5 + i * 9.3, 111), 1.8, 1.8);
        for (int i = 0; i < 8; ++i) led(p, QPointF(40 + i * 17, 40), QColor(0xFF, 0xD0, 0x20));
        text(p, QRectF(10, 52, 180, 36), "LPT", 22, Qt::white);
    });
    // The Kelvanor module of any other type.
    ok &= save(folder, "Kelvanor Ember.bmp", [](QPainter& p) {
        board(p, QRectF(16, 18, 168, 104), QColor(0x20, 0x40, 0x90), 10);
        for (int i = 0; i < 8; ++i) led(p, QPointF(36 + i * 18, 40), QColor(0x40, 0xFF, 0x40));
        text(p, QRectF(16, 56, 168, 40), "Kelvanor Ember", 18, Qt::white);
    });
    // The Arduino Nano: a narrow board with two pin rows and a USB socket.
    ok &= save(folder, "Arduino Nano.bmp", [](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x10, 0x50, 0x90));
        p.drawRoundedRect(QRectF(20, 40, 160, 60), 4, 4);
        p.setBrush(QColor(0xD0, 0xB0, 0x40));
        for (int i = 0; i < 15; ++i) {
            p.drawEllipse(QPointF(34 + i * 9.5, 47), 2.5, 2.5);
            p.drawEllipse(QPointF(34 + i * 9.5, 93), 2.5, 2.5);
        }
        p.setBrush(QColor(0xB0, 0xB0, 0xB0));
        p.drawRect(QRectF(6, 58, 18, 24));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(86, 58, 28, 24));
        text(p, QRectF(20, 104, 160, 24), "Arduino Nano", 14);
    });
    // A clock condition: an alarm clock.
    ok &= save(folder, "Wekker.bmp", [](QPainter& p) {
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(QColor(0xD0, 0x30, 0x30));
        p.drawEllipse(QPointF(68, 28), 16, 16);
        p.drawEllipse(QPointF(132, 28), 16, 16);
        p.drawLine(QPointF(76, 118), QPointF(66, 132));
        p.drawLine(QPointF(124, 118), QPointF(134, 132));
        clockFace(p, QPointF(100, 74), 50, 7, 30);
    });
    // A timer condition: a kitchen timer.
    ok &= save(folder, "Kookwekker.bmp", [](QPainter& p) {
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(0xF0, 0xA0, 0x20));
        p.drawEllipse(QPointF(100, 76), 56, 56);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(100, 76), 40, 40);
        p.setPen(QPen(Qt::black, 1.5));
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            p.drawLine(QPointF(100 + std::sin(a) * 32, 76 - std::cos(a) * 32),
                       QPointF(100 + std::sin(a) * 38, 76 - std::cos(a) * 38));
        }
        p.setBrush(QColor(0x80, 0x40, 0x10));
        p.drawRect(QRectF(94, 12, 12, 16));
        p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(100, 76), QPointF(124, 60));
        text(p, QRectF(60, 84, 80, 20), "T0..T7", 12);
    });
    // A memory: eight cells M0..M7, some set.
    ok &= save(folder, "Geheugen.bmp", [](QPainter& p) {
        for (int i = 0; i < 8; ++i) {
            const QRectF r(12 + i * 22.5, 46, 20, 40);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush((0x5A >> i) & 1 ? QColor(0x40, 0xC0, 0x40) : QColor(0xE0, 0xE0, 0xE0));
            p.drawRect(r);
            text(p, r, (0x5A >> i) & 1 ? "1" : "0", 14);
            text(p, QRectF(r.left() - 2, 90, 24, 16), QString("M%1").arg(i), 10, Qt::black, false);
        }
        text(p, QRectF(0, 10, kW, 28), "M0 .. M7", 18, QColor(0x10, 0x30, 0x80));
    });
    // The function keys F1..F8, one held down.
    ok &= save(folder, "Functietoetsen.bmp", [](QPainter& p) {
        for (int i = 0; i < 8; ++i) {
            const bool down = i == 2;
            const QRectF r(8 + (i % 4) * 47, 24 + (i / 4) * 52 + (down ? 3 : 0), 42, 42);
            p.setPen(QPen(Qt::black, 1.5));
            p.setBrush(down ? QColor(0xA0, 0xC8, 0xFF) : QColor(0xF0, 0xF0, 0xF0));
            p.drawRoundedRect(r, 6, 6);
            text(p, r, QString("F%1").arg(i + 1), 16);
        }
    });
    // A variable: the three variables with their values.
    ok &= save(folder, "Variabele.bmp", [](QPainter& p) {
        const char* names[] = {"A", "B", "C"};
        const int values[] = {12, 0, 250};
        for (int i = 0; i < 3; ++i) {
            const double y = 18 + i * 40;
            text(p, QRectF(20, y, 30, 30), names[i], 22, QColor(0x10, 0x30, 0x80));
            p.setPen(QPen(Qt::black, 1.5));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(60, y, 110, 30));
            text(p, QRectF(60, y, 110, 30), QString::number(values[i]), 18, Qt::black, false);
        }
    });
    // Timer presets: the output follows the input after the preset time.
    ok &= save(folder, "Preset Timer.bmp", [](QPainter& p) {
        timeline(p, 40, "In", 56, 170, QColor(0x20, 0x60, 0xC0));
        timeline(p, 96, "T", 110, 170, QColor(0xC0, 0x20, 0x20));
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawLine(QPointF(56, 20), QPointF(56, 124));
        p.drawLine(QPointF(110, 20), QPointF(110, 124));
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(QPointF(58, 126), QPointF(108, 126));
        text(p, QRectF(56, 112, 54, 12), "t", 11);
    });
    // Set or reset: a switch that a set closes and a reset opens.
    ok &= save(folder, "Set Reset Timer.bmp", [](QPainter& p) {
        text(p, QRectF(10, 16, 60, 30), "S", 26, QColor(0x10, 0x90, 0x10));
        text(p, QRectF(10, 90, 60, 30), "R", 26, QColor(0xC0, 0x20, 0x20));
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(60, 31), QPointF(100, 60));
        p.drawLine(QPointF(60, 105), QPointF(100, 80));
        p.setBrush(QColor(0xF0, 0xF0, 0xF0));
        p.drawRect(QRectF(100, 44, 70, 52));
        text(p, QRectF(100, 44, 70, 52), "Q", 26);
    });
    // A sound: a loudspeaker with sound waves.
    ok &= save(folder, "Geluid.bmp", [](QPainter& p) {
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(QColor(0x40, 0x40, 0x40));
        QPainterPath speaker(QPointF(50, 56));
        speaker.lineTo(72, 56);
        speaker.lineTo(102, 30);
        speaker.lineTo(102, 110);
        speaker.lineTo(72, 84);
        speaker.lineTo(50, 84);
        speaker.closeSubpath();
        p.drawPath(speaker);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x20, 0x60, 0xC0), 4, Qt::SolidLine, Qt::RoundCap));
        for (int i = 1; i <= 3; ++i) p.drawArc(QRectF(102 - 14 * i, 70 - 16 * i, 28 * i, 32 * i), -45 * 16, 90 * 16);
    });
    return ok;
}
