#pragma once
// The page-on-air layer: which page is on air (layer 0), clearing the air, loading a page for its
// builder, starting it with the slide of the graphics layer, the two sponsor clips on the page on
// air, and the fixed page and sponsor settings the builders read.
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include "app/pages/page_context.h"

namespace razudar {

class Prompter;

// The fixed page settings, the same for every page. An unknown field shows
// "Function TipiGraficaPagine - manca campo: <field>" and answers an empty value.
QVariant TipiGraficaPagine(const QString& campo, Prompter& prompter);
// The sponsor settings: the two clips under the graphics folder `cartellaGrafica` (with its
// trailing separator) and the unused interval.
QVariant TipiGrafica(const QString& nome, const QString& cartellaGrafica, Prompter& prompter);
// "0" & value as an Integer: an empty value gives 0.
qint16 NumeroDaTesto(const QVariant& value);
// Row-move direction of a side letter (case ignored): entering "A"/"S" 2, other 0; leaving
// "B"/"D" 1, other -1.
qint16 DirezioneLato(const QString& lato, bool entrata);

class PageOnAir {
public:
    explicit PageOnAir(PageContext& context) : ctx_(context) {}

    void PulisciGrafica();
    bool CaricaPaginaInOnda(const QString& nomePagina, int piano, bool mantieni);
    bool AvviaPaginaInOnda(const QString& nomePagina, const QString& nota);
    void EffettiTransizione(bool entrata);
    bool RegistraPaginaInOnda(bool livello1, const QString& nomePagina, const QString& nomeTemplate, qint32 area);
    void AlternaSponsor(int slot);
    void GestisciNotificaGrafica(const QString& nomeOggetto, int evento);

    qint16 VelocitaPaginaIn() const;
    qint16 VelocitaPaginaOut() const;
    qint16 TempoRigheIn() const;
    qint16 TempoRigheOut() const;
    qint16 AttesaRigheIn() const;
    qint16 AttesaRigheOut() const;
    qint16 EffettoRigheIn() const;
    qint16 EffettoRigheOut() const;
    qint16 DirezioneRigheIn() const;
    qint16 DirezioneRigheOut() const;

    // The page on air on layer 0 is `nomePagina` (case ignored).
    bool inOnda(const QString& nomePagina) const;

private:
    QVariant setting(const char* campo) const;

    PageContext& ctx_;
};

}  // namespace razudar
