#include "tables/reports/report_export.h"

#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

#include "platform/files/whole_file.h"
#include "tables/reports/report_painter.h"

namespace razudar::tables {

namespace {

// The cells of a line as a table row: a total's caption takes the first cell when that is free;
// otherwise the caption comes as a row of its own before the cells.
std::vector<QStringList> rowsOf(const ReportLine& line) {
    if (line.kind == ReportLine::Kind::Row) return {line.cells};
    if (line.kind == ReportLine::Kind::Group) return {QStringList{line.text}};
    QStringList cells = line.cells;
    if (!cells.isEmpty() && cells[0].isEmpty()) {
        cells[0] = line.text;
        return {cells};
    }
    return {QStringList{line.text}, cells};
}

// A cell the spreadsheet may hold as a number: a finite number written plainly.
bool isNumber(const QString& text) {
    if (text.isEmpty() || text != text.trimmed()) return false;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

QString rtfEscape(const QString& text) {
    QString out;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += u'\\';
            out += ch;
        } else if (u == u'\n') {
            out += QStringLiteral("\\line ");
        } else if (u == u'\t') {
            out += QStringLiteral("\\tab ");
        } else if (u < 0x20) {
            // Other control characters have no place in a cell's text.
        } else if (u < 0x80) {
            out += ch;
        } else {
            // \uN takes a signed 16-bit number; "?" is what a reader without Unicode shows.
            out += QStringLiteral("\\u%1?").arg(static_cast<qint16>(u));
        }
    }
    return out;
}

// Escaped for XML, without the control characters XML 1.0 does not allow.
QString xmlText(const QString& text) {
    QString clean;
    for (const QChar ch : text)
        if (ch.unicode() >= 0x20 || ch == u'\t' || ch == u'\n' || ch == u'\r') clean += ch;
    return clean.toHtmlEscaped();
}

bool isControl(char16_t u) { return u < 0x20 || (u >= 0x7F && u < 0xA0); }

// The text with each line break (CR, LF or CR LF) and each tab written as given and every other
// control character left out.
QString withoutControls(const QString& text, QChar lineBreak, QChar tab) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;  // one break
        if (u == u'\n' || u == u'\r') {
            out += lineBreak;
        } else if (u == u'\t') {
            out += tab;
        } else if (!isControl(u)) {
            out += text[i];
        }
    }
    return out;
}

// A cell of the text table on one line: a line break or a tab reads as one blank, so the row and
// its columns stay whole.
QString plainText(const QString& text) { return withoutControls(text, u' ', u' '); }

// Escaped for HTML: a line break becomes <br>, a tab stays white space.
QString htmlText(const QString& text) {
    return withoutControls(text, u'\n', u'\t').toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
}

// The report with every text as the text table writes it.
ReportTable plainTable(ReportTable table) {
    table.title = plainText(table.title);
    table.subtitle = plainText(table.subtitle);
    for (ReportColumn& c : table.columns) c.caption = plainText(c.caption);
    for (ReportLine& line : table.lines) {
        line.text = plainText(line.text);
        for (QString& cell : line.cells) cell = plainText(cell);
    }
    return table;
}

// Column widths are bounded by the page when the definition is read; positions are still added
// in a wide type so that no sum of widths can wrap.
qint64 twips(double mm) { return static_cast<qint64>(mm * 1440.0 / 25.4 + 0.5); }

bool writePdf(const ReportTable& table, QIODevice& device, QString* error) {
    QPdfWriter writer(&device);
    writer.setResolution(300);
    writer.setTitle(table.title);
    writer.setCreator(QStringLiteral("Razudar"));
    ReportPainter painter(table);
    painter.setupPage(writer);
    QPainter p;
    if (!p.begin(&writer)) {
        if (error) *error = QStringLiteral("impossibile creare il PDF");
        return false;
    }
    painter.paint(p, writer);
    return p.end();
}

}  // namespace

std::optional<ReportExportFormat> exportFormatFromCode(qint32 code) {
    if (code >= 2 && code <= 7) return static_cast<ReportExportFormat>(code);
    return std::nullopt;
}

QString exportExtension(ReportExportFormat format) {
    switch (format) {
    case ReportExportFormat::Pdf: return QStringLiteral(".pdf");
    case ReportExportFormat::Xls: return QStringLiteral(".xls");
    case ReportExportFormat::Rtf: return QStringLiteral(".rtf");
    case ReportExportFormat::Doc: return QStringLiteral(".doc");
    case ReportExportFormat::Txt: return QStringLiteral(".txt");
    case ReportExportFormat::Htm: return QStringLiteral(".htm");
    }
    return {};
}

