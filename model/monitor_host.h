#pragma once
// What the window that hosts a results monitor provides to the monitor refresh of the race
// state: its monitor surface (a Stovak text list) and a row writer. No window of the program
// hosts a monitor; a host that wants one implements this.
#include <QtGlobal>

namespace razudar {

class TextListSurface;

class MonitorHost {
public:
    virtual ~MonitorHost() = default;
    // The surface with that index (the monitor uses index 0); nullptr when there is none.
    virtual TextListSurface* lstPagina(int Index) = 0;
    // Writes one row of the surface: called once per refresh, before the on-course block,
    // with (surface, true, colour 0x00BBGGRR, 200 characters, the row, 0). What the row shows
    // is the host's choice (a full-width rule of that many characters fits the arguments).
    virtual void ScriviRiga(TextListSurface& Pic, bool Flag, qint32 Colore, qint16 Caratteri,
                            qint16& Riga, qint16 Colonna) = 0;
};

}  // namespace razudar
