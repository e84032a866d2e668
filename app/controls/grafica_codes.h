#pragma once
// The program's copy of the codes of the graphics control's public enumerations that it passes:
// object properties, clock properties, animation methods and plane states. The control is bound
// late, so its headers are not the program's; these values are the control's own.
namespace razudar::controls {

enum ProprietaOggettoTesto {
    ogTestoProprietaTesto = 0, ogTestoProprietaFont = 1, ogTestoProprietaColore = 2,
    ogTestoProprietaVisibile = 4, ogTestoProprietaTimeStart = 5, ogTestoProprietaTimeValue = 6,
    ogTestoProprietaTimeSgn = 7, ogTestoProprietaTimeRunFormat = 8, ogTestoProprietaTimeStopFormat = 9,
    ogTestoProprietaX = 10, ogTestoProprietaY = 11, ogTestoProprietaW = 12, ogTestoProprietaH = 13,
    ogTestoProprietaAlpha = 14, ogTestoProprietaColoreOutline = 15
};

enum ProprietaOggettoImmagine { ogImmagineProprietaPercorso = 3, ogImmagineProprietaVisibile = 4 };

enum ProprietaOggettoAnimazione { ogAnimazioneProprietaPercorso = 3, ogAnimazioneProprietaVisibile = 4 };

enum MetodoAnimazione { ogAnimazioneMetodoStart = 0, ogAnimazioneMetodoStop = 1 };

enum ProprietaTempoACorrere {
    ogTempoACorrereProprietaTimeStart = 0, ogTempoACorrereProprietaTimeStop = 1,
    ogTempoACorrereProprietaTimePause = 2
};

enum StatiPiano { piVuoto = 0, piCaricato = 1, piVisualizzato = 2, piSuMonitor = 3 };

}  // namespace razudar::controls
