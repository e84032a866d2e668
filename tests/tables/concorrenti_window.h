#pragma once
// A small table window over Concorrenti, built as a program's table window is: widgets, the
// engine's public variables, registration, ta_Inizio and the first paint. Used by the tests
// and the benchmark.
#include <QWidget>

#include <functional>
#include <vector>

#include "tables/cls_tabella.h"
#include "tables/widgets/field_events.h"
#include "tables/widgets/field_widgets.h"
#include "tables/widgets/grid_widget.h"

namespace razudar::testing {

class ConcorrentiWindow : public QWidget, public tables::TableHost, public tables::TableEvents {
public:
    // Field numbers.
    enum { kGara, kConcorrente, kCognome, kNome, kNazionalita, kPettorale, kCampi };
    static constexpr int kColonnaFlag = 5;

    ConcorrentiWindow(DatabaseState& database, const Services& services);
    // The grid outlives the engine (child widgets go last): it is detached first.
    ~ConcorrentiWindow() override { grid->setEngine(nullptr); }

    // Sets the defaults of this window, lets the test change them, registers the controls,
    // runs ta_Inizio and the first paint. Returns ta_Inizio's result.
    bool start(const std::function<void(tables::clsTabella&)>& configure = {});

    tables::LineEditField* field(int i) const { return fields_.at(static_cast<std::size_t>(i)); }
    tables::ButtonControl* button(int i) const { return buttons_.at(static_cast<std::size_t>(i)); }
    // The rows the grid shows, column `column` of each, as text.
    QStringList gridColumn(int column) const;

    // TableHost
    QString name() const override { return QStringLiteral("frmConcorrenti"); }
    QString caption() const override { return windowTitle(); }
    void unload() override { ++unloads; }
    void beep() override { ++beeps; }
    // TableEvents
    void Totali() override { ++totali; }
    void Inizializzata() override { ++inizializzata; }
    void CaricaFlag() override { ++caricaFlag; }

    tables::RecordSource data;
    tables::clsTabella tb;
    tables::GridWidget* grid = nullptr;
    tables::FrameControl* keys = nullptr;
    tables::FrameControl* others = nullptr;
    int totali = 0;
    int inizializzata = 0;
    int caricaFlag = 0;
    int unloads = 0;
    int beeps = 0;

private:
    std::vector<tables::LineEditField*> fields_;
    std::vector<tables::LabelControl*> labels_;
    std::vector<tables::ButtonControl*> buttons_;
    tables::FieldEvents events_;
};

}  // namespace razudar::testing
