#pragma once
// Draws a laid-out report page by page on a paged device: a PDF writer, a printer or the print
// preview's printer. Every page carries the title, the column headings and "Pagina n di m".
#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "tables/reports/report_document.h"

class QPagedPaintDevice;
class QPainter;

namespace razudar::tables {

class ReportPainter {
public:
    explicit ReportPainter(const ReportTable& table) : table_(table) {}

    // A4 in the report's orientation with 15 mm margins.
    void setupPage(QPagedPaintDevice& device) const;
    // Paints every page with a painter already begun on `device`.
    void paint(QPainter& painter, QPagedPaintDevice& device);
    // Pages of the last paint.
    int pageCount() const { return static_cast<int>(pages_.size()); }

private:
    struct Page {
        size_t first = 0;
        size_t end = 0;
        std::optional<size_t> continuedGroup;  // heading repeated at the top, "(segue)"
    };
    void measureLines(QPainter& painter);
    void paginate(double bodyHeight);
    double lineHeight(ReportLine::Kind kind) const { return heights_[size_t(kind)]; }

    const ReportTable& table_;
    std::vector<Page> pages_;
    std::array<double, 4> heights_{};  // by line kind, on the device being painted
};

}  // namespace razudar::tables