QByteArray reportAsText(const ReportTable& report) {
    const ReportTable table = plainTable(report);
    const int n = static_cast<int>(table.columns.size());
    // Captions of groups and totals run over the columns; only rows and sums set the widths.
    std::vector<qsizetype> widths(size_t(n), 0);
    for (int c = 0; c < n; ++c) widths[size_t(c)] = table.columns[size_t(c)].caption.size();
    for (const ReportLine& line : table.lines)
        for (int c = 0; c < std::min(n, int(line.cells.size())); ++c)
            widths[size_t(c)] = std::max(widths[size_t(c)], line.cells[c].size());

    auto rowText = [&](const QStringList& cells) {
        QString out;
        for (int c = 0; c < n; ++c) {
            const QString text = c < cells.size() ? cells[c] : QString();
            const int w = int(widths[size_t(c)]);
            out += table.columns[size_t(c)].align & Qt::AlignRight ? text.rightJustified(w) : text.leftJustified(w);
            if (c + 1 < n) out += QStringLiteral("  ");
        }
        while (out.endsWith(u' ')) out.chop(1);
        return out + u'\n';
    };
    QStringList captions;
    for (const ReportColumn& c : table.columns) captions << c.caption;
    const QString head = rowText(captions);

    QString out = table.title + u'\n';
    if (!table.subtitle.isEmpty()) out += table.subtitle + u'\n';
    out += u'\n' + head + QString(head.size() - 1, u'-') + u'\n';
    for (const ReportLine& line : table.lines) {
        switch (line.kind) {
        case ReportLine::Kind::Row: out += rowText(line.cells); break;
        case ReportLine::Kind::Group: out += u'\n' + line.text + u'\n'; break;
        default:
            out += line.text + u'\n';
            if (std::any_of(line.cells.begin(), line.cells.end(), [](const QString& c) { return !c.isEmpty(); }))
                out += rowText(line.cells);
            break;
        }
    }
    return out.toUtf8();
}

QByteArray reportAsHtml(const ReportTable& table) {
    const int n = static_cast<int>(table.columns.size());
    QString out = QStringLiteral(
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>\n"
        "<style>body{font-family:sans-serif}table{border-collapse:collapse}"
        "th,td{border:1px solid #999;padding:2px 6px}th{background:#ddd}"
        "tr.g td{background:#e2eaf4;font-weight:bold}tr.t td{font-weight:bold}</style>"
        "</head><body>\n<h1>%2</h1>\n")
                      .arg(plainText(table.title).toHtmlEscaped(), htmlText(table.title));
    if (!table.subtitle.isEmpty()) out += QStringLiteral("<p>%1</p>\n").arg(htmlText(table.subtitle));
    out += QStringLiteral("<table>\n<tr>");
    for (const ReportColumn& c : table.columns) out += QStringLiteral("<th>%1</th>").arg(htmlText(c.caption));
    out += QStringLiteral("</tr>\n");
    for (const ReportLine& line : table.lines) {
        if (line.kind == ReportLine::Kind::Group) {
            out += QStringLiteral("<tr class=\"g\"><td colspan=\"%1\">%2</td></tr>\n").arg(n).arg(htmlText(line.text));
            continue;
        }
        for (const QStringList& cells : rowsOf(line)) {
            out += line.kind == ReportLine::Kind::Row ? QStringLiteral("<tr>") : QStringLiteral("<tr class=\"t\">");
            for (int c = 0; c < n; ++c) {
                const bool right = table.columns[size_t(c)].align & Qt::AlignRight;
                out += (right ? QStringLiteral("<td style=\"text-align:right\">") : QStringLiteral("<td>")) +
                       htmlText(cells.value(c)) + QStringLiteral("</td>");
            }
            out += QStringLiteral("</tr>\n");
        }
    }
    out += QStringLiteral("</table>\n</body></html>\n");
    return out.toUtf8();
}

