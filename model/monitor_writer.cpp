#include "model/monitor_writer.h"

#include "model/krono.h"
#include "model/monitor_page_settings.h"
#include "model/preview_text.h"
#include "model/text_list_surface.h"

namespace razudar::monitor {

void MonitorWriter::text(const QString& s, qint32 colore, double riga, double x, bool left, double size) {
    textInColour(s, settings_.Colore(colore), riga, x, left, size);
}

void MonitorWriter::textInColour(const QString& s, qint32 colourValue, double riga, double x, bool left,
                                 double size) {
    ScriviArgs args;
    args.c = colourValue;
    args.p = riga;
    args.NonAndareACapo = true;
    args.X = x;
    args.Sinistra = left;
    args.FattoreDimensione = size;
    pic_.Scrivi(s, args);
}

QString MonitorWriter::time(qint64 packed) const { return u' ' + preview::T(k_, packed); }

QString MonitorWriter::heatTime(qint64 packed) const { return u' ' + preview::T(k_, packed, true); }

}  // namespace razudar::monitor
