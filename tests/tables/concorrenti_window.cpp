#include "concorrenti_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace razudar::testing {

using namespace razudar::tables;

ConcorrentiWindow::ConcorrentiWindow(DatabaseState& database, const Services& services)
    : tb(database, services), events_(tb) {
    setWindowTitle(QStringLiteral("Concorrenti"));
    setObjectName(name());
    struct Def { const char16_t* column; const char16_t* tag; const char16_t* label; };
    static const Def defs[kCampi] = {
        {u"co_Gara", u"", u"Label1"},        {u"co_Concorrente", u"", u"Label2"},
        {u"co_Cognome", u"&C;", u"Cognome"}, {u"co_Nome", u"&C;", u"Nome"},
        {u"co_Nazionalita", u"&U;", u"Naz."}, {u"co_Pettorale", u"°", u"Pettorale"}};
    auto* layout = new QVBoxLayout(this);
    keys = new FrameControl(QString(), this);
    others = new FrameControl(QString(), this);
    auto* keyGrid = new QGridLayout(keys);
    auto* otherGrid = new QGridLayout(others);
    for (int i = 0; i < kCampi; ++i) {
        FrameControl* frame = i <= kConcorrente ? keys : others;
        auto* label = new LabelControl(QString::fromUtf16(defs[i].label), frame);
        auto* edit = new LineEditField(QString::fromUtf16(defs[i].column), QString::fromUtf16(defs[i].tag), frame);
        QGridLayout* grid = i <= kConcorrente ? keyGrid : otherGrid;
        const int row = i <= kConcorrente ? i : i - kCognome;
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        fields_.push_back(edit);
        labels_.push_back(label);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(keys);
    top->addWidget(others, 1);
    layout->addLayout(top);
    grid = new GridWidget(data,
                          {{QStringLiteral("Concorrente"), QStringLiteral("co_Concorrente")},
                           {QStringLiteral("Pettorale"), QStringLiteral("co_Pettorale")},
                           {QStringLiteral("Cognome"), QStringLiteral("co_Cognome")},
                           {QStringLiteral("Nome"), QStringLiteral("co_Nome")},
                           {QStringLiteral("Naz."), QStringLiteral("co_Nazionalita")},
                           {QStringLiteral("Sel."), QString()}},
                          this);
    grid->setEngine(&tb);
    layout->addWidget(grid, 1);
    auto* buttonRow = new QHBoxLayout;
    for (int i = 0; i < 10; ++i) {
        auto* b = new ButtonControl(QStringLiteral("cmdTasto"), this);
        buttons_.push_back(b);
        buttonRow->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, i] { tb.cmd_Tasto_Click(i); });
    }
    layout->addLayout(buttonRow);
    resize(760, 560);
}

bool ConcorrentiWindow::start(const std::function<void(clsTabella&)>& configure) {
    tb.setEvents(this);
    tb.int_Modalita = modalita::kGestione;
    tb.str_Recordset = QStringLiteral("SELECT * FROM Concorrenti");
    tb.int_NumeroCampi = kCampi;
    tb.int_UltimoCampoChiave = kConcorrente;
    tb.int_Filtro = kGara;
    tb.int_ColonnaFlag = kColonnaFlag;
    tb.int_NumeroTasti = 10;
    tb.frm_Form = this;
    tb.dat_Tabella = &data;
    tb.fra_DatiIdentificativi = keys;
    tb.fra_AltreInformazioni = others;
    tb.dbg_Elenco = grid;
    if (configure) configure(tb);
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) tb.cmd_Tasto(i, buttons_[static_cast<std::size_t>(i)]);
    for (int i = 0; i < kCampi; ++i) {
        tb.meb_Campo(i, fields_[static_cast<std::size_t>(i)]);
        tb.lbl_Descrizione(i, labels_[static_cast<std::size_t>(i)]);
        events_.connectField(i, fields_[static_cast<std::size_t>(i)]);
    }
    const bool ok = tb.ta_Inizio(true);
    tb.frm_Form_Paint();
    return ok;
}

QStringList ConcorrentiWindow::gridColumn(int column) const {
    QStringList out;
    GridModel* model = grid->model();
    for (int r = 0; r < model->rowCount(); ++r) out << model->data(model->index(r, column), Qt::DisplayRole).toString();
    return out;
}

}  // namespace razudar::testing
