#include "graphics/mirt_gra_movers.h"

#include "graphics/control_core.h"

namespace razudar {

bool MirtGRAMovers::TempoACorrere(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                  const QVariant& Valore) {
    return core().clocks.TempoACorrere(NomePagina, NomeOggetto, Proprieta, Valore);
}

bool MirtGRAMovers::Animazione(const QString& NomePagina, const QString& NomeOggetto, int Metodo,
                               const QVariant& Valore) {
    return core().clocks.Animazione(NomePagina, NomeOggetto, Metodo, Valore);
}

bool MirtGRAMovers::Riga(const QVariantList& Valori) { return core().clocks.Riga(Valori); }

bool MirtGRAMovers::Riga(int x, int y, int h, int l1, int l2, int l3, int qx, int ql, int qp, int c1, int c2, int c3,
                         int p1, int p2, int p3, int lb, int L) {
    return core().clocks.Riga(gra::ClockBars::RowValues{x, y, h, l1, l2, l3, qx, ql, qp, c1, c2, c3, p1, p2, p3, lb, L});
}

bool MirtGRAMovers::SetRettangolo(const QVariant& r, const QVariant& x1, const QVariant& y1, const QVariant& w,
                                  const QVariant& h, const QVariant& Colore, bool Visibile) {
    return core().clocks.SetRettangolo(r, x1, y1, w, h, Colore, Visibile);
}

bool MirtGRAMovers::SetRettangolo2(const QVariant& rr, bool Visibile) { return core().clocks.SetRettangolo2(rr, Visibile); }

void MirtGRAMovers::AttivaTempoACorrere(const QString&, int, int, int, int, int, int, int) {}
void MirtGRAMovers::FermaTempoACorrere(int) {}
void MirtGRAMovers::RiavviaTempoACorrere(int, int) {}
void MirtGRAMovers::EliminaTempoACorrere() {}
void MirtGRAMovers::TitoliCoda(const QString&, int, const QString&, int, int, int, int, int) {}
void MirtGRAMovers::AnimazioneInizio(int, int, int, int) {}
void MirtGRAMovers::AnimazioneFine(int) {}
void MirtGRAMovers::AnimazioneCarica(int, const QString&, int, bool) {}
QString MirtGRAMovers::PercorsoImmagine(const QString&, const QString&) { return {}; }

bool MirtGRAMovers::SpostaRiga(int Effetto, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                               int RigaFine, bool Visibile, const QString& Prefisso, const QStringList& Campi,
                               bool ProgressivoInCoda) {
    return core().movers.SpostaRiga(Effetto, NomePagina, Direzione, Velocita, RigaInizio, RigaFine, Visibile, Prefisso,
                                    Campi, ProgressivoInCoda);
}

bool MirtGRAMovers::SpostaTitolo(int Effetto, const QString& NomePagina, int Direzione, int Velocita, bool Visibile) {
    return core().movers.SpostaTitolo(Effetto, NomePagina, Direzione, Velocita, Visibile);
}

bool MirtGRAMovers::SpostaDistacco3(int, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                                    int RigaFine, bool Visibile) {
    return core().movers.SpostaDistacco3(NomePagina, Direzione, Velocita, RigaInizio, RigaFine, Visibile);
}

bool MirtGRAMovers::SpostaUltimiGiri(int, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                                     int RigaFine, bool Visibile) {
    return core().movers.SpostaUltimiGiri(NomePagina, Direzione, Velocita, RigaInizio, RigaFine, Visibile);
}

bool MirtGRAMovers::SpostaDistacco1(int, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                                    int RigaFine, bool Visibile) {
    return core().movers.SpostaDistacco1(NomePagina, Direzione, Velocita, RigaInizio, RigaFine, Visibile);
}

void MirtGRAMovers::diInizializzaDistacco1(const QString& NomePagina) { core().movers.diInizializzaDistacco1(NomePagina); }

bool MirtGRAMovers::diNuovoDistacco1(const QString& NomePagina, const QString& Distacco) {
    return core().movers.diNuovoDistacco1(NomePagina, Distacco);
}

}  // namespace razudar
