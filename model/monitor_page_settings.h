#pragma once
// What the results-monitor pages read of the monitor settings at the moment they write: the
// colours by index, the running-time option and the rows of the page's three blocks. The
// settings belong to the data side (they are loaded from the race database); it hands in an
// object over them. With none, every colour and layout value reads 0.
#include <QtGlobal>

namespace razudar {

class MonitorPageSettings {
public:
    virtual ~MonitorPageSettings() = default;
    // The colour (0x00BBGGRR) stored under the index; 0 when none is.
    virtual qint32 Colore(qint32 IndiceColore) const = 0;
    // Show the on-course block also in a race without intermediates.
    virtual bool TempoCorrereSenzaIntermedi() const = 0;
    // The layout: leading positions always shown, positions of the cycling block, rows of the
    // on-course block, and the first row of each block.
    virtual qint16 MonitorPosizioniFisse() const = 0;
    virtual qint16 MonitorPosizioniCiclo() const = 0;
    virtual qint16 MonitorRigheInPista() const = 0;
    virtual qint16 MonitorRigaPosizioniFisse() const = 0;
    virtual qint16 MonitorRigaCiclo() const = 0;
    virtual qint16 MonitorRigaInPista() const = 0;
};

}  // namespace razudar
