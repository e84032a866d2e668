#include "tables/widgets/frm_selezione_sessione.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/active_session.h"
#include "data/database_fault_text.h"
#include "data/one_value_queries.h"
#include "model/bas_zez.h"
#include "model/basic.h"
#include "platform/db/db_error.h"
#include "platform/services/widget_services.h"

namespace razudar::tables {

using namespace razudar::basic;

namespace {

const QString kSessioni = QStringLiteral("select * from QSessioni");

// The grid's columns: caption and bound field, in column order.
const std::pair<const char16_t*, const char16_t*> kColonne[] = {
    {u"G.", u"se_Gara"},
    {u"TipoTurno", u"se_TipoTurno"},
    {u"Manche", u"se_Manche"},
    {u"Sessione", u"se_Descrizione"},
    {u"Orario", u"se_Orario"},
    {u"Sfide", u""},
    {u"CodiceStatoSessione", u"se_StatoSessione"},
    {u"Stato", u"sn_Descrizione"}};

std::vector<GridColumn> colonneGriglia() {
    std::vector<GridColumn> columns;
    for (const auto& [caption, field] : kColonne) columns.push_back({QString::fromUtf16(caption), QString::fromUtf16(field)});
    return columns;
}

}  // namespace

FrmSelezioneSessione::FrmSelezioneSessione(DatabaseState& database, const Services& services, SessionKey& session,
                                           QWidget* parent)
    : QDialog(parent), database_(database), services_(services), session_(session) {
    setWindowTitle(QStringLiteral("Scelta Sessione"));
    setObjectName(name());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    Frame4 = new FrameControl(QString(), this);
    auto* keyRow = new QHBoxLayout(Frame4);
    Label1 = new LabelControl(QStringLiteral("Gara"), Frame4);
    text1 = new LineEditField(QStringLiteral("se_Gara"), QString(), Frame4);
    DBCombo1 = new ComboField(QString(), Frame4);
    DBCombo1->setMinimumWidth(260);
    keyRow->addWidget(Label1);
    keyRow->addWidget(text1);
    keyRow->addWidget(DBCombo1, 1);
    layout->addWidget(Frame4);
    lblAvviso = new QLabel(this);
    lblAvviso->setObjectName(QStringLiteral("lblAvviso"));
    lblAvviso->setWordWrap(true);
    lblAvviso->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblAvviso->setStyleSheet(QStringLiteral("QLabel { background: #FFF3C4; color: #202020; border: 1px solid #C8A000; "
                                            "padding: 4px; }"));
    lblAvviso->hide();
    layout->addWidget(lblAvviso);
    DBGrid1 = new GridWidget(datTabella, colonneGriglia(), this);
    DBGrid1->setColumnVisible(kColCodiceStato, false);
    // Short codes keep narrow columns; the session's description takes the width left over.
    static constexpr std::pair<int, int> kWidths[] = {{kColGara, 40},    {kColTipoTurno, 80}, {kColManche, 64},
                                                      {kColOrario, 130}, {kColSfide, 220},    {kColStato, 110}};
    for (const auto& [column, width] : kWidths) DBGrid1->view()->setColumnWidth(column, width);
    DBGrid1->setStretchColumn(kColSessione);
    DBGrid1->model()->computedCell = [this](int row, int column) -> QVariant {
        if (column != kColSfide) return {};
        return sfide(row);
    };
    DBGrid1->model()->cellStyle = [this](int row, int column, int role) -> QVariant {
        if (column != kColStato) return {};
        if (role == Qt::ForegroundRole) return QColor(Qt::black);
        const QVariant state = cellAt(row, kColCodiceStato);
        if (state.isNull()) return {};
        switch (state.toInt()) {
        case 0: return QColor(255, 255, 255);
        case 1: return QColor(255, 255, 0);
        case 2: return QColor(0, 255, 0);
        default: return {};
        }
    };
    DBGrid1->keyPressHook = [this](int key) {
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        Conferma_Click();
        return true;
    };
    layout->addWidget(DBGrid1, 1);
    auto* options = new QHBoxLayout;
    chkMancheSingola = new QCheckBox(QStringLiteral("Manche Singola"), this);
    chkFiltroCategoria = new QCheckBox(QStringLiteral("Filtro per Categoria"), this);
    chkPuntiGara = new QCheckBox(QStringLiteral("Punti Gara"), this);
    chkPuntiTabella = new QCheckBox(QStringLiteral("Punti Tabella"), this);
    for (QCheckBox* box : {chkMancheSingola, chkFiltroCategoria, chkPuntiGara, chkPuntiTabella}) {
        options->addWidget(box);
        box->hide();
    }
    options->addStretch(1);
    cmdConferma = new QPushButton(QStringLiteral("&Conferma"), this);
    cmdAnnulla = new QPushButton(QStringLiteral("&Annulla"), this);
    cmdConferma->setAutoDefault(false);
    cmdAnnulla->setAutoDefault(false);
    options->addWidget(cmdConferma);
    options->addWidget(cmdAnnulla);
    layout->addLayout(options);
    connect(cmdConferma, &QPushButton::clicked, this, [this] { Conferma_Click(); });
    connect(cmdAnnulla, &QPushButton::clicked, this, [this] { Annulla_Click(); });
    connect(text1, &QLineEdit::textChanged, this, [this] {
        if (tb_) PosizionaSessione();
    });
    if (parent) setWindowIcon(parent->windowIcon());
    resize(820, 460);
}

FrmSelezioneSessione::~FrmSelezioneSessione() {
    DBGrid1->setEngine(nullptr);
    events_.reset();
}

void FrmSelezioneSessione::segnala(const QString& azione, const db::DbError& e) {
    // The band says the first failure that still holds; the operator is told once per load.
    if (avviso().isEmpty()) mostraAvviso(testoErroreDatabase(azione, e));
    if (segnalato_) return;
    segnalato_ = true;
    if (reportFault_) {
        reportFault_(azione, e);
    } else {
        services_.prompter->show(testoErroreDatabase(azione, e), PromptButtons::Ok, PromptIcon::Critical);
    }
}

void FrmSelezioneSessione::mostraAvviso(const QString& testo) {
    lblAvviso->setText(testo);
    lblAvviso->setVisible(!testo.isEmpty());
}

QString FrmSelezioneSessione::avviso() const { return lblAvviso->text(); }

void FrmSelezioneSessione::Load() {
    painted_ = false;
    bConferma = false;
    letturaNonRiuscita_ = false;
    segnalato_ = false;
    mostraAvviso(QString());
    tb_ = std::make_unique<clsTabella>(database_, services_);
    clsTabella& t = *tb_;
    t.setEvents(this);
    t.setLookupHandler(&lookups_);
    t.int_Modalita = modalita::kElenco;
    t.frm_Form = this;
    t.int_Filtro = 0;
    t.int_CampoChiaveIniziale = 0;
    t.int_NumeroCampi = 1;
    t.int_UltimoCampoChiave = 0;
    t.str_Recordset = kSessioni;
    t.int_ColonnaOrdine = 0;
    t.int_ColonnaOrdine2 = kColOrario;
    t.str_Where = QString();
    t.dat_Tabella = &datTabella;
    t.meb_Campo(0, text1);
    t.lbl_Descrizione(0, Label1);
    t.dbc_Decodifica(0, DBCombo1);
    t.dat_DecodificaRecordset(0, &data1);
    t.fra_DatiIdentificativi = Frame4;
    t.dbg_Elenco = DBGrid1;
    DBGrid1->setEngine(&t);
    events_ = std::make_unique<FieldEvents>(t);
    events_->connectField(0, text1);
    events_->connectCombo(0, DBCombo1);
    // An active race the database lacks would list no session at all: the window opens as
    // with no active race, over the sessions of every race.
    garaCaricata_ = session_.SessioneGara;
    garaMancante_ = false;
    bool garaNonLetta = false;
    if (session_.SessioneGara != -1) {
        try {
            garaMancante_ = !GaraNelDatabase(database_.current(), session_.SessioneGara);
        } catch (const db::DbError& e) {
            // Whether the race is there is not known: its sessions stay the filter.
            garaNonLetta = true;
            segnala(QStringLiteral("leggere la gara attiva %1").arg(session_.SessioneGara), e);
        }
    }
    SuggerisciSessioneCorrente(t, garaMancante_ ? SessionKey{} : session_);
    if (!t.ta_Inizio(true, QString())) {
        // The set-up stopped before it applied the active race's filter: a read now would list
        // the sessions of every race. The window stays empty until it is opened again.
        letturaNonRiuscita_ = true;
        datTabella.close();
        if (t.erroreInizio()) {
            segnala(QStringLiteral("leggere le sessioni"), *t.erroreInizio());
        } else if (!segnalato_) {
            mostraAvviso(QStringLiteral("Impossibile leggere le sessioni: riaprire la finestra."));
        }
    } else if (garaNonLetta) {
        // The active race's sessions were read under its filter: the list lacks nothing, and the
        // failed read (already told) no longer holds.
        mostraAvviso(QString());
    }
    // The set-up captions each bound column by its field's name; this window's columns keep
    // their own captions, and the sort mark the set-up gave the first one.
    for (int c = 0; c < DBGrid1->columnCount(); ++c) {
        const QString shown = DBGrid1->columnCaption(c);
        const QString mark = shown.endsWith(u" <") || shown.endsWith(u" >") ? shown.right(2) : QString();
        DBGrid1->setColumnCaption(c, QString::fromUtf16(kColonne[c].first) + mark);
    }
    data1.setBaseQuery(QStringLiteral("select * from Gare"));
    DBCombo1->bindTo(data1, QStringLiteral("ga_Descrizione"), QStringLiteral("ga_Gara"));
    if (!letturaNonRiuscita_) {
        try {
            data1.refresh();
        } catch (const db::DbError& e) {
            // The race list stays empty; the sessions are still listed.
            segnala(QStringLiteral("leggere l'elenco delle gare"), e);
        }
    }
    PosizionaSessione();
    Conferma = false;
}

void FrmSelezioneSessione::primoPaint() {
    if (!tb_) return;
    try {
        // A window whose load could not read stays empty: the engine's paint would filter the
        // list again without the active race.
        if (!letturaNonRiuscita_) tb_->frm_Form_Paint(false);
        if (painted_) return;
        painted_ = true;
        if (letturaNonRiuscita_) {
            DBGrid1->reload();  // empty: the load already told why
        } else {
            datTabella.refresh();
            DBGrid1->reload();
            PosizionaSessione();
            try {
                parallelo_ = GaraParallelo(database_.current(), session_.SessioneGara);
            } catch (const db::DbError& e) {
                // The sessions are listed; the heat pairs column stays hidden.
                parallelo_ = false;
                segnala(QStringLiteral("leggere se la gara è a sfide parallele"), e);
            }
        }
    } catch (const db::DbError& e) {
        // The window stays open, empty, and can be closed; the operator is told why.
        painted_ = true;
        letturaNonRiuscita_ = true;
        datTabella.close();
        DBGrid1->reload();
        segnala(QStringLiteral("leggere le sessioni"), e);
    }
    // Nothing in an empty window may query again (a sort or a filter would list every race).
    DBGrid1->setEnabled(!letturaNonRiuscita_);
    DBGrid1->setFocus();
    text1->setEnabled(bGaraSelezionabile);
    DBCombo1->setEnabled(bGaraSelezionabile);
    chkMancheSingola->setVisible(bMancheSingolaSelezionabile);
    chkFiltroCategoria->setVisible(bPuntiPerCategoria);
    chkPuntiGara->setVisible(bPuntiGara);
    chkPuntiTabella->setVisible(bPuntiTabella);
    DBGrid1->setColumnVisible(kColOrario, !parallelo_);
    DBGrid1->setColumnVisible(kColSfide, parallelo_);
}

QVariant FrmSelezioneSessione::cellAt(int row, int column) const {
    const int field = datTabella.fieldIndex(DBGrid1->columnDataField(column));
    if (field < 0) return {};
    try {
        return datTabella.valueAt(row, field);
    } catch (const std::exception&) {
        return {};
    }
}

void FrmSelezioneSessione::PosizionaSessione() {
    if (!datTabella.isOpen() || datTabella.recordCount() < 1) return;
    const QString stato = QStringLiteral("se_StatoSessione");
    const db::Criteria open = db::Criteria::equal(QStringLiteral("se_Gara"), session_.SessioneGara) &&
                              (db::Criteria::equal(stato, 0) || db::Criteria::equal(stato, 1));
    if (datTabella.findFirst(open) && !datTabella.noMatch()) return;
    // The last session already run, of any race.
    const int field = datTabella.fieldIndex(stato);
    for (int row = datTabella.recordCount() - 1; row >= 0 && field >= 0; --row) {
        const QVariant v = datTabella.valueAt(row, field);
        if (!v.isNull() && v.toInt() == 2) {
            datTabella.setAbsolutePosition(row);
            return;
        }
    }
    datTabella.moveFirst();
}

QString FrmSelezioneSessione::sfide(int row) const {
    // Computed while the grid paints: the race kind was read once, at the first paint.
    if (!parallelo_) return {};
    QString out;
    try {
        db::RowReader r = database_.current().openReader(
            QStringLiteral("SELECT co_PettoraleA, co_PettoraleB FROM QTabelloneParallelo WHERE tp_Gara = ? "
                           "AND tp_TipoTurno = ? AND tp_Manche = ? ORDER BY tp_Sfida"),
            {session_.SessioneGara, CStr(cellAt(row, kColTipoTurno)), cellAt(row, kColManche)});
        for (; !r.atEnd(); r.next()) {
            if (!out.isEmpty()) out += QStringLiteral("   ");
            out += CStr(r.value(0)) + u'-' + CStr(r.value(1));
        }
    } catch (const db::DbError&) {
        return {};  // an unreadable heat list shows an empty cell
    }
    return out;
}

void FrmSelezioneSessione::Conferma_Click() {
    const int row = datTabella.absolutePosition();
    if (row < 0) {
        services_.prompter->show(QStringLiteral("Nessuna Sessione Selezionata."), PromptButtons::Ok, PromptIcon::Critical);
        return;
    }
    const qint16 gara = static_cast<qint16>(roundHalfEven(Val(CStr(cellAt(row, kColGara)))));
    const QString tipoTurno = CStr(cellAt(row, kColTipoTurno));
    const qint16 manche = static_cast<qint16>(roundHalfEven(Val(CStr(cellAt(row, kColManche)))));
    // Without an active race (or with one the database lacks) any session may be chosen;
    // otherwise only one of the active race.
    ImpostaSessioneAttiva(session_, *services_.settings, gara, tipoTurno, manche,
                          session_.SessioneGara == -1 || garaMancante_);
    // A confirmation the active session did not take is no confirmation.
    bConferma = session_.SessioneGara == gara && session_.SessioneTipoTurno.compare(tipoTurno, Qt::CaseInsensitive) == 0 &&
                session_.SessioneManche == manche;
    if (!bConferma) {
        services_.prompter->show(QStringLiteral("La sessione scelta non appartiene alla gara attiva: sessione non cambiata."),
                                 PromptButtons::Ok, PromptIcon::Exclamation);
    }
    hide();
}

void FrmSelezioneSessione::Annulla_Click() {
    bConferma = false;
    hide();
}

void FrmSelezioneSessione::caricaPerGaraAttiva() {
    // A window whose last load could not read everything loads afresh too: its reads are tried
    // again, and it says only what fails now.
    if (tb_ && (garaCaricata_ != session_.SessioneGara || segnalato_)) {
        unloadEngine();
        text1->clear();  // the race field starts again from the suggestion, as at the first load
    }
    if (!tb_) Load();
    if (garaMancante_) {
        const QString testo =
            QStringLiteral("La gara attiva (%1) non è nel database: sono elencate le sessioni di tutte le gare.")
                .arg(session_.SessioneGara);
        mostraAvviso(testo);
        services_.prompter->show(testo, PromptButtons::Ok, PromptIcon::Exclamation);
    }
}

bool FrmSelezioneSessione::mostraModale() {
    caricaPerGaraAttiva();
    runModal(services_.dialogs, *this);
    return bConferma;
}

bool FrmSelezioneSessione::MostraFormDaAcq() {
    cmdConferma->setVisible(true);
    mostraModale();
    return Conferma;
}

bool FrmSelezioneSessione::MostraFormDaMain() {
    cmdConferma->setVisible(false);
    mostraModale();
    return Conferma;
}

void FrmSelezioneSessione::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    primoPaint();
}

void FrmSelezioneSessione::closeEvent(QCloseEvent* event) {
    if (tb_ && tb_->Form_Unload(0) != 0) {
        event->ignore();
        return;
    }
    bConferma = false;
    unloadEngine();
    QDialog::closeEvent(event);
}

void FrmSelezioneSessione::unloadEngine() {
    DBGrid1->setEngine(nullptr);
    events_.reset();
    tb_.reset();
}

}  // namespace razudar::tables
