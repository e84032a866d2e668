#pragma once
// frmSelezioneSessione, "Scelta Sessione": the window where the operator chooses the race
// session the whole program works on. A table window over the stored query QSessioni with one
// key field (the race, fed by the active session and locked), opened modally by the main
// window's menu; it positions its grid on the session most likely wanted, colours the state
// column, lists the heat pairs of a parallel race and makes the confirmed row the active session.
#include <QDialog>

#include <memory>

#include "data/database_state.h"
#include "model/session_key.h"
#include "platform/services/services.h"
#include "tables/cls_tabella.h"
#include "tables/lookups.h"
#include "tables/record_source.h"
#include "tables/widgets/field_events.h"
#include "tables/widgets/field_widgets.h"
#include "tables/widgets/grid_widget.h"

class QCheckBox;
class QPushButton;

namespace razudar::tables {

class FrmSelezioneSessione : public QDialog, public TableHost, public TableEvents {
public:
    // Grid columns.
    enum { kColGara, kColTipoTurno, kColManche, kColSessione, kColOrario, kColSfide, kColCodiceStato, kColStato };

    FrmSelezioneSessione(DatabaseState& database, const Services& services, SessionKey& session,
                         QWidget* parent = nullptr);
    ~FrmSelezioneSessione() override;

    // Public state (a caller may set the option flags before showing the window).
    bool bConferma = false;
    bool bGaraSelezionabile = false;
    bool bMancheSingolaSelezionabile = false;
    bool bPuntiPerCategoria = false;
    bool bPuntiTabella = false;
    bool bPuntiGara = false;
    long StatoSessione = 0;
    bool Conferma = false;

    // Loads the window when it is not loaded, or afresh when the active race changed since its
    // load (a session key from the link may name another race, or one this database lacks).
    // An active race the database lacks is told, and the window lists every session.
    void caricaPerGaraAttiva();
    // caricaPerGaraAttiva, then shows the window modally (through the services' dialog runner)
    // and returns bConferma.
    bool mostraModale();
    bool MostraFormDaAcq();
    bool MostraFormDaMain();

    // The window's handlers (also reached by the tests).
    void Load();
    void primoPaint();
    void PosizionaSessione();
    void Conferma_Click();
    void Annulla_Click();
    QString sfide(int row) const;
    bool isLoaded() const { return tb_ != nullptr; }
    // True when the first paint could not read the sessions (the window stayed empty).
    bool letturaNonRiuscita() const { return letturaNonRiuscita_; }
    clsTabella* tb() const { return tb_.get(); }

    RecordSource datTabella;
    RecordSource data1;
    GridWidget* DBGrid1 = nullptr;
    LineEditField* text1 = nullptr;
    ComboField* DBCombo1 = nullptr;
    QPushButton* cmdConferma = nullptr;
    QPushButton* cmdAnnulla = nullptr;
    QCheckBox* chkMancheSingola = nullptr;
    QCheckBox* chkFiltroCategoria = nullptr;
    QCheckBox* chkPuntiGara = nullptr;
    QCheckBox* chkPuntiTabella = nullptr;

    // TableHost
    QString name() const override { return QStringLiteral("frmSelezioneSessione"); }
    QString caption() const override { return windowTitle(); }
    void hide() override { QDialog::done(0); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override { Annulla_Click(); }

private:
    QVariant cellAt(int row, int column) const;
    void unloadEngine();

    DatabaseState& database_;
    Services services_;
    SessionKey& session_;
    std::unique_ptr<clsTabella> tb_;
    std::unique_ptr<FieldEvents> events_;
    Lookups lookups_;
    LabelControl* Label1 = nullptr;
    FrameControl* Frame4 = nullptr;
    bool painted_ = false;
    bool letturaNonRiuscita_ = false;
    bool parallelo_ = false;  // the active race is a parallel one (read at the first paint)
    qint16 garaCaricata_ = -1;     // the active race at the last load
    bool garaMancante_ = false;    // that race is not in the database: no race is suggested
};

}  // namespace razudar::tables
