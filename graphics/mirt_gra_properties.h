#pragma once
#include <QString>
#include <QVariant>

#include "graphics/mirt_gra_pages.h"

namespace razudar {

// The property members of the control: one pair (Get, and the Let as set...) per object type,
// the generic pair that follows the object's own type, the method twins and the descriptions.
class MirtGRAProperties : public MirtGRAPages {
    Q_OBJECT
public:
    using MirtGRAPages::MirtGRAPages;

    Q_INVOKABLE QVariant ProprietaTesto(const QString& NomePagina, const QString& NomeOggetto, int Proprieta);
    Q_INVOKABLE void setProprietaTesto(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                       const QVariant& Valore);
    Q_INVOKABLE QVariant ProprietaImmagine(const QString& NomePagina, const QString& NomeOggetto, int Proprieta);
    Q_INVOKABLE void setProprietaImmagine(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                          const QVariant& Valore);
    Q_INVOKABLE QVariant ProprietaAnimazione(const QString& NomePagina, const QString& NomeOggetto, int Proprieta);
    Q_INVOKABLE void setProprietaAnimazione(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                            const QVariant& Valore);
    Q_INVOKABLE QVariant ProprietaCrawl(const QString& NomePagina, const QString& NomeOggetto, int Proprieta);
    Q_INVOKABLE void setProprietaCrawl(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                       const QVariant& Valore);
    Q_INVOKABLE QVariant ProprietaRoll(const QString& NomePagina, const QString& NomeOggetto, int Proprieta);
    Q_INVOKABLE void setProprietaRoll(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                      const QVariant& Valore);
    Q_INVOKABLE QVariant ProprietaOrologio(const QString& NomePagina, const QString& NomeOggetto, int Proprieta);
    Q_INVOKABLE void setProprietaOrologio(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                          const QVariant& Valore);
    Q_INVOKABLE QVariant ProprietaDVEavi(const QString& NomePagina, const QString& NomeOggetto, int Proprieta);
    Q_INVOKABLE void setProprietaDVEavi(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                        const QVariant& Valore);
    Q_INVOKABLE QVariant ProprietaOggettoGenerico(const QString& NomePagina, const QString& NomeOggetto,
                                                  int Proprieta);
    Q_INVOKABLE void setProprietaOggettoGenerico(const QString& NomePagina, const QString& NomeOggetto,
                                                 int Proprieta, const QVariant& Valore);

    Q_INVOKABLE void SS_ProprietaTestoImposta(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,
                                              const QVariant& Valore);
    Q_INVOKABLE void SS_ProprietaImmagineImposta(const QString& NomePagina, const QString& NomeOggetto,
                                                 int Proprieta, const QVariant& Valore);
    Q_INVOKABLE QVariant SS_ProprietaTestoLeggi(const QString& NomePagina, const QString& NomeOggetto, int Proprieta);
    Q_INVOKABLE QVariant SS_ProprietaImmagineLeggi(const QString& NomePagina, const QString& NomeOggetto,
                                                   int Proprieta);

    Q_INVOKABLE QString DescrizioneProprietaOggetto(int TipoOggetto, int ProprietaOggetto);
};

}  // namespace razudar
