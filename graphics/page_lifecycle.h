#pragma once
#include <QString>

#include <optional>

namespace razudar::renderer {
class Renderer;
}

namespace razudar::gra {

struct ControlState;
class OutputControl;

// The page table and the two planes: listing page files, loading pages on planes, showing,
// starting, stopping and removing them, and the read-only plane and table members.
class PageLifecycle {
public:
    PageLifecycle(ControlState& state, OutputControl& output) : s_(state), output_(output) {}

    bool CaricaFileDefinizioni(const QString& folder);
    bool CaricaPagina(const QString& pageName, int plane);
    bool SalvaPagina(const QString& pageName, const QString& postfix, int plane);
    bool VisualizzaPagina(const QString& pageName);
    bool RinfrescaPagina(const QString& pageName);
    bool StartPagina(const QString& pageName);
    bool StopPagina(const QString& pageName);
    bool TogliePagina(const QString& pageName);
    void CancellaArea(int plane);
    int PianoPagina(const QString& pageName) const;
    bool SchedaVideoAssente(const QString& function) const;

    QString NomePagina(int index) const;
    int IndicePaginaPiano(int plane) const;
    int StatoPiano(int plane) const;
    bool StartPiano(int plane) const;
    QString DescrizioneStatoPiano(int plane) const;
    QString DescrizioneTipoOggetto(int type) const;

private:
    // A page loaded on a plane, found for the members that act on it.
    struct LoadedPage {
        int index = -1;
        int plane = -1;
        renderer::Renderer* model = nullptr;
    };
    // Lookup of a page and its plane's renderer; empty after the lookup's message.
    std::optional<LoadedPage> loadedPage(const QString& function, const QString& pageName) const;
    bool checkPlane(const QString& function, int plane) const;
    // The plane forgets its page and the page its plane.
    void emptyPlane(int plane);
    // Stops the plane's renderer, waits for the frame in progress and removes the page.
    bool stopAndClear(const QString& function, int plane);
    // Stops and clears the plane's renderer, forgets its page and empties its picture (the
    // preview pane, or the board's layer).
    bool clearPlane(const QString& function, int plane);

    ControlState& s_;
    OutputControl& output_;
};

}  // namespace razudar::gra
