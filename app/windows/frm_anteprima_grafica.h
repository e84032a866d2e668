#pragma once
// The graphics preview window frmAnteprimaGrafica: it holds the program's one graphics control
// MirtGRA1, is shown and hidden by the VGA preview, keeps its position between runs, saves the
// current frame as a picture, and passes the control's two events on.
#include <QWidget>

#include <functional>
#include <memory>

#include "app/windows/output_switches.h"
#include "platform/services/services.h"

class QMenuBar;

namespace razudar {

namespace controls {
class GraficaProxy;
}

inline constexpr char16_t kSezioneAnteprima[] = u"frmAnteprimaGrafica";
inline constexpr int kTwipsPerPixel = 15;

class frmAnteprimaGrafica : public QWidget, public PreviewWindowHost {
    Q_OBJECT
public:
    // `control` is the graphics control created from its plug-in; the window takes it.
    frmAnteprimaGrafica(QWidget* control, const Services& services, std::function<void(const QString&)> problems,
                        QWidget* parent = nullptr);
    ~frmAnteprimaGrafica() override;

    controls::GraficaProxy& MirtGRA1() { return *gra_; }

    // Load: size, then centred over `owner`, then the stored position when there is one on a
    // screen.
    void load(const QWidget* owner);
    // Unload: closes the graphics control and stores the position. Runs once.
    void unload();
    // The menu item "&Salva con nome...": saves the current frame to a file the operator chooses.
    void mnuSalvaConNome_Click();

    // PreviewWindowHost
    void setControlVisible(bool visible) override;
    void showPreview() override;
    void hidePreview() override;

signals:
    // The operator closed the window with its close box: the VGA preview is switched off.
    void closedByOperator();
    // The control's Conferma event.
    void confermaGrafica(bool conferma);
    // The control's NotificaEvento, for the page-on-air layer.
    void notificaGrafica(const QString& nomeOggetto, int evento);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Services services_;
    QMenuBar* menu_;
    QWidget* control_;
    std::unique_ptr<controls::GraficaProxy> gra_;
    bool unloaded_ = false;
};

}  // namespace razudar
