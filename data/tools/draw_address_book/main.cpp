// Draws the pictures of the address book with QPainter: the picture under the entry panel
// and the window icon. Usage: draw_address_book <images folder> [picture|icon]
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

const QColor Cover(38, 84, 150);
const QColor CoverDark(24, 56, 104);
const QColor Paper(252, 250, 240);
const QColor Rule(170, 190, 215);
const QColor Ink(60, 60, 70);
const QColor TabColours[] = {QColor(230, 90, 80), QColor(245, 180, 60), QColor(110, 180, 90),
                             QColor(80, 160, 210), QColor(170, 110, 190)};

// An open book seen from the front, its index tabs standing out on the right.
void drawBook(QPainter &p, const QRectF &area) {
    const qreal w = area.width();
    const qreal h = area.height();
    const QPointF o = area.topLeft();

    // The cover behind the pages.
    QPainterPath cover;
    cover.addRoundedRect(QRectF(o.x(), o.y() + h * 0.04, w * 0.92, h * 0.96), w * 0.03, w * 0.03);
    p.fillPath(cover, CoverDark);

    // The index tabs, each with its letter.
    const char *letters[] = {"A", "F", "K", "P", "U"};
    const qreal tabHeight = h * 0.15;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(tabHeight * 0.6));
    p.setFont(font);
    for (int i = 0; i < 5; ++i) {
        const QRectF tab(o.x() + w * 0.86, o.y() + h * 0.10 + i * tabHeight * 1.12, w * 0.12, tabHeight);
        QPainterPath path;
        path.addRoundedRect(tab, tabHeight * 0.2, tabHeight * 0.2);
        p.fillPath(path, TabColours[i]);
        p.setPen(QPen(TabColours[i].darker(130), 1));
        p.drawPath(path);
        p.setPen(Qt::white);
        p.drawText(tab.adjusted(w * 0.03, 0, 0, 0), Qt::AlignCenter, QString::fromLatin1(letters[i]));
    }

    // Two pages, a shadow down the middle.
    const QRectF left(o.x() + w * 0.03, o.y() + h * 0.07, w * 0.42, h * 0.88);
    const QRectF right(o.x() + w * 0.45, o.y() + h * 0.07, w * 0.42, h * 0.88);
    for (const QRectF &page : {left, right}) {
        QLinearGradient shade(page.topLeft(), page.topRight());
        const bool isLeft = page == left;
        shade.setColorAt(isLeft ? 0.0 : 1.0, Paper);
        shade.setColorAt(isLeft ? 1.0 : 0.0, Paper.darker(112));
        p.fillRect(page, shade);
        p.setPen(QPen(Rule, 1));
        for (qreal y = page.top() + page.height() * 0.22; y < page.bottom() - 4; y += page.height() * 0.11)
            p.drawLine(QPointF(page.left() + 6, y), QPointF(page.right() - 6, y));
    }
    p.setPen(QPen(Paper.darker(140), 1.5));
    p.drawLine(QPointF(right.left(), right.top()), QPointF(right.left(), right.bottom()));

    // A few written lines: names and numbers in a hand's blue.
    p.setPen(QPen(QColor(40, 70, 160), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int page = 0; page < 2; ++page) {
        const QRectF r = page == 0 ? left : right;
        for (int line = 0; line < 6; ++line) {
            const qreal y = r.top() + r.height() * (0.20 + 0.11 * line) - 3;
            QPainterPath scribble;
            const qreal start = r.left() + 8;
            const qreal length = r.width() * (line % 3 == 2 ? 0.45 : 0.7);
            scribble.moveTo(start, y);
            for (qreal x = start; x < start + length; x += 4)
                scribble.quadTo(x + 1, y - 3 + ((int(x) / 4) % 2) * 2, x + 2, y);
            p.drawPath(scribble);
        }
    }
    // Page headings: the letter of the page.
    p.setPen(Ink);
    QFont heading(QStringLiteral("DejaVu Serif"));
    heading.setBold(true);
    heading.setPixelSize(int(h * 0.1));
    p.setFont(heading);
    p.drawText(QRectF(left.left(), left.top() + 2, left.width(), h * 0.12), Qt::AlignCenter,
               QStringLiteral("A"));
    p.drawText(QRectF(right.left(), right.top() + 2, right.width(), h * 0.12), Qt::AlignCenter,
               QStringLiteral("B"));
}

