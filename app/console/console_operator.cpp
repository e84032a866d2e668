// The console unit's operator steps: the chosen competitor or heat button, the category notice
// shown once, and the preview each classification tab and category line asks for.
#include "app/console/console_refresh.h"
#include "app/program_state.h"

namespace razudar {

void ConsoleRefresh::showEmptyButtons() {
    for (CompetitorButtonView& b : view_.buttons) {
        b = CompetitorButtonView{};
        b.visible = true;
        b.sideVisible = true;
    }
}

void ConsoleRefresh::clearHighlights() {
    for (CompetitorButtonView& b : view_.buttons) b.highlighted = false;
    host_.consoleChanged();
}

std::optional<QString> ConsoleRefresh::selectButton(int index) {
    if (index < 0 || index >= kCompetitorButtons) return std::nullopt;
    clearHighlights();
    state_.IndicePulsanteConcorrente = qint16(index);
    CompetitorButtonView& button = view_.buttons[size_t(index)];
    if (state_.race.Krono && state_.krono().MancheParallelo()) {
        // The heat chosen for the parallel page shows in yellow.
        button.highlighted = true;
        host_.consoleChanged();
        return std::nullopt;
    }
    return button.caption;
}

std::optional<int> ConsoleRefresh::chooseCategory(const QString& code) {
    if (!state_.race.Krono) return std::nullopt;
    state_.CategoriaSelezionata = code;
    const qint16 order = state_.krono().CategoriaOrdine(code);
    return order < 1 ? 0 : int(order);
}

QString ConsoleRefresh::takeCategoryNotice() { return std::exchange(view_.categoryNotice, QString()); }

std::optional<PreviewChoice> ConsoleRefresh::previewFor(int tab) const {
    const QString all = clsConcorrente::kAllCategories;
    // "Assoluta" and "Manche 1-5": every competitor, the category list idle.
    if (tab >= 0 && tab <= 5) return PreviewChoice{tab, all, QString(), false};
    if (tab == kTabCategoria && state_.race.Krono) {
        const clsKrono& k = state_.krono();
        const QString categoria = k.CategoriaPreview();
        return PreviewChoice{0, categoria, k.CategoriaItem(categoria)->Descrizione(), true};
    }
    return std::nullopt;
}

std::optional<PreviewChoice> ConsoleRefresh::chooseCategoryLine(int line) {
    if (!state_.race.Krono || line < 0) return std::nullopt;
    clsKrono& k = state_.krono();
    const auto category = k.CategoriaInOrdine(qint16(line + 1));
    if (!category) return std::nullopt;
    k.setCategoriaPreview(category->Categoria());
    return PreviewChoice{0, k.CategoriaPreview(), k.CategoriaItem(k.CategoriaPreview())->Descrizione(), std::nullopt};
}

}  // namespace razudar
