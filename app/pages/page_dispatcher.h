#pragma once
// The page dispatcher: a page code reaches MandaInOnda from a page button, a check box, a
// timekeeping message or the run-time delay, and decides which page is loaded, which builders
// fill it and whether it is started.
#include <QtGlobal>

#include <QStringList>

#include <functional>
#include <memory>

namespace razudar {

class PageDispatcher {
public:
    virtual ~PageDispatcher() = default;
    virtual void MandaInOnda(qint16 codice) = 0;
};

// Passes each code on to the dispatcher of the moment (none: nothing happens), so the units
// that hold it need not be rebuilt when the graphics control arrives.
class RoutedPageDispatcher : public PageDispatcher {
public:
    void MandaInOnda(qint16 codice) override {
        if (target_) target_->MandaInOnda(codice);
    }
    void setTarget(PageDispatcher* target) { target_ = target; }
    PageDispatcher* target() const { return target_; }

private:
    PageDispatcher* target_ = nullptr;
};

struct PageContext;
class PageOnAir;

// What the free-text page codes need of their editors: the editor of the full page (code 15,
// three lines a row) or of the lower third (code 16, four lines a row) shown modally. True when
// the operator left it with a row button; `righe` then holds that row's lines.
class FreeTextEditors {
public:
    virtual ~FreeTextEditors() = default;
    virtual bool scegliRiga(qint16 codice, QStringList* righe) = 0;
};

// The real dispatcher, over the page units of this folder.
class MandaInOndaDispatcher : public PageDispatcher {
public:
    explicit MandaInOndaDispatcher(PageContext& context);
    ~MandaInOndaDispatcher() override;

    void MandaInOnda(qint16 codice) override;
    // The page-on-air layer, owned here for the dispatcher's life; the builders that load or start
    // a page are handed it with each call.
    PageOnAir& onAir() { return *onAir_; }
    void setFreeTextEditors(FreeTextEditors* editors) { editors_ = editors; }

private:
    // The standard load: false (after the message) when the page cannot be loaded.
    bool carica(const QString& pagina);
    void caricaEAvvia(const QString& pagina, const std::function<void()>& builder);
    void paginaLibera(qint16 codice, const QString& pagina, int righe);

    PageContext& ctx_;
    std::unique_ptr<PageOnAir> onAir_;
    FreeTextEditors* editors_ = nullptr;
};

}  // namespace razudar
