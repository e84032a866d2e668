#pragma once
#include <QImage>
#include <QString>
#include <QVariant>

#include <array>
#include <memory>

#include "graphics/control_state.h"
#include "graphics/mirt_gra_groups.h"

class QPushButton;
class QTabWidget;

namespace razudar::renderer {
class PlaneView;
class VideoBoard;
}  // namespace razudar::renderer

namespace razudar::gra {
class SlideEffects;
}

namespace razudar {

// The broadcast graphics control: two planes of pages on the video board's output or, in
// preview mode, in its own two picture windows (tabs "Piano 0" and "Piano 1"); slide effects;
// and the "Conferma"/"Annulla" buttons. This layer adds the output, preview and effect members
// to those of its base classes.
class MirtGRA : public MirtGRAGroups, public gra::PreviewPanes {
    Q_OBJECT
    Q_PROPERTY(bool VGA READ VGA WRITE setVGA)
    Q_PROPERTY(bool Piano1Attivo READ Piano1Attivo WRITE setPiano1Attivo)
    // How many blocking slides (EffettoX, EffettoY) the control has run since it was created.
    Q_PROPERTY(int slideCount READ slideCount)

public:
    explicit MirtGRA(QWidget* parent = nullptr);
    ~MirtGRA() override;

    // Replaces the clock, waits and settings store (tests); takes effect for the renderer
    // objects at the next Inizializza. Null members keep the real services.
    void useEnvironment(const gra::GraEnvironment& environment);
    renderer::VideoBoard* board() const;
    renderer::PlaneView* objPiano(int index) const;
    const gra::SlideEffects& effects() const { return *effects_; }
    int slideCount() const;

    Q_INVOKABLE bool VGA() const;
    Q_INVOKABLE void setVGA(bool value);
    Q_INVOKABLE bool Piano1Attivo();
    Q_INVOKABLE void setPiano1Attivo(bool value);
    Q_INVOKABLE void AggiornaMonitor();
    Q_INVOKABLE bool TV(bool Attivare);
    Q_INVOKABLE void SalvaSchermo(const QString& Path);
    Q_INVOKABLE bool PreviewPiano(int Piano, QImage* hdc, int w, int h);
    Q_INVOKABLE void PreviewPagina(const QString& NomePagina, QImage* hdc, int w, int h);
    Q_INVOKABLE void Anteprima(const QVariant& NomePagina, QImage* hdc, int w, int h);
    Q_INVOKABLE void EffettoX(int Velocita = 0, bool Relativo = false);
    Q_INVOKABLE void EffettoY(int Velocita = 0, bool Relativo = false);
    Q_INVOKABLE void EffettoX_(int Velocita = 0);
    // Shows the "Conferma" and "Annulla" buttons and gives the keyboard focus to "Conferma";
    // the answer is the Conferma event.
    Q_INVOKABLE void AttivaConferma();

    // Video members without effect in this control: they accept their arguments and ignore them.
    Q_INVOKABLE void EffettoD(int Velocita = 0, bool Relativo = false);
    Q_INVOKABLE void AbilitaLiveInput(bool value);
    Q_INVOKABLE void AbilitaVideoInput(bool value);
    Q_INVOKABLE void setdveLive(int x, int y, int w, int h);
    Q_INVOKABLE void setdveRazudar(int x, int y, int w, int h);
    Q_INVOKABLE void setdveVideo(int x, int y, int w, int h);
    Q_INVOKABLE void setFaderWipeRazudar(int v);
    Q_INVOKABLE void setWipeEffectRazudar(int v);
    // The names the program uses for setdveRazudar and setFaderWipeRazudar.
    Q_INVOKABLE void setdveGrafica(int x, int y, int w, int h);
    Q_INVOKABLE void setFaderWipeGrafica(int v);
    Q_INVOKABLE void openAvi(const QString& strfilename);
    Q_INVOKABLE void PlayAvi();
    Q_INVOKABLE void StopAvi();
    Q_INVOKABLE QVariant getFilenameLenght(const QString& strfilename);
    Q_INVOKABLE void Scrubbing(bool v);
    Q_INVOKABLE void SeekAvi(int L);
    Q_INVOKABLE void debugfilter();
    Q_INVOKABLE void DisplayMode(int v);
    Q_INVOKABLE void Strobe(int v);
    Q_INVOKABLE void grablive(QObject* pic);

    // The picture windows as the output logic sees them.
    int selectedTab() const override;
    renderer::FrameSurfacePtr paneSurface(int plane) const override;
    void clearPane(int plane) override;

private:
    void buildWindows();

    QTabWidget* tabPiani_ = nullptr;
    std::array<renderer::PlaneView*, gra::kPlaneCount> objPiano_{};
    std::array<QPushButton*, 2> Command1_{};
    std::unique_ptr<gra::SlideEffects> effects_;
};

}  // namespace razudar
