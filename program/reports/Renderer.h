// Paints the pages of a page model on any paint device: the preview, a printer, a PDF.
#pragma once

#include "reports/Paginator.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

class QPageLayout;
class QPainter;
class QPagedPaintDevice;

namespace reports {

// The report typeface at an element's size and weight, sized for a painter that draws in
// twips (1 point = 20 twips).
QFont ReportFont(bool bold, double pointSize);

// The distance from one line of text to the next in this font, in twips.
int LinePitch(const QFont &font);

// The font an item prints in: its own, or for an amount wider than its box a smaller one
// that holds it whole.
QFont ItemFont(const PageItem &item);

// Whether a text box of this height wraps its text: it does when it is taller than a line.
bool WrapsText(const PageItem &item);

// Paints one page. The painter draws in twips with the paper's top-left corner at 0, 0
// (see BeginTwips).
void PaintPage(QPainter &painter, const PageModel &model, int page);

// Sets the painter to draw in twips on a device whose origin is the paper's corner.
void BeginTwips(QPainter &painter, const QPaintDevice &device);

// Letter paper, portrait, the whole sheet to paint on: the layouts place their own margins.
QPageLayout LetterFullPage();

// Called after each page with the number of pages done; false stops the output.
using PageProgress = std::function<bool(int done)>;

// Paints the pages first..last (counted from 0) on a paged device already set to Letter
// paper without margins. False when the painter could not start or progress said stop.
bool PaintPages(QPagedPaintDevice &device, const PageModel &model, int first, int last,
                const PageProgress &progress = {});

// Writes every page into a PDF file. The file appears only when every page was written:
// a failed or stopped write leaves any earlier file of that name as it was.
bool SavePdf(const PageModel &model, const QString &path, const PageProgress &progress = {});

} // namespace reports
