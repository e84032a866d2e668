#pragma once
// One text of a results-monitor page: Scrivi with the colour of a monitor colour index, the row,
// no new line, X, the alignment and the size change; and the page's time texts.
#include <QString>
#include <QtGlobal>

namespace razudar {

class clsKrono;
class MonitorPageSettings;
class TextListSurface;

namespace monitor {

class MonitorWriter {
public:
    MonitorWriter(TextListSurface& Pic, const MonitorPageSettings& settings, const clsKrono& k)
        : pic_(Pic), settings_(settings), k_(k) {}
    // Colour index `colore` of the monitor settings; left-aligned at X, else ending at X.
    void text(const QString& s, qint32 colore, double riga, double x, bool left, double size);
    // The same with a colour value rather than an index.
    void textInColour(const QString& s, qint32 colourValue, double riga, double x, bool left, double size);
    // " " and the packed time 12 wide, cut to the race's resolution (trimmed by the cut).
    QString time(qint64 packed) const;
    // The heat page's times: trimmed before the cut.
    QString heatTime(qint64 packed) const;

private:
    TextListSurface& pic_;
    const MonitorPageSettings& settings_;
    const clsKrono& k_;
};

}  // namespace monitor
}  // namespace razudar
