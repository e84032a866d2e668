#include "graphics/mirt_gra_pages.h"

#include "graphics/control_core.h"
#include "graphics/control_setup.h"

namespace razudar {

MirtGRAPages::MirtGRAPages(QWidget* parent) : MirtGRAEnums(parent), core_(std::make_unique<gra::ControlCore>()) {
    core_->state.sink = [this](const QString& text) { emit RicevutoMessaggio(text); };
}

MirtGRAPages::~MirtGRAPages() {
    core_->state.sink = nullptr;
    gra::closeControl(core_->state);
}

bool MirtGRAPages::Inizializza() {
    return gra::initialiseControl(core_->state, this,
                                  [this](const QString& name, int event) { emit NotificaEvento(name, event); });
}

void MirtGRAPages::Chiude() { gra::closeControl(core_->state); }
void MirtGRAPages::CancellaArea(int Piano) { core_->pages.CancellaArea(Piano); }
bool MirtGRAPages::CaricaFileDefinizioni(const QString& strPercorso) {
    return core_->pages.CaricaFileDefinizioni(strPercorso);
}
bool MirtGRAPages::CaricaPagina(const QString& NomePagina, int Piano) {
    return core_->pages.CaricaPagina(NomePagina, Piano);
}
bool MirtGRAPages::SalvaPagina(const QString& NomePagina, const QString& PostFisso, int Piano) {
    return core_->pages.SalvaPagina(NomePagina, PostFisso, Piano);
}
bool MirtGRAPages::VisualizzaPagina(const QString& NomePagina) { return core_->pages.VisualizzaPagina(NomePagina); }
bool MirtGRAPages::RinfrescaPagina(const QString& NomePagina) { return core_->pages.RinfrescaPagina(NomePagina); }
bool MirtGRAPages::StartPagina(const QString& NomePagina) { return core_->pages.StartPagina(NomePagina); }
bool MirtGRAPages::StopPagina(const QString& NomePagina) { return core_->pages.StopPagina(NomePagina); }
bool MirtGRAPages::TogliePagina(const QString& NomePagina) { return core_->pages.TogliePagina(NomePagina); }
int MirtGRAPages::PianoPagina(const QString& NomePagina) { return core_->pages.PianoPagina(NomePagina); }
int MirtGRAPages::CercaPagina(const QString& NomeFunzione, const QString& NomePagina) {
    return core_->state.findPage(NomeFunzione, NomePagina);
}
int MirtGRAPages::CercaOggetto(const QString& NomeFunzione, const QString& NomePagina, const QString& NomeOggetto) {
    return core_->lookup.CercaOggetto(NomeFunzione, NomePagina, NomeOggetto);
}
bool MirtGRAPages::SchedaVideoAssente(const QString& NomeFunzione) {
    return core_->pages.SchedaVideoAssente(NomeFunzione);
}

bool MirtGRAPages::Inizializzata() const { return core_->state.initialised; }
int MirtGRAPages::ContatorePagine() const { return core_->state.pages.count(); }
QString MirtGRAPages::NomePagina(int i) { return core_->pages.NomePagina(i); }
int MirtGRAPages::IndicePaginaPiano(int Piano) { return core_->pages.IndicePaginaPiano(Piano); }
int MirtGRAPages::StatoPiano(int Piano) { return core_->pages.StatoPiano(Piano); }
bool MirtGRAPages::StartPiano(int Piano) { return core_->pages.StartPiano(Piano); }
QString MirtGRAPages::DescrizioneStatoPiano(int Piano) { return core_->pages.DescrizioneStatoPiano(Piano); }
QString MirtGRAPages::DescrizioneTipoOggetto(int TipoOggetto) {
    return core_->pages.DescrizioneTipoOggetto(TipoOggetto);
}
int MirtGRAPages::ContatoreOggetti(const QString& NomePagina) { return core_->lookup.ContatoreOggetti(NomePagina); }
bool MirtGRAPages::EsisteOggetto(const QString& NomePagina, const QString& NomeOggetto) {
    return core_->lookup.EsisteOggetto(NomePagina, NomeOggetto);
}
QVariant MirtGRAPages::InfoOggetto(const QString& NomePagina, int IndiceOggetto, int TipoInfo) {
    return core_->lookup.InfoOggetto(NomePagina, IndiceOggetto, TipoInfo);
}

bool MirtGRAPages::booVGA() const { return core_->state.booVGA; }
void MirtGRAPages::setbooVGA(bool value) { core_->state.booVGA = value; }
bool MirtGRAPages::booSchedaVideoAssente() const { return core_->state.booSchedaVideoAssente; }
void MirtGRAPages::setbooSchedaVideoAssente(bool value) { core_->state.booSchedaVideoAssente = value; }
int MirtGRAPages::tcPosizioni() const { return core_->state.tcPosizioni; }
void MirtGRAPages::settcPosizioni(int value) { core_->state.tcPosizioni = value; }
void* MirtGRAPages::Fb() const { return core_->state.Fb.get(); }

}  // namespace razudar
