#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include "graphics/mirt_gra_properties.h"

namespace razudar {

// Running clocks, animations and the coloured bar row; the row, title and gap-box movers.
// Members return true when done, false after their message (callers by name may ignore it).
class MirtGRAMovers : public MirtGRAProperties {
    Q_OBJECT
public:
    using MirtGRAProperties::MirtGRAProperties;

    Q_INVOKABLE bool TempoACorrere(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                   const QVariant& Valore);
    Q_INVOKABLE bool Animazione(const QString& NomePagina, const QString& NomeOggetto, int Metodo,
                                const QVariant& Valore);
    // The 17 values x, y, h, l1, l2, l3, qx, ql, qp, c1, c2, c3, p1, p2, p3, lb, L in one list
    // (more arguments than one call by name can carry).
    Q_INVOKABLE bool Riga(const QVariantList& Valori);
    bool Riga(int x, int y, int h, int l1, int l2, int l3, int qx, int ql, int qp, int c1, int c2, int c3, int p1,
              int p2, int p3, int lb, int L);
    Q_INVOKABLE bool SetRettangolo(const QVariant& r, const QVariant& x1, const QVariant& y1, const QVariant& w,
                                   const QVariant& h, const QVariant& Colore, bool Visibile);
    Q_INVOKABLE bool SetRettangolo2(const QVariant& rr, bool Visibile);

    // Members without effect in this control: they accept their arguments and ignore them.
    Q_INVOKABLE void AttivaTempoACorrere(const QString& NomePagina, int x, int y, int Allineamento, int NumeroFont,
                                         int NumeroFondo, int TempoIniziale, int Direzione);
    Q_INVOKABLE void FermaTempoACorrere(int TempoDiStop);
    Q_INVOKABLE void RiavviaTempoACorrere(int TempoDiRiavvio, int TipoRiavvio);
    Q_INVOKABLE void EliminaTempoACorrere();
    Q_INVOKABLE void TitoliCoda(const QString& Testo, int Ypos, const QString& NomeFont, int DimensioneFont, int r,
                                int G, int B, int Velocita);
    Q_INVOKABLE void AnimazioneInizio(int a, int Xpos, int Ypos, int Fotogrammi);
    Q_INVOKABLE void AnimazioneFine(int a);
    Q_INVOKABLE void AnimazioneCarica(int a, const QString& Path, int Fotogrammi, bool Contrario);
    Q_INVOKABLE QString PercorsoImmagine(const QString& NomePagina, const QString& NomeImmagine);

    Q_INVOKABLE bool SpostaRiga(int Effetto, const QString& NomePagina, int Direzione, int Velocita, int RigaInizio,
                                int RigaFine, bool Visibile, const QString& Prefisso, const QStringList& Campi,
                                bool ProgressivoInCoda);
    Q_INVOKABLE bool SpostaTitolo(int Effetto, const QString& NomePagina, int Direzione, int Velocita, bool Visibile);
    Q_INVOKABLE bool SpostaDistacco3(int Effetto, const QString& NomePagina, int Direzione, int Velocita,
                                     int RigaInizio, int RigaFine, bool Visibile);
    Q_INVOKABLE bool SpostaUltimiGiri(int Effetto, const QString& NomePagina, int Direzione, int Velocita,
                                      int RigaInizio, int RigaFine, bool Visibile);
    Q_INVOKABLE bool SpostaDistacco1(int Effetto, const QString& NomePagina, int Direzione, int Velocita,
                                     int RigaInizio, int RigaFine, bool Visibile);
    Q_INVOKABLE void diInizializzaDistacco1(const QString& NomePagina);
    Q_INVOKABLE bool diNuovoDistacco1(const QString& NomePagina, const QString& Distacco);
};

}  // namespace razudar
