#include "app/editors/frm_pagina_testo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pages/page_codes.h"
#include "app/widgets/window_helpers.h"
#include "data/database_access.h"
#include "data/database_fault_text.h"
#include "data/database_state.h"
#include "model/basic.h"
#include "platform/db/db_error.h"
#include "platform/services/prompter.h"

namespace razudar {

const PaginaTestoLayout& layoutPaginaPiena() {
    static const PaginaTestoLayout layout{QStringLiteral("frmPaginaPiena"), QStringLiteral("Pagina Piena"),
                                          QString::fromUtf16(kPaginaPiena), QStringLiteral("TipiGraficaPaginePiene"),
                                          QStringLiteral("Gr_Testo"), 3};
    return layout;
}

const PaginaTestoLayout& layoutPaginaBassa() {
    static const PaginaTestoLayout layout{QStringLiteral("frmPaginaBassa"), QStringLiteral("Pagina Bassa"),
                                          QString::fromUtf16(kPaginaBassa), QStringLiteral("TipiGraficaPagineBasse"),
                                          QStringLiteral("gr_Testo"), 4};
    return layout;
}

frmPaginaTesto::frmPaginaTesto(const PaginaTestoLayout& layout, DatabaseState& database, Prompter& prompter,
                               QWidget* owner)
    : QDialog(owner), layout_(layout), database_(database), prompter_(prompter) {
    setObjectName(layout_.nomeFinestra);
    setWindowTitle(layout_.titolo);
    setModal(true);

    QFont boxFont(QStringLiteral("Arial"));
    boxFont.setBold(true);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    for (int r = 1; r <= kRighe; ++r) {
        auto* row = new QPushButton(QStringLiteral("&%1").arg(r), this);
        row->setObjectName(QStringLiteral("cmdTesto%1").arg(r));
        row->setFixedWidth(36);
        row->setAutoDefault(false);
        cmdTesto_[size_t(r - 1)] = row;
        grid->addWidget(row, r, 0);
        for (int j = 1; j <= layout_.colonne; ++j) {
            auto* box = new TestoBox(this);
            box->setObjectName(QStringLiteral("txtTesto%1").arg(txtTesto_.size() + 1));
            box->setFont(boxFont);
            box->setMinimumWidth(layout_.colonne == 3 ? 200 : 150);
            txtTesto_.push_back(box);
            grid->addWidget(box, r, j);
        }
        auto* clear = new QPushButton(QStringLiteral("Pulisci"), this);
        clear->setObjectName(QStringLiteral("cmdPulisci%1").arg(r));
        clear->setAutoDefault(false);
        cmdPulisci_[size_t(r - 1)] = clear;
        grid->addWidget(clear, r, layout_.colonne + 1);

        connect(row, &QPushButton::clicked, this, [this, r] {
            if (!salva()) return;
            bRigaScelta = true;
            RigaScelta = r;
            hide();
            done(Accepted);
        });
        connect(clear, &QPushButton::clicked, this, [this, r] {
            const int first = layout_.colonne * (r - 1) + 1;
            for (int i = first; i < first + layout_.colonne; ++i) txtTesto_[size_t(i - 1)]->svuota();
        });
    }

    cmdPulisciTutto_ = new QPushButton(QStringLiteral("&Pulisci Tutto"), this);
    cmdPulisciTutto_->setObjectName(QStringLiteral("cmdPulisciTutto"));
    cmdSalva_ = new QPushButton(QStringLiteral("&Salva"), this);
    cmdSalva_->setObjectName(QStringLiteral("cmdSalva"));
    cmdAnnulla_ = new QPushButton(QStringLiteral("&Annulla"), this);
    cmdAnnulla_->setObjectName(QStringLiteral("cmdAnnulla"));
    for (QPushButton* b : {cmdPulisciTutto_, cmdSalva_, cmdAnnulla_}) b->setAutoDefault(false);
    connect(cmdPulisciTutto_, &QPushButton::clicked, this, [this] {
        for (TestoBox* box : txtTesto_) box->svuota();
    });
    connect(cmdSalva_, &QPushButton::clicked, this, [this] { salva(); });
    connect(cmdAnnulla_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPulisciTutto_);
    buttons->addStretch(1);
    buttons->addWidget(cmdSalva_);
    buttons->addWidget(cmdAnnulla_);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addSpacing(8);
    main->addLayout(buttons);
    adjustSize();
    CentraForm(*this, nullptr);
}

void frmPaginaTesto::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Again once the frame is known, so the framed window is the one centred.
    CentraForm(*this, nullptr);
}

bool frmPaginaTesto::Aggiorna() {
    try {
        db::Recordset rs = database_.current().openRecordset(layout_.tabella);
        const bool empty = rs.eof();
        if (!empty) rs.moveFirst();
        for (int i = 1; i <= numeroTesti(); ++i)
            txtTesto_[size_t(i - 1)]->mostraValore(empty ? QVariant(QString())
                                                         : rs.value(layout_.prefissoCampo + QString::number(i)));
        return true;
    } catch (const db::DbError& e) {
        prompter_.show(testoErroreDatabase(QStringLiteral("leggere i testi della pagina"), e), PromptButtons::Ok,
                       PromptIcon::Critical);
        return false;
    }
}

bool frmPaginaTesto::salva() {
    // The whole record is written, every box; a box the operator left as it was writes back the
    // stored value unchanged. A table without its record gets one.
    try {
        db::Recordset rs = database_.current().openRecordset(layout_.tabella);
        if (rs.eof()) {
            rs.addNew();
        } else {
            rs.moveFirst();
            rs.edit();
        }
        for (int i = 1; i <= numeroTesti(); ++i)
            rs.setValue(layout_.prefissoCampo + QString::number(i), txtTesto_[size_t(i - 1)]->valoreDaSalvare());
        rs.update();
        return true;
    } catch (const db::DbError& e) {
        prompter_.show(testoErroreDatabase(QStringLiteral("salvare i testi della pagina"), e), PromptButtons::Ok,
                       PromptIcon::Critical);
        return false;
    }
}

void frmPaginaTesto::reject() {
    // "&Annulla", the close box and Esc alike: the stored texts are shown again and no row
    // goes on air.
    bRigaScelta = false;
    Aggiorna();
    QDialog::reject();
}

QStringList frmPaginaTesto::testiRiga(int riga) const {
    QStringList texts;
    const int first = layout_.colonne * (riga - 1) + 1;
    for (int i = first; i < first + layout_.colonne; ++i) texts << basic::Trim(txtTesto(i)->text());
    return texts;
}

}  // namespace razudar
