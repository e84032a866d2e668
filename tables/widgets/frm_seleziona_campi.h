#pragma once
// The visible-fields chooser "Seleziona Campi": one check box per field of a table window, a
// button that checks or clears them all, and confirm and cancel. The table engine loads and
// captions the boxes, shows the window modally and reads Conferma and the boxes afterwards.
#include <QDialog>

#include <vector>

class QCheckBox;
class QPushButton;

namespace razudar {
class SettingsStore;
}

namespace razudar::tables {

class frmSelezionaCampi : public QDialog {
    Q_OBJECT
public:
    explicit frmSelezionaCampi(QWidget* parent = nullptr);

    // True after "&Conferma", False after "&Annulla"; the close box leaves it as it was.
    bool Conferma = false;

    // The boxes: element 0 exists from the start, the others are loaded by the caller.
    int chkCampoCount() const { return static_cast<int>(chkCampo_.size()); }
    QCheckBox* chkCampo(int index) const { return chkCampo_.at(static_cast<size_t>(index)); }
    // Loads the next element (hidden, at box 0's place, until the caller places and shows it).
    QCheckBox* caricaChkCampo();
    // The field number a box stands for (its Tag).
    static int tag(const QCheckBox& box);
    static void setTag(QCheckBox& box, int field);

    QPushButton* cmdTutti() const { return cmdTutti_; }
    QPushButton* cmdConferma() const { return cmdConferma_; }
    QPushButton* cmdAnnulla() const { return cmdAnnulla_; }

    // "Seleziona Deseleziona Tutti": every box checked when box 0 is unchecked, else cleared.
    void cmdTutti_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeButtons();
    std::vector<QCheckBox*> chkCampo_;
    QPushButton* cmdTutti_ = nullptr;
    QPushButton* cmdConferma_ = nullptr;
    QPushButton* cmdAnnulla_ = nullptr;
};

// The settings-store section of a table window's visible fields.
QString sezioneSelezionaCampi(const QString& windowName);
// Each box takes its field's stored value (application "Zez", key "Campo" & its Tag, 1 when
// nothing is stored): 0 unchecked, 2 greyed, anything else checked.
void CaricaCampiVisibili(frmSelezionaCampi& window, const SettingsStore& settings, const QString& windowName);
// Stores each box's value, "1" checked or "0" otherwise, under its field's key.
void SalvaCampiVisibili(const frmSelezionaCampi& window, SettingsStore& settings, const QString& windowName);

}  // namespace razudar::tables
