#pragma once
#include <QString>

#include <array>
#include <functional>
#include <memory>

#include "graphics/group_state.h"
#include "graphics/gra_types.h"
#include "graphics/move_sink.h"
#include "graphics/page_table.h"
#include "platform/renderer/frame_surface.h"
#include "platform/renderer/renderer.h"
#include "platform/renderer/video_board.h"

namespace razudar {
class Clock;
class SettingsStore;
class Waiter;
}  // namespace razudar

namespace razudar::gra {

// The outside world of the control: the reference time of the renderer's clocks, the blocking
// waits of page removal and effects, and the settings store that names the output screen.
// `renderThread` false makes frames only on demand (tests that step a fake clock).
struct GraEnvironment {
    const Clock* clock = nullptr;
    Waiter* waiter = nullptr;
    const SettingsStore* settings = nullptr;
    bool renderThread = true;
    // How the movers reach a page's renderer (null: directly).
    MoveSinkFactory moveSink;
};

// The control's own picture windows, one per plane, inside the tab control.
class PreviewPanes {
public:
    virtual ~PreviewPanes() = default;
    virtual int selectedTab() const = 0;
    virtual renderer::FrameSurfacePtr paneSurface(int plane) const = 0;
    virtual void clearPane(int plane) = 0;
};

using MessageSink = std::function<void(const QString&)>;

// Everything the control keeps between calls: the page table, the two planes, the public
// variables, the renderer objects and the bound picture surfaces.
struct ControlState {
    PageTable pages;
    std::array<Piano, kPlaneCount> planes{};
    bool initialised = false;
    bool booVGA = false;
    bool booSchedaVideoAssente = false;
    int tcPosizioni = 0;
    // What the movers and the sport groups keep between calls.
    GroupState groups;

    std::unique_ptr<renderer::VideoBoard> Fb;
    std::unique_ptr<renderer::Renderer> Model0;
    std::unique_ptr<renderer::Renderer> Model1;
    // The "device contexts" of the planes: the preview panes' surfaces, recorded when the
    // output is bound to the panes (null until then).
    std::array<renderer::FrameSurfacePtr, kPlaneCount> deviceContexts{};

    GraEnvironment environment;
    PreviewPanes* panes = nullptr;
    MessageSink sink;

    void report(const QString& text) const {
        if (sink) sink(text);
    }
    bool previewMode() const { return booVGA || booSchedaVideoAssente; }
    static bool isPlane(int plane) { return plane >= 0 && plane < kPlaneCount; }
    renderer::Renderer* model(int plane) const {
        return plane == 0 ? Model0.get() : plane == 1 ? Model1.get() : nullptr;
    }
    renderer::FrameSurface* deviceContext(int plane) const {
        return isPlane(plane) ? deviceContexts[std::size_t(plane)].get() : nullptr;
    }
    Piano& plane(int p) { return planes[std::size_t(p)]; }

    // Reports `function`'s call on a control that is not initialised (before Inizializza or
    // after Chiude); true when the renderer objects are there.
    bool requireInitialised(const QString& function) const;
    // CercaPagina: index of the listed page, or -1 after the "non trovata su elenco pagine"
    // message.
    int findPage(const QString& function, const QString& pageName) const;
    // ModelloPagina: the renderer of the plane the page is loaded on, or null after a message.
    renderer::Renderer* pageRenderer(const QString& function, int pageIndex) const;
    // Reports a failed renderer or board operation with the renderer's own reason; false.
    bool failed(const QString& function, const QString& rendererError) const;
};

}  // namespace razudar::gra
