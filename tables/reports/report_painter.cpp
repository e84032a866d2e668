#include "tables/reports/report_painter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <numeric>
#include <optional>

namespace razudar::tables {

namespace {

constexpr double kMarginMm = 15;
const QColor kBand(226, 234, 244);     // group headings
const QColor kStripe(244, 244, 244);   // every other row
const QColor kRule(90, 90, 90);

QFont reportFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    // Plain letters, no ligatures: text copied or searched in a PDF reads as it was written.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont fontFor(ReportLine::Kind kind) {
    switch (kind) {
    case ReportLine::Kind::Group: return reportFont(9.5, true);
    case ReportLine::Kind::Row: return reportFont(9, false);
    default: return reportFont(9, true);
    }
}

}  // namespace

void ReportPainter::setupPage(QPagedPaintDevice& device) const {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     table_.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
}

void ReportPainter::measureLines(QPainter& painter) {
    for (const auto kind : {ReportLine::Kind::Group, ReportLine::Kind::Row, ReportLine::Kind::GroupTotal,
                            ReportLine::Kind::GrandTotal}) {
        const QFontMetricsF fm(fontFor(kind), painter.device());
        heights_[size_t(kind)] = fm.height() * (kind == ReportLine::Kind::Row ? 1.3 : 1.6);
    }
}

void ReportPainter::paginate(double bodyHeight) {
    pages_.clear();
    Page page;
    double used = 0;
    std::optional<size_t> group;  // the group heading of the lines being laid out
    const auto& lines = table_.lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        double need = lineHeight(lines[i].kind);
        // A group heading keeps at least its first row with it.
        if (lines[i].kind == ReportLine::Kind::Group && i + 1 < lines.size())
            need += lineHeight(lines[i + 1].kind);
        if (used + need > bodyHeight && i > page.first) {
            page.end = i;
            pages_.push_back(page);
            page = Page{i, i, std::nullopt};
            used = 0;
            // A group that goes on repeats its heading at the top of the new page.
            if (group && lines[i].kind != ReportLine::Kind::Group && lines[i].kind != ReportLine::Kind::GrandTotal) {
                page.continuedGroup = group;
                used = lineHeight(ReportLine::Kind::Group);
            }
        }
        if (lines[i].kind == ReportLine::Kind::Group) group = i;
        if (lines[i].kind == ReportLine::Kind::GroupTotal) group.reset();
        used += lineHeight(lines[i].kind);
    }
    page.end = lines.size();
    pages_.push_back(page);  // an empty report still has its page with title and headings
}

void ReportPainter::paint(QPainter& painter, QPagedPaintDevice& device) {
    const double dpi = device.logicalDpiY();
    auto mm = [dpi](double v) { return v * dpi / 25.4; };
    const double width = device.width();
    const double height = device.height();

    // Column widths in device units, scaled down together when they do not fit the page.
    std::vector<double> widths;
    for (const ReportColumn& c : table_.columns) widths.push_back(mm(c.widthMm));
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (total > width)
        for (double& w : widths) w *= width / total;
    const double pad = mm(1.2);

    const QFont titleFont = reportFont(15, true);
    const QFont subtitleFont = reportFont(10, false);
    const QFont headingFont = reportFont(8.5, true);
    const QFont footerFont = reportFont(7.5, false);
    const double titleH = QFontMetricsF(titleFont, &device).height() * 1.3;
    const double subtitleH = table_.subtitle.isEmpty() ? 0 : QFontMetricsF(subtitleFont, &device).height() * 1.3;
    const double headingH = QFontMetricsF(headingFont, &device).height() * 1.6;
    const double footerH = QFontMetricsF(footerFont, &device).height() * 1.8;
    const double headerH = titleH + subtitleH + mm(3) + headingH;
    measureLines(painter);
    paginate(height - headerH - footerH);

    auto drawCells = [&](double y, double h, const QStringList& cells) {
        double x = 0;
        for (size_t c = 0; c < widths.size(); ++c) {
            const QRectF cell(x + pad, y, widths[c] - 2 * pad, h);
            const QString text = c < size_t(cells.size()) ? cells[int(c)] : QString();
            painter.drawText(cell, int(table_.columns[c].align | Qt::AlignVCenter),
                             painter.fontMetrics().elidedText(text, Qt::ElideRight, int(cell.width())));
            x += widths[c];
        }
    };

    for (size_t p = 0; p < pages_.size(); ++p) {
        if (p > 0) device.newPage();
        double y = 0;
        painter.setPen(Qt::black);
        painter.setFont(titleFont);
        painter.drawText(QRectF(0, y, width, titleH), Qt::AlignLeft | Qt::AlignVCenter, table_.title);
        y += titleH;
        if (subtitleH > 0) {
            painter.setFont(subtitleFont);
            painter.drawText(QRectF(0, y, width, subtitleH), Qt::AlignLeft | Qt::AlignVCenter, table_.subtitle);
            y += subtitleH;
        }
        y += mm(3);
        painter.setFont(headingFont);
        QStringList captions;
        for (const ReportColumn& c : table_.columns) captions << c.caption;
        drawCells(y, headingH, captions);
        y += headingH;
        painter.setPen(QPen(kRule, mm(0.3)));
        painter.drawLine(QPointF(0, y), QPointF(width, y));
        painter.setPen(Qt::black);

        auto drawGroup = [&](double top, double h, const QString& text) {
            painter.setFont(fontFor(ReportLine::Kind::Group));
            painter.fillRect(QRectF(0, top + h * 0.15, width, h * 0.8), kBand);
            painter.drawText(QRectF(pad, top + h * 0.15, width - 2 * pad, h * 0.8), Qt::AlignLeft | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(text, Qt::ElideRight, int(width - 2 * pad)));
        };
        if (const auto group = pages_[p].continuedGroup) {
            const double h = lineHeight(ReportLine::Kind::Group);
            drawGroup(y, h, table_.lines[*group].text + QStringLiteral(" (segue)"));
            y += h;
        }
        int row = 0;
        for (size_t i = pages_[p].first; i < pages_[p].end; ++i) {
            const ReportLine& line = table_.lines[i];
            const double h = lineHeight(line.kind);
            painter.setFont(fontFor(line.kind));
            switch (line.kind) {
            case ReportLine::Kind::Group:
                drawGroup(y, h, line.text);
                row = 0;
                break;
            case ReportLine::Kind::Row:
                if (row++ % 2) painter.fillRect(QRectF(0, y, width, h), kStripe);
                drawCells(y, h, line.cells);
                break;
            default:
                painter.setPen(QPen(kRule, mm(0.2)));
                painter.drawLine(QPointF(0, y + h * 0.1), QPointF(width, y + h * 0.1));
                painter.setPen(Qt::black);
                drawCells(y, h, line.cells);
                painter.drawText(QRectF(pad, y, width - 2 * pad, h), Qt::AlignLeft | Qt::AlignVCenter, line.text);
                break;
            }
            y += h;
        }

        painter.setFont(footerFont);
        painter.setPen(kRule);
        painter.drawText(QRectF(0, height - footerH, width, footerH), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Pagina %1 di %2").arg(p + 1).arg(pages_.size()));
    }
}

}  // namespace razudar::tables
