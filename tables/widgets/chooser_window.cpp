#include "tables/widgets/chooser_window.h"

#include <QCheckBox>

#include "platform/services/widget_services.h"
#include "tables/widgets/frm_seleziona_campi.h"

namespace razudar::tables {

std::optional<std::vector<FieldChoice>> ChooserWindow::choose(const std::vector<FieldChoice>& boxes,
                                                              const QString& windowName) {
    if (boxes.empty()) return std::vector<FieldChoice>{};
    frmSelezionaCampi window;
    window.setWindowTitle(windowName.isEmpty() ? window.windowTitle() : window.windowTitle() + QStringLiteral(" - ") + windowName);
    // Box 0 exists with the window; the others are loaded one below the other.
    for (size_t i = 0; i < boxes.size(); ++i) {
        QCheckBox* box = i == 0 ? window.chkCampo(0) : window.caricaChkCampo();
        frmSelezionaCampi::setTag(*box, boxes[i].field);
        box->setText(boxes[i].caption);
        box->setCheckState(boxes[i].visible ? Qt::Checked : Qt::Unchecked);
        box->move(box->x(), window.chkCampo(0)->y() + int(i) * window.chkCampo(0)->height());
        box->setVisible(true);
    }
    window.adjustSize();
    runModal(dialogs_, window);
    if (!window.Conferma) return std::nullopt;
    std::vector<FieldChoice> chosen = boxes;
    for (size_t i = 0; i < chosen.size(); ++i) chosen[i].visible = window.chkCampo(int(i))->checkState() == Qt::Checked;
    return chosen;
}

}  // namespace razudar::tables
