#pragma once
// The visible-fields button's chooser as a window: one box per field the table window offers,
// checked as stored, shown modally; the boxes' states come back when the operator confirms.
#include <functional>

#include "tables/report_entry.h"

namespace razudar::tables {

class frmSelezionaCampi;

class ChooserWindow : public VisibleFieldsChooser {
public:
    // `mostra` replaces the modal exec() (tests act on the shown window through it).
    explicit ChooserWindow(std::function<void(frmSelezionaCampi&)> mostra = {});
    std::optional<std::vector<FieldChoice>> choose(const std::vector<FieldChoice>& boxes,
                                                   const QString& windowName) override;

private:
    std::function<void(frmSelezionaCampi&)> mostra_;
};

}  // namespace razudar::tables
