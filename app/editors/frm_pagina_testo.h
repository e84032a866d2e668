#pragma once
// The editors of the two free-text pages, frmPaginaPiena (8 rows of 3 texts) and frmPaginaBassa
// (8 rows of 4 texts), bound to the first record of their table in the race database. The
// operator edits, saves, and leaves with a row button (that row goes on air) or "&Annulla".
#include <QDialog>

#include <array>
#include <vector>

#include "app/editors/testo_box.h"

class QLineEdit;
class QPushButton;

namespace razudar {

struct DatabaseState;
class Prompter;

// What tells the two editors apart.
struct PaginaTestoLayout {
    QString nomeFinestra;   // "frmPaginaPiena" / "frmPaginaBassa"
    QString titolo;         // window caption
    QString pagina;         // the page put on air
    QString tabella;        // its table
    QString prefissoCampo;  // "Gr_Testo" / "gr_Testo"
    int colonne = 3;
};
const PaginaTestoLayout& layoutPaginaPiena();
const PaginaTestoLayout& layoutPaginaBassa();

class frmPaginaTesto : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRighe = 8;
    // The characters a box takes when typed (a longer stored text is shown whole).
    static constexpr int kLunghezzaMassima = TestoBox::kLunghezzaMassima;

    frmPaginaTesto(const PaginaTestoLayout& layout, DatabaseState& database, Prompter& prompter,
                   QWidget* owner = nullptr);

    // Results, read once the modal showing ends.
    bool bRigaScelta = false;
    int RigaScelta = 0;

    const PaginaTestoLayout& layout() const { return layout_; }
    int numeroTesti() const { return kRighe * layout_.colonne; }
    // Box i, 1 to numeroTesti().
    QLineEdit* txtTesto(int i) const { return txtTesto_.at(size_t(i - 1)); }
    QPushButton* cmdTesto(int riga) const { return cmdTesto_.at(size_t(riga - 1)); }
    QPushButton* cmdPulisci(int riga) const { return cmdPulisci_.at(size_t(riga - 1)); }
    QPushButton* cmdPulisciTutto() const { return cmdPulisciTutto_; }
    QPushButton* cmdSalva() const { return cmdSalva_; }
    QPushButton* cmdAnnulla() const { return cmdAnnulla_; }

    // Reads the first record into the boxes (empty boxes when the table has none).
    bool Aggiorna();
    // The trimmed texts of a row, 1 to 8.
    QStringList testiRiga(int riga) const;

    // "&Annulla" (also the close box and Esc).
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool salva();

    PaginaTestoLayout layout_;
    DatabaseState& database_;
    Prompter& prompter_;
    std::vector<TestoBox*> txtTesto_;
    std::array<QPushButton*, kRighe> cmdTesto_{};
    std::array<QPushButton*, kRighe> cmdPulisci_{};
    QPushButton* cmdPulisciTutto_ = nullptr;
    QPushButton* cmdSalva_ = nullptr;
    QPushButton* cmdAnnulla_ = nullptr;
};

}  // namespace razudar
