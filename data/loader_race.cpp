// Race loader: session header, race record, detection points and categories.
#include <QStringList>

#include <memory>

#include "data/loader_rows.h"
#include "data/loader_steps.h"
#include "data/one_value_queries.h"
#include "model/krono.h"

namespace razudar {

namespace {
constexpr qint32 kFirstPointSlot = 0;
constexpr qint32 kLastPointSlot = 11;
}  // namespace

void RaceLoader::loadSessionHeader() {
    k_.setTurnoCorrente(tipoTurno_);
    k_.setTurnoCorrenteTipo(IdTipoTurno(db_, tipoTurno_));
    k_.setMancheCorrente(manche_);
    k_.setSfidaCorrente(SfidaSessione(db_, gara_, tipoTurno_, manche_));
    k_.setRoundCorrente(RoundSessione(db_, gara_, tipoTurno_, manche_));
    k_.setTurnoCorrenteDescrizione(DescrizioneSessioneTurno(db_, gara_, tipoTurno_, manche_));
    k_.setStatoSessione(StatoSessioneDb(db_, gara_, tipoTurno_, manche_));
    k_.cGara.setDescrizioneSessione(DescrizioneSessioneDb(db_, gara_, tipoTurno_, manche_));
}

void RaceLoader::loadRaceRecord() {
    LoaderRows row(db_.openReader(QStringLiteral("SELECT * FROM Gare WHERE ga_Gara = ?"), {int(gara_)}));
    if (row.atEnd())
        return;  // an unknown race keeps the record's defaults
    // Every field of the race row must hold a value.
    row.keyedBy({{QStringLiteral("gara"), QString::number(gara_)}});
    clsGara& g = k_.cGara;
    g.setAnno(row.integer(row.column(QStringLiteral("ga_Anno"))));
    g.setCodiceEquipe(row.integer(row.column(QStringLiteral("ga_CodiceEquipe"))));
    g.setDescrizioneGara(row.text(row.column(QStringLiteral("ga_Descrizione"))));
    g.setTipoFederazione(row.longValue(row.column(QStringLiteral("ga_TipoFederazione"))));
    const QString discipline = row.text(row.column(QStringLiteral("ga_Disciplina")));
    g.setDisciplinaCodice(discipline);
    g.setDisciplina(IdDisciplina(db_, discipline));
    g.setSpecialita(IdSpecialita(db_, row.text(row.column(QStringLiteral("ga_Specialita")))));
    g.setAllenamenti(row.integer(row.column(QStringLiteral("ga_Allenamenti"))));
    g.setManches(NumeroManche(db_, gara_, false));
    g.setIntermedi(NumeroIntermedi(db_, gara_, false));
    g.setIntermediSuggeriti(NumeroIntermedi(db_, gara_, true));
    g.setFrazionisti(row.integer(row.column(QStringLiteral("ga_Frazionisti"))));
    g.setRisoluzione(row.longValue(row.column(QStringLiteral("ga_Risoluzione"))));
    g.setInternet(row.boolean(row.column(QStringLiteral("ga_Internet"))));
    g.setIntranet(row.boolean(row.column(QStringLiteral("ga_Intranet"))));
    g.setKO(row.boolean(row.column(QStringLiteral("ga_KO"))));
    g.setTabellone(row.boolean(row.column(QStringLiteral("ga_Tabellone"))));
    g.setParallelo(row.boolean(row.column(QStringLiteral("ga_Parallelo"))));
    g.setLingua(row.text(row.column(QStringLiteral("ga_Lingua"))));
    g.setPagineMonitor(row.integer(row.column(QStringLiteral("ga_PagineMonitor"))));
    g.setQualificazioneParallela(row.boolean(row.column(QStringLiteral("ga_QualificazioneParallela"))));
    // The runs that count on a parallel board are entered for parallel races only: an empty
    // field reads as 0, as the summed standings read it.
    const int boardRuns = row.column(QStringLiteral("ga_NumeroDisceseTabellone"));
    g.setTabelloneNumeroDiscese(row.isNull(boardRuns) ? qint16(0) : row.integer(boardRuns));
}

void RaceLoader::loadDetectionPoints() {
    LoaderRows row(db_.openReader(QStringLiteral("SELECT * FROM QPuntiRilevamento WHERE pr_Gara = ?"),
                                     {int(gara_)}));
    const int order = row.column(QStringLiteral("tp_Ordine"));
    const int type = row.column(QStringLiteral("pr_TipoPuntoRilevamento"));
    const int name = row.column(QStringLiteral("tp_Descrizione"));
    const int port = row.column(QStringLiteral("pr_Com"));
    const int settings[] = {row.column(QStringLiteral("pr_BaudVelocita")), row.column(QStringLiteral("pr_Parita")),
                            row.column(QStringLiteral("pr_BitDati")), row.column(QStringLiteral("pr_BitStop"))};
    const int clock = row.column(QStringLiteral("pr_TipoOrologio"));
    row.keyedBy({{QStringLiteral("gara"), QString::number(gara_)},
                 {QStringLiteral("punto"), {}, row.column(QStringLiteral("pr_PuntoRilevamento"))}});
    clsGara& g = k_.cGara;
    for (; !row.atEnd(); row.next()) {
        // The slot (tp_Ordine) and the serial-line settings may be Null: slot 0, empty parts.
        // The race record has 12 point slots; a slot outside them stops the load.
        const auto slot = qint16(stored::inRange(row.numberReadInteger(order), kFirstPointSlot,
                                                 kLastPointSlot, row.name(order)));
        g.setPuntoRilevamentoTipo(slot, row.longValue(type));
        g.setPuntoRilevamentoDescrizione(slot, row.text(name));
        g.setPuntoRilevamentoCom(slot, row.integer(port));
        QStringList parts;
        for (int column : settings)
            parts.append(row.textOrEmpty(column));
        g.setPuntoRilevamentoSettings(slot, parts.join(QLatin1Char(',')));
        g.setPuntoRilevamentoOrologio(slot, row.longValue(clock));
    }
}

void RaceLoader::loadCategories() {
    // The categories come in the order the database keeps them: by their key (race, code).
    LoaderRows row(db_.openReader(
        QStringLiteral("SELECT * FROM Categorie WHERE ca_Gara = ? ORDER BY ca_Gara, ca_Categoria"),
        {int(gara_)}));
    const int code = row.column(QStringLiteral("ca_Categoria"));
    const int title = row.column(QStringLiteral("ca_Descrizione"));
    const int series = row.column(QStringLiteral("ca_SerieTiri"));
    const int penalty = row.column(QStringLiteral("ca_PenalitaTiri"));
    const int penaltyText = row.column(QStringLiteral("ca_DescrizioneSerieTiri"));
    row.keyedBy({{QStringLiteral("gara"), QString::number(gara_)},
                 {QStringLiteral("categoria"), {}, code, true}});
    // The texts may be Null; the shooting series and the penalty per miss must hold a value.
    for (; !row.atEnd(); row.next()) {
        auto category = std::make_shared<clsCategoria>();
        category->setCategoria(row.textOrEmpty(code));
        category->setDescrizione(row.textOrEmpty(title));
        category->setBiathlonSerieTiri(row.integer(series));
        category->setBiathlonPenalitaTiro(row.integer(penalty));
        category->setBiathlonDescrizionePenalita(row.textOrEmpty(penaltyText));
        k_.CategoriaAdd(std::move(category));
    }
    k_.setCategoriaMonitor(clsConcorrente::kAllCategories);
}

}  // namespace razudar
