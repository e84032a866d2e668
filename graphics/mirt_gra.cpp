#include "graphics/mirt_gra.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "graphics/control_core.h"
#include "graphics/slide_effects.h"
#include "platform/renderer/plane_view.h"

namespace razudar {

MirtGRA::MirtGRA(QWidget* parent)
    : MirtGRAGroups(parent),
      effects_(std::make_unique<gra::SlideEffects>(
          core().state, [this](int x, int y, int w, int h) { setdveRazudar(x, y, w, h); })) {
    setObjectName(QStringLiteral("MirtGRA"));
    buildWindows();
    core().state.panes = this;
}

MirtGRA::~MirtGRA() {
    core().state.panes = nullptr;
    effects_->timEffettoX().stop();
}

void MirtGRA::buildWindows() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabPiani_ = new QTabWidget(this);
    tabPiani_->setObjectName(QStringLiteral("tabPiani"));
    for (int p = 0; p < gra::kPlaneCount; ++p) {
        auto* pane = new renderer::PlaneView(tabPiani_);
        pane->setObjectName(QStringLiteral("objPiano"));
        pane->setProperty("Index", p);
        objPiano_[std::size_t(p)] = pane;
        tabPiani_->addTab(pane, QStringLiteral("Piano %1").arg(p));
    }
    // The preview always shows plane 0: choosing another tab selects tab 0 again.
    connect(tabPiani_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index != 0) tabPiani_->setCurrentIndex(0);
    });
    // A repaint of a picture window needs no new drawing: the pane keeps the last picture the
    // renderer delivered (drawing again from a repaint would ask for another repaint).
    layout->addWidget(tabPiani_);

    const std::array<QString, 2> captions = {QStringLiteral("Conferma"), QStringLiteral("Annulla")};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(captions[std::size_t(i)], this);
        button->setObjectName(QStringLiteral("Command1"));
        button->setProperty("Index", i);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { emit Conferma(i == 0); });
        Command1_[std::size_t(i)] = button;
        layout->addWidget(button);
    }
}

void MirtGRA::useEnvironment(const gra::GraEnvironment& environment) { core().useEnvironment(environment); }
renderer::VideoBoard* MirtGRA::board() const { return core().state.Fb.get(); }
renderer::PlaneView* MirtGRA::objPiano(int index) const {
    return gra::ControlState::isPlane(index) ? objPiano_[std::size_t(index)] : nullptr;
}

bool MirtGRA::VGA() const { return core().output.VGA(); }
void MirtGRA::setVGA(bool value) { core().output.setVGA(value); }
bool MirtGRA::Piano1Attivo() { return core().output.Piano1Attivo(); }
void MirtGRA::setPiano1Attivo(bool value) { core().output.setPiano1Attivo(value); }
void MirtGRA::AggiornaMonitor() { core().output.AggiornaMonitor(); }

bool MirtGRA::TV(bool Attivare) {
    AbilitaLiveInput(Attivare);
    return false;
}

void MirtGRA::SalvaSchermo(const QString& Path) { core().output.SalvaSchermo(Path); }
bool MirtGRA::PreviewPiano(int Piano, QImage* hdc, int w, int h) { return core().output.PreviewPiano(Piano, hdc, w, h); }
void MirtGRA::PreviewPagina(const QString& NomePagina, QImage* hdc, int w, int h) {
    core().output.PreviewPagina(NomePagina, hdc, w, h);
}
void MirtGRA::Anteprima(const QVariant& NomePagina, QImage* hdc, int w, int h) {
    core().output.Anteprima(NomePagina, hdc, w, h);
}

int MirtGRA::slideCount() const { return effects_->slideCount(); }

void MirtGRA::EffettoX(int Velocita, bool Relativo) { effects_->EffettoX(Velocita, Relativo); }
void MirtGRA::EffettoY(int Velocita, bool Relativo) { effects_->EffettoY(Velocita, Relativo); }
void MirtGRA::EffettoX_(int Velocita) { effects_->EffettoX_(Velocita); }

void MirtGRA::AttivaConferma() {
    for (QPushButton* button : Command1_) button->show();
    Command1_[0]->setFocus(Qt::OtherFocusReason);
}

void MirtGRA::EffettoD(int, bool) {}
void MirtGRA::AbilitaLiveInput(bool) {}
void MirtGRA::AbilitaVideoInput(bool) {}
void MirtGRA::setdveLive(int, int, int, int) {}
void MirtGRA::setdveRazudar(int, int, int, int) {}
void MirtGRA::setdveVideo(int, int, int, int) {}
void MirtGRA::setFaderWipeRazudar(int) {}
void MirtGRA::setWipeEffectRazudar(int) {}
void MirtGRA::setdveGrafica(int x, int y, int w, int h) { setdveRazudar(x, y, w, h); }
void MirtGRA::setFaderWipeGrafica(int v) { setFaderWipeRazudar(v); }
void MirtGRA::openAvi(const QString&) {}
void MirtGRA::PlayAvi() {}
void MirtGRA::StopAvi() {}
QVariant MirtGRA::getFilenameLenght(const QString&) { return {}; }
void MirtGRA::Scrubbing(bool) {}
void MirtGRA::SeekAvi(int) {}
void MirtGRA::debugfilter() {}
void MirtGRA::DisplayMode(int) {}
void MirtGRA::Strobe(int) {}
void MirtGRA::grablive(QObject*) {}

int MirtGRA::selectedTab() const { return tabPiani_->currentIndex(); }

renderer::FrameSurfacePtr MirtGRA::paneSurface(int plane) const {
    return gra::ControlState::isPlane(plane) ? objPiano_[std::size_t(plane)]->surface() : nullptr;
}

void MirtGRA::clearPane(int plane) {
    if (gra::ControlState::isPlane(plane)) objPiano_[std::size_t(plane)]->clearPicture();
}

}  // namespace razudar