// A telephone handset beside the book: a curved handle with the ear and mouth pieces.
void drawHandset(QPainter &p, const QPointF &centre, qreal size) {
    const QColor red(200, 40, 40);
    p.save();
    p.translate(centre);
    p.rotate(-60);
    QPainterPath handle;
    handle.moveTo(-size * 0.42, 0);
    handle.quadTo(0, -size * 0.28, size * 0.42, 0);
    p.setPen(QPen(red.darker(130), size * 0.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handle);
    p.setPen(QPen(red, size * 0.14, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(handle);
    p.setPen(QPen(red.darker(130), 1.5));
    p.setBrush(red);
    p.drawEllipse(QRectF(-size * 0.58, -size * 0.06, size * 0.32, size * 0.2));
    p.drawEllipse(QRectF(size * 0.26, -size * 0.06, size * 0.32, size * 0.2));
    p.restore();
}

// A closed envelope.
void drawEnvelope(QPainter &p, const QRectF &r) {
    p.fillRect(r, QColor(255, 244, 214));
    p.setPen(QPen(QColor(170, 140, 90), 1.5));
    p.drawRect(r);
    p.drawLine(r.topLeft(), QPointF(r.center().x(), r.center().y() + r.height() * 0.1));
    p.drawLine(r.topRight(), QPointF(r.center().x(), r.center().y() + r.height() * 0.1));
    // The stamp.
    const QRectF stamp(r.right() - r.width() * 0.22, r.top() + r.height() * 0.1, r.width() * 0.15,
                       r.height() * 0.25);
    p.fillRect(stamp, QColor(80, 160, 210));
}

QImage picture() {
    QImage image(256, 192, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient background(QPointF(128, 80), 200);
    background.setColorAt(0, QColor(255, 252, 235));
    background.setColorAt(1, QColor(225, 235, 245));
    p.fillRect(image.rect(), background);
    // The table the book lies on.
    p.fillRect(QRectF(0, 150, 256, 42), QColor(205, 170, 125));
    p.fillRect(QRectF(0, 150, 256, 3), QColor(170, 135, 95));
    drawBook(p, QRectF(14, 14, 162, 146));
    drawEnvelope(p, QRectF(184, 116, 62, 40));
    drawHandset(p, QPointF(216, 62), 64);
    return image;
}

QImage icon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A small address book: blue cover, white page edge, three coloured tabs.
    QPainterPath cover;
    cover.addRoundedRect(QRectF(4, 2, 21, 28), 2.5, 2.5);
    p.fillPath(cover, Cover);
    p.setPen(QPen(CoverDark, 1));
    p.drawPath(cover);
    p.fillRect(QRectF(22, 4, 3, 24), Paper);
    for (int i = 0; i < 3; ++i) {
        QPainterPath tab;
        tab.addRoundedRect(QRectF(24, 5 + i * 8, 5, 6), 1.5, 1.5);
        p.fillPath(tab, TabColours[i]);
    }
    // A label on the cover with an "@".
    p.fillRect(QRectF(8, 8, 11, 9), Paper);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(9);
    p.setFont(font);
    p.setPen(CoverDark);
    p.drawText(QRectF(8, 7, 11, 10), Qt::AlignCenter, QStringLiteral("@"));
    // The spine's rings.
    p.setPen(QPen(QColor(220, 220, 220), 1.5));
    for (int y = 6; y <= 26; y += 5)
        p.drawLine(QPointF(3, y), QPointF(6, y));
    return image;
}

bool save(const QImage &image, const QString &path, const char *format, int quality = -1) {
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_address_book <images folder> [picture|icon]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString which = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    bool ok = true;
    if (which.isEmpty() || which == QLatin1String("picture"))
        ok = save(picture(), folder.filePath(QStringLiteral("qd06_.jpg")), "jpg", 90) && ok;
    if (which.isEmpty() || which == QLatin1String("icon"))
        ok = save(icon(), folder.filePath(QStringLiteral("autorun.ico")), "ico") && ok;
    return ok ? 0 : 1;
}
