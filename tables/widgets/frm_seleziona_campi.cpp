#include "tables/widgets/frm_seleziona_campi.h"

#include <QCheckBox>
#include <QPushButton>

#include "model/basic.h"
#include "platform/services/settings_store.h"

namespace razudar::tables {

namespace {
const char* const kTag = "Tag";
const QString kApplication = QStringLiteral("Zez");
}  // namespace

frmSelezionaCampi::frmSelezionaCampi(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelezionaCampi"));
    setWindowTitle(QStringLiteral("Seleziona Campi"));
    setModal(true);
    resize(683, 580);

    auto* first = new QCheckBox(QStringLiteral("chkCampo(0)"), this);
    first->setObjectName(QStringLiteral("chkCampo"));
    first->setGeometry(20, 16, 280, 20);
    chkCampo_.push_back(first);

    auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    cmdTutti_ = button(QStringLiteral("Seleziona Deseleziona Tutti"), QStringLiteral("cmdTutti"));
    cmdConferma_ = button(QStringLiteral("&Conferma"), QStringLiteral("cmdConferma"));
    cmdAnnulla_ = button(QStringLiteral("&Annulla"), QStringLiteral("cmdAnnulla"));
    cmdConferma_->setDefault(true);
    placeButtons();

    connect(cmdTutti_, &QPushButton::clicked, this, &frmSelezionaCampi::cmdTutti_Click);
    connect(cmdConferma_, &QPushButton::clicked, this, [this] {
        Conferma = true;
        hide();
        done(Accepted);
    });
    connect(cmdAnnulla_, &QPushButton::clicked, this, [this] {
        Conferma = false;
        hide();
        done(Rejected);
    });
}

void frmSelezionaCampi::placeButtons() {
    const int y = height() - 44;
    cmdTutti_->setGeometry(20, y, 220, 30);
    cmdAnnulla_->setGeometry(width() - 130, y, 110, 30);
    cmdConferma_->setGeometry(width() - 250, y, 110, 30);
}

void frmSelezionaCampi::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeButtons();
}

QCheckBox* frmSelezionaCampi::caricaChkCampo() {
    auto* box = new QCheckBox(QStringLiteral("chkCampo(%1)").arg(chkCampo_.size()), this);
    box->setObjectName(QStringLiteral("chkCampo"));
    box->setGeometry(chkCampo_.front()->geometry());
    box->hide();
    chkCampo_.push_back(box);
    return box;
}

int frmSelezionaCampi::tag(const QCheckBox& box) { return box.property(kTag).toInt(); }
void frmSelezionaCampi::setTag(QCheckBox& box, int field) { box.setProperty(kTag, field); }

void frmSelezionaCampi::cmdTutti_Click() {
    // A greyed box 0 counts as set: the press clears.
    const Qt::CheckState value = chkCampo_.front()->checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked;
    for (QCheckBox* box : chkCampo_) box->setCheckState(value);
}

QString sezioneSelezionaCampi(const QString& windowName) { return windowName + QStringLiteral("\\SelezionaCampi"); }

void CaricaCampiVisibili(frmSelezionaCampi& window, const SettingsStore& settings, const QString& windowName) {
    for (int i = 0; i < window.chkCampoCount(); ++i) {
        QCheckBox& box = *window.chkCampo(i);
        const QString stored = settings.value(kApplication, sezioneSelezionaCampi(windowName),
                                              QStringLiteral("Campo%1").arg(frmSelezionaCampi::tag(box)),
                                              QStringLiteral("1"));
        const double value = basic::Val(stored);
        box.setTristate(value == 2);
        box.setCheckState(value == 0 ? Qt::Unchecked : value == 2 ? Qt::PartiallyChecked : Qt::Checked);
    }
}

void SalvaCampiVisibili(const frmSelezionaCampi& window, SettingsStore& settings, const QString& windowName) {
    for (int i = 0; i < window.chkCampoCount(); ++i) {
        const QCheckBox& box = *window.chkCampo(i);
        settings.save(kApplication, sezioneSelezionaCampi(windowName),
                      QStringLiteral("Campo%1").arg(frmSelezionaCampi::tag(box)),
                      box.checkState() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

}  // namespace razudar::tables
