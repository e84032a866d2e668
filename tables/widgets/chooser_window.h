#pragma once
// The visible-fields button's chooser as a window: one box per field the table window offers,
// checked as stored, shown modally; the boxes' states come back when the operator confirms.
#include "platform/services/dialog_runner.h"
#include "tables/report_entry.h"

namespace razudar::tables {

class ChooserWindow : public VisibleFieldsChooser {
public:
    // The window runs through `dialogs` (exec() when null).
    explicit ChooserWindow(DialogRunner* dialogs = nullptr) : dialogs_(dialogs) {}
    std::optional<std::vector<FieldChoice>> choose(const std::vector<FieldChoice>& boxes,
                                                   const QString& windowName) override;

private:
    DialogRunner* dialogs_;
};

}  // namespace razudar::tables
