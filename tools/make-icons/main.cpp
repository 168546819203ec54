// make-icons OUTPUT_DIR
//
// Draws Pinlark's tray and application icons. They are drawn rather than painted
// by hand so every size stays crisp and the two states stay in step. The PNGs it
// writes are committed under resources/icons; run it again after changing a shape.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

struct Palette
{
    QColor card, cardEdge, lines, pin, pinEdge;
};

const Palette kNormal{QColor(0xF6, 0xC3, 0x4A), QColor(0x7A, 0x4E, 0x00), QColor(0x5C, 0x3B, 0x00),
                      QColor(0xD9, 0x45, 0x3B), QColor(0x8E, 0x1E, 0x17)};
const Palette kError{QColor(0xC9, 0xCD, 0xD2), QColor(0x4A, 0x4F, 0x55), QColor(0x4A, 0x4F, 0x55),
                     QColor(0xD9, 0x45, 0x3B), QColor(0x8E, 0x1E, 0x17)};

// Everything is laid out on a 24-unit grid, with strokes on half units so that
// the 24-pixel icon lands on whole pixels.
QImage draw(int size, bool error)
{
    const Palette &p = error ? kError : kNormal;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);

    // The card that holds the snippets.
    painter.setPen(QPen(p.cardEdge, 1.0));
    painter.setBrush(p.card);
    painter.drawRoundedRect(QRectF(3.5, 5.5, 17, 16), 2.5, 2.5);

    // Three snippets.
    painter.setPen(QPen(p.lines, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(7, 11.25), QPointF(17, 11.25));
    painter.drawLine(QPointF(7, 14.75), QPointF(17, 14.75));
    painter.drawLine(QPointF(7, 18.25), QPointF(13, 18.25));

    if (!error) {
        // The pin that holds the card.
        painter.setPen(QPen(p.pinEdge, 1.0));
        painter.setBrush(p.pin);
        painter.drawEllipse(QPointF(12, 5), 3, 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 170));
        painter.drawEllipse(QPointF(11, 4), 1, 1);
    } else {
        // Disconnected: a red badge with a white bar.
        painter.setPen(QPen(Qt::white, 1.0));
        painter.setBrush(p.pin);
        painter.drawEllipse(QPointF(18, 18), 5, 5);
        painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(15.75, 18), QPointF(20.25, 18));
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("."));
    bool ok = true;
    ok &= draw(24, false).save(out.filePath(QStringLiteral("Pinlark24.png")));
    ok &= draw(48, false).save(out.filePath(QStringLiteral("Pinlark24@2x.png")));
    ok &= draw(24, true).save(out.filePath(QStringLiteral("Pinlark24err.png")));
    ok &= draw(48, true).save(out.filePath(QStringLiteral("Pinlark24err@2x.png")));
    for (const int size : {16, 22, 32, 48, 64, 128, 256})
        ok &= draw(size, false).save(out.filePath(QStringLiteral("pinlark-%1.png").arg(size)));
    return ok ? 0 : 1;
}
