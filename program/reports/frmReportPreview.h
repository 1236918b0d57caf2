// The preview window of a report: its pages one under the other, paged through and zoomed,
// printed through the print dialog or saved as PDF. Only the pages on screen are painted,
// so a report of thousands of pages opens at once.
#pragma once

#include "reports/Paginator.h"

#include <QAbstractScrollArea>
#include <QMainWindow>

class QComboBox;
class QDate;
class QLabel;
class QPagedPaintDevice;
class QPrinter;
class QSpinBox;
class QAction;

namespace reports {

class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ReportPageView(const PageModel &model, QWidget *parent = nullptr);

    // Screen pixels per twip at 100 %: 96 dpi.
    static constexpr double PixelsPerTwip = 1.0 / 15.0;
    static constexpr int Gap = 12; // pixels between pages and around them

    double Zoom() const { return m_zoom; }
    void SetZoom(double zoom);
    // The zoom at which a page's width, or a whole page, fills the window.
    double FitWidthZoom() const;
    double WholePageZoom() const;

    // The page (from 0) at the top of the window, and scrolling a page to the top.
    int CurrentPage() const;
    void ShowPage(int page);

    // The pages the last paint drew (from 0).
    const QList<int> &PaintedPages() const { return m_painted; }

signals:
    void CurrentPageChanged(int page);
    void Resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize PageSize() const;
    void UpdateScrollBars();

    const PageModel &m_model;
    double m_zoom = 1.0;
    QList<int> m_painted;
};

// The file name Save as PDF proposes: the report's caption without the program's name, and
// the day in ISO form ("Address List 2026-12-08.pdf").
QString PdfFileName(const QString &caption, const QDate &day);

class frmReportPreview : public QMainWindow {
    Q_OBJECT
public:
    // Shows the model's pages; the window's caption and icon are the report's.
    explicit frmReportPreview(PageModel model, QWidget *parent = nullptr);
    ~frmReportPreview() override;

    const PageModel &Model() const { return m_model; }
    ReportPageView *View() const { return m_view; }

    // Zoom choices of cboZoom, in order.
    enum ZoomChoice { FitWidth, WholePage, Zoom50, Zoom75, Zoom100, Zoom150, Zoom200 };

    // Writes every page to a PDF file, with a progress window that can stop it. False when
    // stopped or the file could not be written (told to the user unless stopped).
    bool SaveAsPdf(const QString &path);
    // Prints the pages the printer is set to, with the same progress window.
    bool PrintPages(QPrinter &printer);
    // Closes the window; while pages are being printed or saved, stops that first and
    // closes when it has stopped.
    void Unload();
    bool Busy() const { return m_busy; }

    QAction *cmdFirst = nullptr;
    QAction *cmdPrevious = nullptr;
    QAction *cmdNext = nullptr;
    QAction *cmdLast = nullptr;
    QSpinBox *txtPage = nullptr;
    QLabel *lblPageCount = nullptr;
    QComboBox *cboZoom = nullptr;
    QAction *cmdPrint = nullptr;
    QAction *cmdSavePdf = nullptr;
    QAction *cmdClose = nullptr;

    void cmdPrint_Click();
    void cmdSavePdf_Click();
    void cboZoom_Change(int index);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool OutputPages(QPagedPaintDevice &device, int first, int last, const QString &label);
    void PageShown(int page);

    PageModel m_model;
    ReportPageView *m_view = nullptr;
    bool m_busy = false;
    bool m_stop = false;
    bool m_closeWhenDone = false;
};

} // namespace reports
