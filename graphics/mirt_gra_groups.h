#pragma once
#include <QString>

#include "graphics/mirt_gra_movers.h"

namespace razudar {

// Object cloning and the groups of other sports' pages: classification bar (tc), starting
// grid (gr), track and weather cards (pi, me), championship and speed rows (ca, ve),
// statistics and manufacturer line (sc). Effetto is accepted and ignored where the groups do
// not use it.
class MirtGRAGroups : public MirtGRAMovers {
    Q_OBJECT
    Q_PROPERTY(bool grFileInvertite READ grFileInvertite)
public:
    using MirtGRAMovers::MirtGRAMovers;

    Q_INVOKABLE bool ClonaOggetto(const QString& NomePagina, const QString& NomeOggetto, const QString& NomeOggetto2,
                                  int SpostaX, int SpostaY);

    Q_INVOKABLE bool tcInizializzaCla(const QString& NomePagina);
    Q_INVOKABLE void tcPosizionaVelocita(const QString& NomePagina);
    Q_INVOKABLE bool tcPreparaCla(const QString& NomePagina);
    Q_INVOKABLE void tcBarraVisibile(const QString& NomePagina, bool Visibile);
    Q_INVOKABLE bool tcSpostaCla(int Effetto, const QString& NomePagina, int Direzione, int Velocita, bool Visibile,
                                 bool Ripristina);
    Q_INVOKABLE bool tcSpostaPole(int Effetto, const QString& NomePagina, int Direzione, int Velocita, bool Visibile,
                                  bool VisTitolo);
    Q_INVOKABLE bool tcPosizionaConcorrente(int Effetto, const QString& NomePagina, int Velocita, bool Visibile,
                                            int PosAssoluta);

    Q_INVOKABLE void grInizializza(const QString& NomePagina);
    Q_INVOKABLE bool grFileInvertite() const;
    Q_INVOKABLE void grVisibile(const QString& NomePagina, bool FilePari, bool Visibile);
    Q_INVOKABLE bool grSposta(int Effetto, const QString& NomePagina, int Direzione, int Velocita, bool Visibile);

    Q_INVOKABLE void piInizializzaPista(const QString& NomePagina);
    Q_INVOKABLE bool piSpostaPista(int Effetto, const QString& NomePagina, int Direzione, int Velocita, bool Visibile,
                                   bool Ripristina);
    Q_INVOKABLE void meInizializzaMeteo(const QString& NomePagina);
    Q_INVOKABLE bool meSpostaMeteo(int Effetto, const QString& NomePagina, int Direzione, int Velocita, bool Visibile,
                                   bool Ripristina);
    Q_INVOKABLE bool caSpostaRiga(int Effetto, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                                  int RigaFine, bool Visibile);
    Q_INVOKABLE bool veSpostaRiga(int Effetto, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                                  int RigaFine, bool Visibile);
    Q_INVOKABLE void scInizializzaStatistiche(const QString& NomePagina);
    Q_INVOKABLE bool scSpostaCostruttore(const QString& NomePagina, const QString& Mez, int Velocita, bool Visibile);
    Q_INVOKABLE bool scSpostaStatistiche(int Statistiche, int Effetto, const QString& NomePagina, int Direzione,
                                         int Velocita, bool Visibile);
};

}  // namespace razudar
