#pragma once
// frmSelezioneSessione, "Scelta Sessione": the window where the operator chooses the race
// session the whole program works on. A table window over the stored query QSessioni with one
// key field (the race, fed by the active session and locked), opened modally by the main
// window's menu; it positions its grid on the session most likely wanted, colours the state
// column, lists the heat pairs of a parallel race and makes the confirmed row the active session.
#include <QDialog>

#include <functional>
#include <memory>

#include "data/database_fault_text.h"
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
class QLabel;
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

    // How the window tells the operator that the database could not answer: the step it was
    // taking ("leggere le sessioni") and the error. Without one, a message box.
    void setFaultReporter(DatabaseFaultReporter reporter) { reportFault_ = std::move(reporter); }

    // Loads the window when it is not loaded, or afresh when the active race changed since its
    // load (a session key from the link may name another race, or one this database lacks) or
    // when a read of its load failed.
    // An active race the database lacks is told, and the window lists every session. Sessions
    // that cannot be read are told once, and the window opens empty and says why: it never
    // lists other races' sessions because the active race could not be read.
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
    // True when the sessions could not be read (the window stayed empty).
    bool letturaNonRiuscita() const { return letturaNonRiuscita_; }
    // What the window says above its grid when it is empty or lists every race ("" otherwise).
    QString avviso() const;
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
    QLabel* lblAvviso = nullptr;  // why the list is empty or wider than the active race

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
    // Tells a failed read once per load; the window's band shows the first failure that still
    // holds.
    void segnala(const QString& azione, const db::DbError& e);
    void mostraAvviso(const QString& testo);

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
    bool segnalato_ = false;  // a failed read of this load was told
    DatabaseFaultReporter reportFault_;
    bool parallelo_ = false;  // the active race is a parallel one (read at the first paint)
    qint16 garaCaricata_ = -1;     // the active race at the last load
    bool garaMancante_ = false;    // that race is not in the database: no race is suggested
};

}  // namespace razudar::tables