QByteArray reportAsRtf(const ReportTable& table) {
    const int n = static_cast<int>(table.columns.size());
    QString out = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n");
    out += table.landscape ? QStringLiteral("\\landscape\\paperw16838\\paperh11906")
                           : QStringLiteral("\\paperw11906\\paperh16838");
    out += QStringLiteral("\\margl850\\margr850\\margt850\\margb850\\fs18\n");
    out += QStringLiteral("{\\pard\\b\\fs28 %1\\par}\n").arg(rtfEscape(table.title));
    if (!table.subtitle.isEmpty()) out += QStringLiteral("{\\pard\\fs20 %1\\par}\n").arg(rtfEscape(table.subtitle));
    out += QStringLiteral("{\\pard\\par}\n");

    QString rowDef = QStringLiteral("\\trowd\\trgaph70");
    qint64 right = 0;
    for (const ReportColumn& c : table.columns) {
        right += twips(c.widthMm);
        rowDef += QStringLiteral("\\cellx%1").arg(right);
    }
    auto row = [&](const QStringList& cells, bool bold) {
        QString r = rowDef + u'\n';
        for (int c = 0; c < n; ++c) {
            const bool alignRight = table.columns[size_t(c)].align & Qt::AlignRight;
            r += QStringLiteral("\\pard\\intbl%1%2 %3%4\\cell\n")
                     .arg(alignRight ? QStringLiteral("\\qr") : QString(), bold ? QStringLiteral("\\b") : QString(),
                          rtfEscape(cells.value(c)), bold ? QStringLiteral("\\b0") : QString());
        }
        return r + QStringLiteral("\\row\n");
    };
    QStringList captions;
    for (const ReportColumn& c : table.columns) captions << c.caption;
    out += row(captions, true);
    for (const ReportLine& line : table.lines) {
        if (line.kind == ReportLine::Kind::Group) {
            out += QStringLiteral("\\pard\\sb120\\b %1\\b0\\par\n").arg(rtfEscape(line.text));
            continue;
        }
        for (const QStringList& cells : rowsOf(line)) out += row(cells, line.kind != ReportLine::Kind::Row);
    }
    out += QStringLiteral("\\pard\\par\n}\n");
    return out.toLatin1();  // every character above 127 is already an escape
}

QByteArray reportAsSpreadsheetXml(const ReportTable& table) {
    auto cell = [](const QString& text, bool bold) {
        const bool number = !text.isEmpty() && isNumber(text);
        return QStringLiteral("<Cell%1><Data ss:Type=\"%2\">%3</Data></Cell>")
            .arg(bold ? QStringLiteral(" ss:StyleID=\"b\"") : QString(),
                 number ? QStringLiteral("Number") : QStringLiteral("String"), xmlText(text));
    };
    auto row = [&](const QStringList& cells, bool bold) {
        QString r = QStringLiteral("<Row>");
        for (const QString& c : cells) r += cell(c, bold);
        return r + QStringLiteral("</Row>\n");
    };
    QString out = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?mso-application progid=\"Excel.Sheet\"?>\n"
        "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" "
        "xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\n"
        "<Styles><Style ss:ID=\"b\"><Font ss:Bold=\"1\"/></Style></Styles>\n"
        "<Worksheet ss:Name=\"Report\"><Table>\n");
    for (const ReportColumn& c : table.columns)
        out += QStringLiteral("<Column ss:Width=\"%1\"/>").arg(qRound64(c.widthMm * 72 / 25.4));
    out += u'\n' + row({table.title}, true);
    if (!table.subtitle.isEmpty()) out += row({table.subtitle}, false);
    QStringList captions;
    for (const ReportColumn& c : table.columns) captions << c.caption;
    out += row(captions, true);
    for (const ReportLine& line : table.lines)
        for (const QStringList& cells : rowsOf(line)) out += row(cells, line.kind != ReportLine::Kind::Row);
    out += QStringLiteral("</Table></Worksheet>\n</Workbook>\n");
    return out.toUtf8();
}

bool exportReport(const ReportTable& table, ReportExportFormat format, const QString& path, QString* error) {
    QString pdfFailure;
    const auto fill = [&](QIODevice& device, QString* reason) {
        QByteArray data;
        switch (format) {
        case ReportExportFormat::Pdf:
            if (writePdf(table, device, &pdfFailure)) return true;
            if (reason) *reason = pdfFailure;
            return false;
        case ReportExportFormat::Htm: data = reportAsHtml(table); break;
        case ReportExportFormat::Txt: data = reportAsText(table); break;
        case ReportExportFormat::Rtf:
        case ReportExportFormat::Doc: data = reportAsRtf(table); break;
        case ReportExportFormat::Xls: data = reportAsSpreadsheetXml(table); break;
        }
        return device.write(data) == data.size();
    };
    QString reason;
    if (files::writeWholeFile(path, fill, &reason)) return true;
    // The PDF's own failure is told as it is; the file's is a file that could not be written.
    const bool pdfFailed = !pdfFailure.isEmpty() && reason == pdfFailure;
    if (error) *error = pdfFailed ? reason : QStringLiteral("impossibile scrivere il file: ") + reason;
    return false;
}

}  // namespace razudar::tables
