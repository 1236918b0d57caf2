#include "reports/Renderer.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace reports {

namespace {

// A rule as thick as one screen pixel.
constexpr int RuleWidth = 15;

int flagsFor(const PageItem &item) {
    int flags = Qt::AlignTop;
    switch (item.align) {
    case Align::Left:
        flags |= Qt::AlignLeft;
        break;
    case Align::Centre:
        flags |= Qt::AlignHCenter;
        break;
    case Align::Right:
        flags |= Qt::AlignRight;
        break;
    }
    flags |= WrapsText(item) ? Qt::TextWordWrap : Qt::TextSingleLine;
    return flags;
}

} // namespace

QFont ReportFont(bool bold, double pointSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(int(std::lround(pointSize * 20)));
    font.setBold(bold);
    // Unhinted, so that text measures the same on screen, on paper and in a PDF.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool WrapsText(const PageItem &item) {
    if (item.kind != ElementKind::TextBox)
        return false;
    const QFontMetrics metrics(ReportFont(item.bold, item.pointSize));
    return item.height >= 2 * metrics.height();
}

void BeginTwips(QPainter &painter, const QPaintDevice &device) {
    painter.scale(device.logicalDpiX() / 1440.0, device.logicalDpiY() / 1440.0);
}

void PaintPage(QPainter &painter, const PageModel &model, int page) {
    QPen pen(Qt::black);
    pen.setWidth(RuleWidth);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // Fonts are few: remember the last one rather than building one per element.
    bool fontBold = false;
    double fontSize = -1;
    for (const PageItem &item : model.Items(page)) {
        switch (item.kind) {
        case ElementKind::HLine:
            painter.drawLine(item.left, item.top, item.left + item.width, item.top);
            break;
        case ElementKind::VLine:
            painter.drawLine(item.left, item.top, item.left, item.top + item.height);
            break;
        case ElementKind::Label:
        case ElementKind::TextBox:
        case ElementKind::Count:
            if (item.text.isEmpty())
                break;
            if (item.bold != fontBold || item.pointSize != fontSize) {
                painter.setFont(ReportFont(item.bold, item.pointSize));
                fontBold = item.bold;
                fontSize = item.pointSize;
            }
            // Text outside its box is cut off, as on the laid-out page.
            painter.drawText(QRect(item.left, item.top, item.width, item.height), flagsFor(item), item.text);
            break;
        }
    }
}

bool PaintPages(QPagedPaintDevice &device, const PageModel &model, int first, int last,
                const PageProgress &progress) {
    first = std::max(first, 0);
    last = std::min(last, model.PageCount() - 1);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    BeginTwips(painter, device);
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            painter.end();
            return false;
        }
        PaintPage(painter, model, page);
        if (progress && !progress(page - first + 1)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

bool SavePdf(const PageModel &model, const QString &path, const PageProgress &progress) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(1440);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(model.ReportLayout().caption);
        pdf.setCreator(QStringLiteral("Brisola"));
        written = PaintPages(pdf, model, 0, model.PageCount() - 1, progress);
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace reports
