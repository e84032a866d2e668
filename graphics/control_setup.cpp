#include "graphics/control_setup.h"

#include <QObject>

#include "graphics/control_state.h"
#include "graphics/messages.h"
#include "platform/services/waiter.h"

namespace razudar::gra {

using renderer::BoardLink;
using renderer::Renderer;
using renderer::VideoBoard;

namespace {
bool abandon(ControlState& s, const QString& error) {
    s.report(messages::rendererFailed(QStringLiteral("Inizializza"), error));
    closeControl(s);
    return false;
}
}  // namespace

bool initialiseControl(ControlState& s, QObject* context, const NotifySink& notify) {
    closeControl(s);
    const GraEnvironment& env = s.environment;
    if (!env.clock) return abandon(s, QStringLiteral("orologio assente"));

    s.Fb = std::make_unique<VideoBoard>(renderer::BoardEnvironment{env.clock, env.settings, env.renderThread});
    if (!s.Fb->OpenBoard()) return abandon(s, s.Fb->lastError());
    s.Model0 = std::make_unique<Renderer>(*env.clock);
    s.Model1 = std::make_unique<Renderer>(*env.clock);

    for (Renderer* m : {s.Model0.get(), s.Model1.get()}) {
        BoardLink link;
        if (!s.Fb->GetBoardLink(link)) return abandon(s, s.Fb->lastError());
        if (!m->AttachBoard(link)) return abandon(s, m->lastError());
    }
    s.initialised = false;
    if (!s.Fb->StartOutput()) return abandon(s, s.Fb->lastError());
    if (!s.Fb->SetLayer1Active(0)) return abandon(s, s.Fb->lastError());
    if (!s.Model1->SetPlaneMode(1)) return abandon(s, s.Model1->lastError());
    // Only plane 0's notifications are passed on to the host, always after the call in
    // progress has returned (queued), never from inside it.
    if (notify) {
        QObject::connect(s.Model0.get(), &Renderer::Notify, context,
                         [notify](const QString& name, int event) { notify(name, event); }, Qt::QueuedConnection);
    }
    if (env.waiter) env.waiter->processEvents();

    for (Piano& p : s.planes) p = Piano{};
    // Fresh renderers hold no page, so no listed page is on a plane any more.
    for (int i = 0; i < kPageSlots; ++i) s.pages.at(i).Piano = -1;
    s.initialised = true;
    return true;
}

void closeControl(ControlState& s) {
    s.initialised = false;
    s.Model0.reset();
    s.Model1.reset();
    s.Fb.reset();
}

}  // namespace razudar::gra
