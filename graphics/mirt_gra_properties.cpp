#include "graphics/mirt_gra_properties.h"

#include "graphics/control_core.h"

namespace razudar {

#define RAZUDAR_TYPED_PROPERTY(Member, Type)                                                                     \
    QVariant MirtGRAProperties::Member(const QString& NomePagina, const QString& NomeOggetto, int Proprieta) {     \
        return core().properties.get(QStringLiteral(#Member), NomePagina, gra::Type, NomeOggetto, Proprieta);      \
    }                                                                                                            \
    void MirtGRAProperties::set##Member(const QString& NomePagina, const QString& NomeOggetto, int Proprieta,     \
                                        const QVariant& Valore) {                                                \
        core().properties.set(QStringLiteral(#Member), NomePagina, gra::Type, NomeOggetto, Proprieta, Valore);     \
    }

RAZUDAR_TYPED_PROPERTY(ProprietaTesto, ogTipoTesto)
RAZUDAR_TYPED_PROPERTY(ProprietaImmagine, ogTipoImmagine)
RAZUDAR_TYPED_PROPERTY(ProprietaAnimazione, ogTipoAnimazione)
RAZUDAR_TYPED_PROPERTY(ProprietaCrawl, ogTipoCrawl)
RAZUDAR_TYPED_PROPERTY(ProprietaRoll, ogTipoRoll)
RAZUDAR_TYPED_PROPERTY(ProprietaOrologio, ogTipoOrologio)
RAZUDAR_TYPED_PROPERTY(ProprietaDVEavi, ogTipoDVEavi)
#undef RAZUDAR_TYPED_PROPERTY

QVariant MirtGRAProperties::ProprietaOggettoGenerico(const QString& NomePagina, const QString& NomeOggetto,
                                                     int Proprieta) {
    return core().properties.getGeneric(NomePagina, NomeOggetto, Proprieta);
}

void MirtGRAProperties::setProprietaOggettoGenerico(const QString& NomePagina, const QString& NomeOggetto,
                                                    int Proprieta, const QVariant& Valore) {
    core().properties.setGeneric(NomePagina, NomeOggetto, Proprieta, Valore);
}

void MirtGRAProperties::SS_ProprietaTestoImposta(const QString& NomePagina, const QString& NomeOggetto,
                                                 int Proprieta, const QVariant& Valore) {
    setProprietaTesto(NomePagina, NomeOggetto, Proprieta, Valore);
}

void MirtGRAProperties::SS_ProprietaImmagineImposta(const QString& NomePagina, const QString& NomeOggetto,
                                                    int Proprieta, const QVariant& Valore) {
    setProprietaImmagine(NomePagina, NomeOggetto, Proprieta, Valore);
}

QVariant MirtGRAProperties::SS_ProprietaTestoLeggi(const QString& NomePagina, const QString& NomeOggetto,
                                                   int Proprieta) {
    return ProprietaTesto(NomePagina, NomeOggetto, Proprieta);
}

QVariant MirtGRAProperties::SS_ProprietaImmagineLeggi(const QString& NomePagina, const QString& NomeOggetto,
                                                      int Proprieta) {
    return ProprietaImmagine(NomePagina, NomeOggetto, Proprieta);
}

QString MirtGRAProperties::DescrizioneProprietaOggetto(int TipoOggetto, int ProprietaOggetto) {
    return gra::ObjectProperties::DescrizioneProprietaOggetto(TipoOggetto, ProprietaOggetto);
}

}  // namespace razudar
