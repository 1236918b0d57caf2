#include "reports/frmReportPreview.h"

#include "controls/AppInfo.h"
#include "controls/Messages.h"
#include "reports/Renderer.h"
#include "startup/modGlobal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <limits>

namespace reports {

// ---- ReportPageView ----

ReportPageView::ReportPageView(const PageModel &model, QWidget *parent)
    : QAbstractScrollArea(parent), m_model(model) {
    setObjectName(QStringLiteral("pagView"));
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
}

QSize ReportPageView::PageSize() const {
    return QSize(int(std::lround(PaperWidth * PixelsPerTwip * m_zoom)),
                 int(std::lround(PaperHeight * PixelsPerTwip * m_zoom)));
}

void ReportPageView::SetZoom(double zoom) {
    zoom = std::clamp(zoom, 0.1, 8.0);
    if (zoom == m_zoom)
        return;
    const int page = CurrentPage();
    m_zoom = zoom;
    UpdateScrollBars();
    ShowPage(page);
    viewport()->update();
}

double ReportPageView::FitWidthZoom() const {
    return (viewport()->width() - 2 * Gap) / (PaperWidth * PixelsPerTwip);
}

double ReportPageView::WholePageZoom() const {
    return std::min(FitWidthZoom(), (viewport()->height() - 2 * Gap) / (PaperHeight * PixelsPerTwip));
}

int ReportPageView::CurrentPage() const {
    const int step = PageSize().height() + Gap;
    // The page that holds the middle of the top tenth of the window.
    const int y = verticalScrollBar()->value() + viewport()->height() / 10;
    return std::clamp(y / std::max(step, 1), 0, std::max(m_model.PageCount() - 1, 0));
}

void ReportPageView::ShowPage(int page) {
    page = std::clamp(page, 0, std::max(m_model.PageCount() - 1, 0));
    verticalScrollBar()->setValue(page * (PageSize().height() + Gap));
}

void ReportPageView::UpdateScrollBars() {
    const QSize page = PageSize();
    const qint64 total = qint64(m_model.PageCount()) * (page.height() + Gap) + Gap;
    // A scroll bar counts in int: a very long report at a large zoom is capped (it still
    // pages through with the page box).
    const int height = int(std::min<qint64>(total, std::numeric_limits<int>::max() / 2));
    verticalScrollBar()->setPageStep(viewport()->height());
    // The last page, too, can be scrolled to the top of the window.
    const qint64 lastTop = qint64(std::max(m_model.PageCount() - 1, 0)) * (page.height() + Gap);
    const int maximum = int(std::min<qint64>(std::max<qint64>(lastTop, height - viewport()->height()),
                                             std::numeric_limits<int>::max() / 2));
    verticalScrollBar()->setRange(0, std::max(0, maximum));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * Gap - viewport()->width()));
}

void ReportPageView::resizeEvent(QResizeEvent *event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    emit Resized();
}

void ReportPageView::scrollContentsBy(int, int) {
    viewport()->update();
    emit CurrentPageChanged(CurrentPage());
}

void ReportPageView::paintEvent(QPaintEvent *) {
    m_painted.clear();
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QSize page = PageSize();
    const int step = page.height() + Gap;
    const int top = verticalScrollBar()->value();
    const int x = std::max(Gap, (viewport()->width() - page.width()) / 2) - horizontalScrollBar()->value();
    const int first = std::max(0, (top - Gap) / step);
    const int last = std::min(m_model.PageCount() - 1, (top + viewport()->height()) / step);
    for (int i = first; i <= last; ++i) {
        const QRect sheet(x, Gap + i * step - top, page.width(), page.height());
        if (!sheet.intersects(viewport()->rect()))
            continue;
        painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 80));
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.setClipRect(sheet);
        painter.translate(sheet.topLeft());
        painter.scale(double(page.width()) / PaperWidth, double(page.height()) / PaperHeight);
        PaintPage(painter, m_model, i);
        painter.restore();
        m_painted << i;
    }
}

// ---- frmReportPreview ----

QString PdfFileName(const QString &caption, const QDate &day) {
    QString name = caption;
    const QString program = QString::fromLatin1(controls::AppTitle);
    if (name.startsWith(program))
        name.remove(0, program.size());
    // The dash between the program's name and the report's, with the blanks around it.
    while (!name.isEmpty() && (name.front() == QLatin1Char(' ') || name.front() == QLatin1Char('-')))
        name.remove(0, 1);
    name = name.trimmed();
    // Characters no file name may hold.
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')})
        name.replace(c, QLatin1Char('-'));
    if (name.isEmpty())
        name = program;
    return name + QLatin1Char(' ') + day.toString(Qt::ISODate) + QStringLiteral(".pdf");
}

