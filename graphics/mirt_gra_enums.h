#pragma once
#include <QWidget>

#include "graphics/gra_types.h"

namespace razudar {

// The public enumerations of the graphics control, declared where late-bound callers find them
// by name (the control's meta-object searches its base classes). They live in a base class of
// their own because one enumeration, ProprietaOggettoGenerico, shares its name with a property
// member of the control.
class MirtGRAEnums : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    enum StatiPiano {
        piVuoto = gra::piVuoto,
        piCaricato = gra::piCaricato,
        piVisualizzato = gra::piVisualizzato,
        piSuMonitor = gra::piSuMonitor,
    };
    Q_ENUM(StatiPiano)

    enum TipiOggetto {
        ogTipoTesto = gra::ogTipoTesto,
        ogTipoAnimazione = gra::ogTipoAnimazione,
        ogTipoImmagine = gra::ogTipoImmagine,
        ogTipoCrawl = gra::ogTipoCrawl,
        ogTipoRoll = gra::ogTipoRoll,
        ogTipoOrologio = gra::ogTipoOrologio,
        ogTipoDVEavi = gra::ogTipoDVEavi,
        ogTipoMatroxDVE = gra::ogTipoMatroxDVE,
    };
    Q_ENUM(TipiOggetto)

    enum TipiInfo {
        ogNome = gra::ogNome,
        ogTipo = gra::ogTipo,
        ogDescrizioneTipo = gra::ogDescrizioneTipo,
        ogX = gra::ogX,
        ogY = gra::ogY,
        ogW = gra::ogW,
        ogH = gra::ogH,
    };
    Q_ENUM(TipiInfo)

    enum ProprietaOggettoGenerico {
        ogProprietaTesto = gra::ogProprietaTesto,
        ogProprietaFont = gra::ogProprietaFont,
        ogProprietaColore = gra::ogProprietaColore,
        ogProprietaPercorso = gra::ogProprietaPercorso,
        ogProprietaVisibile = gra::ogProprietaVisibile,
        ogProprietaTimeStart = gra::ogProprietaTimeStart,
        ogProprietaTimeValue = gra::ogProprietaTimeValue,
        ogProprietaTimeSgn = gra::ogProprietaTimeSgn,
        ogProprietaTimeRunFormat = gra::ogProprietaTimeRunFormat,
        ogProprietaTimeStopFormat = gra::ogProprietaTimeStopFormat,
        ogProprietaX = gra::ogProprietaX,
        ogProprietaY = gra::ogProprietaY,
        ogProprietaW = gra::ogProprietaW,
        ogProprietaH = gra::ogProprietaH,
        ogProprietaAlpha = gra::ogProprietaAlpha,
        ogProprietaColoreOutline = gra::ogProprietaColoreOutline,
    };
    Q_ENUM(ProprietaOggettoGenerico)

    enum ProprietaOggettoTesto {
        ogTestoProprietaTesto = gra::ogProprietaTesto,
        ogTestoProprietaFont = gra::ogProprietaFont,
        ogTestoProprietaColore = gra::ogProprietaColore,
        ogTestoProprietaVisibile = gra::ogProprietaVisibile,
        ogTestoProprietaTimeStart = gra::ogProprietaTimeStart,
        ogTestoProprietaTimeValue = gra::ogProprietaTimeValue,
        ogTestoProprietaTimeSgn = gra::ogProprietaTimeSgn,
        ogTestoProprietaTimeRunFormat = gra::ogProprietaTimeRunFormat,
        ogTestoProprietaTimeStopFormat = gra::ogProprietaTimeStopFormat,
        ogTestoProprietaX = gra::ogProprietaX,
        ogTestoProprietaY = gra::ogProprietaY,
        ogTestoProprietaW = gra::ogProprietaW,
        ogTestoProprietaH = gra::ogProprietaH,
        ogTestoProprietaAlpha = gra::ogProprietaAlpha,
        ogTestoProprietaColoreOutline = gra::ogProprietaColoreOutline,
    };
    Q_ENUM(ProprietaOggettoTesto)

    enum ProprietaOggettoImmagine {
        ogImmagineProprietaPercorso = gra::ogProprietaPercorso,
        ogImmagineProprietaVisibile = gra::ogProprietaVisibile,
        ogImmagineProprietaX = gra::ogProprietaX,
        ogImmagineProprietaY = gra::ogProprietaY,
        ogImmagineProprietaW = gra::ogProprietaW,
        ogImmagineProprietaH = gra::ogProprietaH,
        ogImmagineProprietaAlpha = gra::ogProprietaAlpha,
    };
    Q_ENUM(ProprietaOggettoImmagine)

    enum ProprietaOggettoAnimazione {
        ogAnimazioneProprietaPercorso = gra::ogProprietaPercorso,
        ogAnimazioneProprietaVisibile = gra::ogProprietaVisibile,
    };
    Q_ENUM(ProprietaOggettoAnimazione)

    enum ProprietaOggettoCrawl {
        ogCrawlProprietaTesto = gra::ogProprietaTesto,
        ogCrawlProprietaFont = gra::ogProprietaFont,
        ogCrawlProprietaColore = gra::ogProprietaColore,
        ogCrawlProprietaX = gra::ogProprietaX,
        ogCrawlProprietaY = gra::ogProprietaY,
    };
    Q_ENUM(ProprietaOggettoCrawl)

    enum ProprietaOggettoRoll {
        ogRollProprietaTesto = gra::ogProprietaTesto,
        ogRollProprietaFont = gra::ogProprietaFont,
        ogRollProprietaColore = gra::ogProprietaColore,
    };
    Q_ENUM(ProprietaOggettoRoll)

    enum ProprietaOggettoOrologio { ogOrologioProprietaVisibile = gra::ogProprietaVisibile };
    Q_ENUM(ProprietaOggettoOrologio)

    enum ProprietaOggettoDVEavi { ogDVEaviProprietaPercorso = gra::ogProprietaPercorso };
    Q_ENUM(ProprietaOggettoDVEavi)

    enum ProprietaTempoACorrere {
        ogTempoACorrereProprietaTimeStart = 0,
        ogTempoACorrereProprietaTimeStop = 1,
        ogTempoACorrereProprietaTimePause = 2,
    };
    Q_ENUM(ProprietaTempoACorrere)

    enum MetodoAnimazione { ogAnimazioneMetodoStart = 0, ogAnimazioneMetodoStop = 1 };
    Q_ENUM(MetodoAnimazione)

    enum scStatistiche {
        scStatisticheRound = 0,
        scStatisticheAnni = 1,
        scStatisticheAssolute = 2,
        scStatisticheTeam = 3,
        scStatisticheMezzoTesto = 4,
        scStatisticheMezzoAvi = 5,
    };
    Q_ENUM(scStatistiche)
};

}  // namespace razudar
