#include "reports/ReportLayout.h"

#include "controls/AppInfo.h"

namespace reports {

Element Label(const QString &text, int left, int top, int width, int height, Align align) {
    return Element{ElementKind::Label, left, top, width, height, text, align, QString(), false,
                   DefaultPointSize,   false};
}

Element Caption(const QString &text, int left, int top, int width, int height, Align align,
                double pointSize) {
    return Element{ElementKind::Label, left, top,       width, height, text, align,
                   QString(),          true, pointSize, false};
}

Element TextBox(const QString &column, int left, int top, int width, int height, Align align,
                const QString &format) {
    return Element{ElementKind::TextBox, left, top, width, height, column, align, format, false,
                   DefaultPointSize,     false};
}

Element CountBox(int left, int top, int width, int height, Align align) {
    return Element{ElementKind::Count, left, top, width, height, QString(), align, QString(), false,
                   DefaultPointSize,   false};
}

Element Emphasised(Element element, double pointSize) {
    element.bold = true;
    element.pointSize = pointSize;
    return element;
}

Element HLine(int left, int top, int width) {
    return Element{ElementKind::HLine, left, top, width, 0, QString(), Align::Left, QString(), false,
                   DefaultPointSize,   false};
}

Element VLine(int left, int top, int height) {
    return Element{ElementKind::VLine, left, top, 0, height, QString(), Align::Left, QString(), false,
                   DefaultPointSize,   false};
}

Element BarChart(const QString &labelColumn, const QList<ChartSeries> &series, int left, int top, int width,
                 int height, const QString &format) {
    Element chart{ElementKind::BarChart, left, top, width, height, labelColumn, Align::Left, format, false,
                  DefaultPointSize,      false};
    chart.series = series;
    return chart;
}

Section StandardPageFooter(int height, int webLeft, int ruleWidth) {
    Section footer;
    footer.height = height;
    footer.elements = {
        Label(QStringLiteral("Page"), 144, 144, 435, 285),
        Label(QStringLiteral("%p"), 576, 144, 435, 285, Align::Centre),
        Label(QStringLiteral("of"), 1008, 144, 285, 285, Align::Centre),
        Label(QStringLiteral("%P"), 1296, 144, 435, 285, Align::Centre),
        Label(QString::fromLatin1(ProgramLabel), 3945, 144, 2730, 285, Align::Centre),
        Label(QString::fromLatin1(WebAddress), webLeft, 144, 2025, 285, Align::Right),
        HLine(144, 432, ruleWidth),
    };
    return footer;
}

void AddTitleBlock(Section &pageHeader, const QString &reportName) {
    pageHeader.elements << Caption(QStringLiteral("%i"), 1627, 0, 7920, 420, Align::Centre, 14)
                        << Caption(reportName, 3502, 720, 4170, 300, Align::Centre, 11);
}

void AddWritingLines(Section &section, int left, int width, int first, int last, int step) {
    for (int top = first; top <= last; top += step)
        section.elements << HLine(left, top, width);
}

QString ReportCaption(const QString &suffix) {
    return QString::fromLatin1(controls::AppTitle) + suffix;
}

} // namespace reports