frmReportPreview::frmReportPreview(PageModel model, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_model(std::move(model)) {
    setObjectName(m_model.ReportLayout().name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_model.ReportLayout().caption);
    setWindowIcon(QIcon(modGlobal::AppPath(QStringLiteral("images/autorun.ico"))));
    // The shared connection slot marks that a report is open; nothing opens it.
    modGlobal::conShared = std::make_shared<ordwen::Connection>();

    m_view = new ReportPageView(m_model, this);
    setCentralWidget(m_view);

    auto *bar = addToolBar(QStringLiteral("Report"));
    bar->setObjectName(QStringLiteral("tbrReport"));
    bar->setMovable(false);
    cmdFirst = bar->addAction(QStringLiteral("|<"));
    cmdFirst->setObjectName(QStringLiteral("cmdFirst"));
    cmdFirst->setToolTip(QStringLiteral("First page"));
    cmdPrevious = bar->addAction(QStringLiteral("<"));
    cmdPrevious->setObjectName(QStringLiteral("cmdPrevious"));
    cmdPrevious->setToolTip(QStringLiteral("Previous page"));
    cmdPrevious->setShortcut(QKeySequence::MoveToPreviousPage);
    txtPage = new QSpinBox(bar);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setRange(1, std::max(1, m_model.PageCount()));
    txtPage->setAccessibleName(QStringLiteral("Page"));
    bar->addWidget(txtPage);
    lblPageCount = new QLabel(QStringLiteral(" of %1 ").arg(m_model.PageCount()), bar);
    lblPageCount->setObjectName(QStringLiteral("lblPageCount"));
    bar->addWidget(lblPageCount);
    cmdNext = bar->addAction(QStringLiteral(">"));
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setToolTip(QStringLiteral("Next page"));
    cmdNext->setShortcut(QKeySequence::MoveToNextPage);
    cmdLast = bar->addAction(QStringLiteral(">|"));
    cmdLast->setObjectName(QStringLiteral("cmdLast"));
    cmdLast->setToolTip(QStringLiteral("Last page"));
    // The page buttons show arrows: a screen reader says what they do instead.
    for (QAction *pageButton : {cmdFirst, cmdPrevious, cmdNext, cmdLast})
        bar->widgetForAction(pageButton)->setAccessibleName(pageButton->toolTip());
    bar->addSeparator();
    auto *zoomLabel = new QLabel(QStringLiteral(" Zoom "), bar);
    bar->addWidget(zoomLabel);
    cboZoom = new QComboBox(bar);
    cboZoom->setObjectName(QStringLiteral("cboZoom"));
    cboZoom->addItems({QStringLiteral("Fit Width"), QStringLiteral("Whole Page"), QStringLiteral("50%"),
                       QStringLiteral("75%"), QStringLiteral("100%"), QStringLiteral("150%"),
                       QStringLiteral("200%")});
    cboZoom->setCurrentIndex(Zoom100);
    zoomLabel->setBuddy(cboZoom);
    cboZoom->setAccessibleName(QStringLiteral("Zoom"));
    bar->addWidget(cboZoom);
    bar->addSeparator();
    cmdPrint = bar->addAction(QStringLiteral("&Print..."));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setShortcut(QKeySequence::Print);
    cmdSavePdf = bar->addAction(QStringLiteral("&Save as PDF..."));
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    cmdSavePdf->setShortcut(QKeySequence::Save);
    cmdClose = bar->addAction(QStringLiteral("&Close"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setShortcut(Qt::Key_Escape);

    connect(cmdFirst, &QAction::triggered, this, [this] { m_view->ShowPage(0); });
    connect(cmdPrevious, &QAction::triggered, this, [this] { m_view->ShowPage(m_view->CurrentPage() - 1); });
    connect(cmdNext, &QAction::triggered, this, [this] { m_view->ShowPage(m_view->CurrentPage() + 1); });
    connect(cmdLast, &QAction::triggered, this, [this] { m_view->ShowPage(m_model.PageCount() - 1); });
    connect(txtPage, &QSpinBox::valueChanged, this, [this](int page) {
        if (page - 1 != m_view->CurrentPage())
            m_view->ShowPage(page - 1);
    });
    connect(m_view, &ReportPageView::CurrentPageChanged, this, &frmReportPreview::PageShown);
    connect(cboZoom, &QComboBox::currentIndexChanged, this, &frmReportPreview::cboZoom_Change);
    // A zoom that fits the window follows its size.
    connect(m_view, &ReportPageView::Resized, this, [this] {
        if (cboZoom->currentIndex() == FitWidth || cboZoom->currentIndex() == WholePage)
            cboZoom_Change(cboZoom->currentIndex());
    });
    connect(cmdPrint, &QAction::triggered, this, &frmReportPreview::cmdPrint_Click);
    connect(cmdSavePdf, &QAction::triggered, this, &frmReportPreview::cmdSavePdf_Click);
    connect(cmdClose, &QAction::triggered, this, &frmReportPreview::close);

    // Room for a whole page width at 100 %, within the screen.
    QSize size(int(PaperWidth * ReportPageView::PixelsPerTwip) + 2 * ReportPageView::Gap + 40, 900);
    if (const QScreen *screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);
    PageShown(0);
}

frmReportPreview::~frmReportPreview() {
    modGlobal::conShared.reset();
}

void frmReportPreview::PageShown(int page) {
    const QSignalBlocker block(txtPage);
    txtPage->setValue(page + 1);
    cmdFirst->setEnabled(page > 0);
    cmdPrevious->setEnabled(page > 0);
    cmdNext->setEnabled(page + 1 < m_model.PageCount());
    cmdLast->setEnabled(page + 1 < m_model.PageCount());
}

void frmReportPreview::cboZoom_Change(int index) {
    static const double fixed[] = {0, 0, 0.5, 0.75, 1.0, 1.5, 2.0};
    if (index == FitWidth)
        m_view->SetZoom(m_view->FitWidthZoom());
    else if (index == WholePage)
        m_view->SetZoom(m_view->WholePageZoom());
    else if (index > WholePage && index < int(std::size(fixed)))
        m_view->SetZoom(fixed[index]);
}

bool frmReportPreview::OutputPages(QPagedPaintDevice &device, int first, int last, const QString &label) {
    m_busy = true;
    m_stop = false;
    const int count = last - first + 1;
    QProgressDialog progress(label, QStringLiteral("Cancel"), 0, count, this);
    progress.setObjectName(QStringLiteral("dlgProgress"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const bool done = reports::PaintPages(device, m_model, first, last, [&](int pages) {
        progress.setValue(pages);
        // Keeps the program answering between pages.
        QApplication::processEvents();
        return !progress.wasCanceled() && !m_stop;
    });
    progress.reset();
    m_busy = false;
    if (m_closeWhenDone)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return done;
}

bool frmReportPreview::PrintPages(QPrinter &printer) {
    // The paper the print dialog chose stays; the pages are placed from its corner.
    printer.setFullPage(true);
    printer.setDocName(windowTitle());
    int first = 0;
    int last = m_model.PageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage() - 1;
        last = std::min(last, printer.toPage() - 1);
    }
    const bool done = OutputPages(printer, first, last, QStringLiteral("Printing ") + windowTitle() + "...");
    if (!done)
        printer.abort();
    return done;
}

bool frmReportPreview::SaveAsPdf(const QString &path) {
    m_busy = true;
    m_stop = false;
    QProgressDialog progress(QStringLiteral("Saving ") + QDir::toNativeSeparators(path) +
                                 QStringLiteral("..."),
                             QStringLiteral("Cancel"), 0, m_model.PageCount(), this);
    progress.setObjectName(QStringLiteral("dlgProgress"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    bool stopped = false;
    const bool saved = reports::SavePdf(m_model, path, [&](int pages) {
        progress.setValue(pages);
        QApplication::processEvents();
        stopped = progress.wasCanceled() || m_stop;
        return !stopped;
    });
    progress.reset();
    m_busy = false;
    if (!saved && !stopped)
        messages::ShowMessage(this,
                              QStringLiteral("The report could not be saved as") + QStringLiteral("\r\n") +
                                  QDir::toNativeSeparators(path) + QStringLiteral(" "),
                              QMessageBox::Critical);
    if (m_closeWhenDone)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return saved;
}

void frmReportPreview::cmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, std::max(1, m_model.PageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!PrintPages(printer) && printer.printerState() == QPrinter::Error)
        messages::ShowMessage(this, QStringLiteral("The report could not be printed. "),
                              QMessageBox::Critical);
}

void frmReportPreview::cmdSavePdf_Click() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save as PDF"),
        folder + QLatin1Char('/') + PdfFileName(m_model.ReportLayout().caption, QDate::currentDate()),
        QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    SaveAsPdf(path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path
                                                                        : path + QStringLiteral(".pdf"));
}

void frmReportPreview::Unload() {
    if (m_busy) {
        m_stop = true;
        m_closeWhenDone = true;
        hide();
        return;
    }
    close();
}

void frmReportPreview::closeEvent(QCloseEvent *event) {
    if (m_busy) {
        // The pages being printed or saved are read from this window: stop them first.
        m_stop = true;
        m_closeWhenDone = true;
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace reports
