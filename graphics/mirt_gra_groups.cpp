#include "graphics/mirt_gra_groups.h"

#include "graphics/control_core.h"

namespace razudar {

bool MirtGRAGroups::ClonaOggetto(const QString& NomePagina, const QString& NomeOggetto, const QString& NomeOggetto2,
                                 int SpostaX, int SpostaY) {
    return core().groups.ClonaOggetto(NomePagina, NomeOggetto, NomeOggetto2, SpostaX, SpostaY);
}

bool MirtGRAGroups::tcInizializzaCla(const QString& NomePagina) { return core().groups.tcInizializzaCla(NomePagina); }
void MirtGRAGroups::tcPosizionaVelocita(const QString& NomePagina) { core().groups.tcPosizionaVelocita(NomePagina); }
bool MirtGRAGroups::tcPreparaCla(const QString& NomePagina) { return core().groups.tcPreparaCla(NomePagina); }
void MirtGRAGroups::tcBarraVisibile(const QString&, bool) {}

bool MirtGRAGroups::tcSpostaCla(int, const QString& NomePagina, int Direzione, int Velocita, bool Visibile,
                                bool Ripristina) {
    return core().groups.tcSpostaCla(NomePagina, Direzione, Velocita, Visibile, Ripristina);
}

bool MirtGRAGroups::tcSpostaPole(int, const QString& NomePagina, int Direzione, int Velocita, bool Visibile,
                                 bool VisTitolo) {
    return core().groups.tcSpostaPole(NomePagina, Direzione, Velocita, Visibile, VisTitolo);
}

bool MirtGRAGroups::tcPosizionaConcorrente(int, const QString& NomePagina, int Velocita, bool Visibile,
                                           int PosAssoluta) {
    return core().groups.tcPosizionaConcorrente(NomePagina, Velocita, Visibile, PosAssoluta);
}

void MirtGRAGroups::grInizializza(const QString& NomePagina) { core().groups.grInizializza(NomePagina); }
bool MirtGRAGroups::grFileInvertite() const { return core().groups.grFileInvertite(); }
void MirtGRAGroups::grVisibile(const QString& NomePagina, bool FilePari, bool Visibile) {
    core().groups.grVisibile(NomePagina, FilePari, Visibile);
}
bool MirtGRAGroups::grSposta(int, const QString& NomePagina, int Direzione, int Velocita, bool Visibile) {
    return core().groups.grSposta(NomePagina, Direzione, Velocita, Visibile);
}

void MirtGRAGroups::piInizializzaPista(const QString& NomePagina) { core().info.piInizializzaPista(NomePagina); }
bool MirtGRAGroups::piSpostaPista(int, const QString& NomePagina, int Direzione, int Velocita, bool Visibile,
                                  bool Ripristina) {
    return core().info.piSpostaPista(NomePagina, Direzione, Velocita, Visibile, Ripristina);
}
void MirtGRAGroups::meInizializzaMeteo(const QString& NomePagina) { core().info.meInizializzaMeteo(NomePagina); }
bool MirtGRAGroups::meSpostaMeteo(int, const QString& NomePagina, int Direzione, int Velocita, bool Visibile,
                                  bool Ripristina) {
    return core().info.meSpostaMeteo(NomePagina, Direzione, Velocita, Visibile, Ripristina);
}
bool MirtGRAGroups::caSpostaRiga(int Effetto, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                                 int RigaFine, bool Visibile) {
    return core().info.caSpostaRiga(Effetto, NomePagina, Direzione, Velocita, RigaInizio, RigaFine, Visibile);
}
bool MirtGRAGroups::veSpostaRiga(int Effetto, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                                 int RigaFine, bool Visibile) {
    return core().info.veSpostaRiga(Effetto, NomePagina, Direzione, Velocita, RigaInizio, RigaFine, Visibile);
}
void MirtGRAGroups::scInizializzaStatistiche(const QString& NomePagina) {
    core().info.scInizializzaStatistiche(NomePagina);
}
bool MirtGRAGroups::scSpostaCostruttore(const QString& NomePagina, const QString& Mez, int Velocita, bool Visibile) {
    return core().info.scSpostaCostruttore(NomePagina, Mez, Velocita, Visibile);
}
bool MirtGRAGroups::scSpostaStatistiche(int Statistiche, int, const QString& NomePagina, int Direzione, int Velocita,
                                        bool Visibile) {
    return core().info.scSpostaStatistiche(Statistiche, NomePagina, Direzione, Velocita, Visibile);
}

}  // namespace razudar
