#pragma once
// The page codes that reach MandaInOnda (page buttons, check boxes, timekeeping messages, the
// run-time delay) and the names of the pages in the graphics folder that they load.
#include <QtGlobal>

namespace razudar {

// Page codes.
inline constexpr qint16 kCodicePulizia = 0;              // "Puli&zia": the air cleared
inline constexpr qint16 kCodiceClassificaGrande = 1;     // standings, full page
inline constexpr qint16 kCodiceOrdinePartenza = 2;       // start list, or the parallel board
inline constexpr qint16 kCodiceClassificaBassa = 3;      // standings, lower third
inline constexpr qint16 kCodicePodio = 4;
inline constexpr qint16 kCodiceScheda = 5;               // card of the selected competitor
inline constexpr qint16 kCodiceSchedaPrimo = 6;          // cards of the first three: 6, 7, 8
inline constexpr qint16 kCodiceSchedaSecondo = 7;
inline constexpr qint16 kCodiceSchedaTerzo = 8;
inline constexpr qint16 kCodiceStartZero = 9;            // running clock ready at the start
inline constexpr qint16 kCodiceClassificaTC = 10;        // standings on the running clock
inline constexpr qint16 kCodiceNominativoTC = 11;        // competitor on the running clock
inline constexpr qint16 kCodiceTempo = 12;               // running clock stopped
inline constexpr qint16 kCodiceSeguenteClassifica = 13;  // "+": next screen of the list on air
inline constexpr qint16 kCodiceSeguentePartenti = 14;
inline constexpr qint16 kCodicePaginaPiena = 15;         // free text, full page
inline constexpr qint16 kCodicePaginaBassa = 16;         // free text, lower third
inline constexpr qint16 kCodicePaginaLibera1 = 17;       // fixed pages 17, 18, 19
inline constexpr qint16 kCodicePaginaLibera2 = 18;
inline constexpr qint16 kCodicePaginaLibera3 = 19;
inline constexpr qint16 kCodiceStart = 20;               // running clock started
inline constexpr qint16 kCodiceIntermedio1 = 21;         // "I&1", "I&2", "&F": the reference
inline constexpr qint16 kCodiceIntermedio2 = 22;         // competitor at a split or the finish
inline constexpr qint16 kCodiceFinale = 23;
inline constexpr qint16 kCodiceTempoManche = 24;         // run time after the delay
inline constexpr qint16 kCodiceParallelo = 25;           // parallel running clock of a heat
inline constexpr qint16 kCodiceStartParallelo = 26;
inline constexpr qint16 kCodiceDistaccoParallelo = 27;

// Page names.
inline constexpr char16_t kPaginaClassifica[] = u"Classifica";
inline constexpr char16_t kPaginaClassificaBassa[] = u"ClassificaBassa";
inline constexpr char16_t kPaginaPartenti[] = u"Partenti";
inline constexpr char16_t kPaginaPodio[] = u"Podio";
inline constexpr char16_t kPaginaScheda[] = u"ConcorrenteScheda";
inline constexpr char16_t kPaginaPiena[] = u"PaginaPiena";
inline constexpr char16_t kPaginaBassa[] = u"PaginaBassa";
inline constexpr char16_t kPaginaLibera[] = u"PaginaLibera";  // followed by 1, 2 or 3
inline constexpr char16_t kPaginaTempoACorrere[] = u"TempoACorrere";
inline constexpr char16_t kPaginaTempoACorrereParallelo[] = u"TempoACorrereParallelo";
inline constexpr char16_t kPaginaTabelloneParallelo[] = u"TabelloneParallelo";

}  // namespace razudar
