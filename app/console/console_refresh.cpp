#include "app/console/console_refresh.h"

#include "app/program_state.h"
#include "model/bas_utilita.h"
#include "model/competitor_states.h"
#include "model/race_codes.h"

namespace razudar {

namespace {

// The page buttons the group switch enables or disables, in its order.
constexpr int kGroupButtons[] = {
    kCodiceClassificaGrande, kCodiceOrdinePartenza,     kCodiceClassificaBassa, kCodicePodio,
    kCodiceScheda,           kCodiceSchedaPrimo,        kCodiceSchedaSecondo,   kCodiceSchedaTerzo,
    kCodiceStartZero,        kCodiceSeguenteClassifica, kCodiceStart,           kCodiceIntermedio1,
    kCodiceIntermedio2,      kCodiceFinale,             kCodiceParallelo};

}  // namespace

ConsoleState initialConsoleState() {
    ConsoleState s;
    for (const PageButtonSpec& b : kPageButtons) {
        s.pageEnabled[b.code] = true;
        s.pageCaption[b.code] = QString::fromUtf16(b.caption);
    }
    return s;
}

int categoryGridRow(const ConsoleState& console, const QString& code) {
    for (int row = 0; row < console.categoryGrid.size(); ++row)
        if (console.categoryGrid[row].first == code) return row;
    return -1;
}

ConsoleRefresh::ConsoleRefresh(ProgramState& state, ConsoleHost& host,
                               std::function<QString(qint32)> codiceTipoTurno)
    : state_(state), host_(host), codiceTipoTurno_(std::move(codiceTipoTurno)), view_(initialConsoleState()) {}

void ConsoleRefresh::AggiornaClassificheInterfaccia() {
    state_.krono().ElaboraClassifiche();
    refreshTabs();
    refreshButtons();
    host_.consoleChanged();
}

void ConsoleRefresh::AggiornaSchedeClassifiche() {
    refreshTabs();
    host_.consoleChanged();
}

void ConsoleRefresh::AggiornaPulsantiConcorrenti() {
    refreshButtons();
    host_.consoleChanged();
}

void ConsoleRefresh::refreshTabs() {
    clsKrono& k = state_.krono();
    view_.caption = QStringLiteral("Razudar (Zez) ") + TestoVersioneProgramma() + QStringLiteral(" (") +
                    blankControlCharacters(k.cGara.DescrizioneGara() + QStringLiteral(" - ") +
                                           k.cGara.DescrizioneSessione()) +
                    QStringLiteral(")");
    host_.tabChanged(view_.currentTab);

    view_.tabEnabled[0] = !(k.TurnoCorrenteTipo() == kTipoTurnoSingolaManche || k.cGara.Manches() == 1);
    for (int i = 1; i <= 5; ++i) view_.tabEnabled[i] = i <= k.MancheCorrente();
    view_.tabEnabled[kTabCategoria] = k.CategoriaCount() >= 1;

    int tab;
    if (k.cGara.Disciplina() == kDisciplinaSingolaManche) {
        tab = k.MancheCorrente();
    } else {
        tab = (k.MancheCorrente() > 1 && k.TurnoCorrenteTipo() != kTipoTurnoSingolaManche) ? 0 : k.MancheCorrente();
    }
    // A run number the tabs cannot show keeps the tab on show.
    if (tab >= 0 && tab < kClassificationTabs && tab != view_.currentTab) {
        const int previous = view_.currentTab;
        view_.currentTab = tab;
        host_.tabChanged(previous);
    }

    refreshCategories();
    // A race state with another category list may lack the category chosen: its competitors
    // would all lose their buttons. All competitors are chosen instead, and the operator is told.
    if (categoryGridRow(view_, state_.CategoriaSelezionata) < 0) {
        view_.categoryNotice = QStringLiteral("La categoria %1 non è nella gara: selezionati tutti i concorrenti.")
                                   .arg(state_.CategoriaSelezionata);
        state_.CategoriaSelezionata = clsConcorrente::kAllCategories;
    }
}

void ConsoleRefresh::refreshCategories() {
    // Live messages refresh the console several times a second and leave the categories as they
    // are: the lists are compared in one pass and rebuilt only when they differ.
    const clsKrono& k = state_.krono();
    const qint16 count = k.CategoriaCount();
    const QString all = clsConcorrente::kAllCategories;
    bool same = view_.categoryGrid.size() == count + 1 && !view_.categoryGrid.isEmpty() &&
                view_.categoryGrid.front().first == all;
    for (qint16 i = 1; same && i <= count; ++i) {
        const auto c = k.CategoriaInOrdine(i);
        const auto& shown = view_.categoryGrid[i];
        same = c && shown.first == c->Categoria() && shown.second == blankControlCharacters(c->Descrizione());
    }
    if (same) return;
    view_.categoryLines.clear();
    view_.categoryGrid.clear();
    view_.categoryGrid.append({all, QStringLiteral("TUTTI I CONCORRENTI")});
    for (qint16 i = 1; i <= count; ++i) {
        const auto c = k.CategoriaInOrdine(i);
        if (!c) continue;
        // A description received with a line break would break its row in two: shown with blanks.
        const QString descrizione = blankControlCharacters(c->Descrizione());
        view_.categoryLines << descrizione + QStringLiteral(" (") + c->Categoria() + QStringLiteral(")");
        view_.categoryGrid.append({c->Categoria(), descrizione});
    }
    ++view_.categoriesVersion;
}

void ConsoleRefresh::refreshButtons() {
    clsKrono& k = state_.krono();
    for (CompetitorButtonView& b : view_.buttons) {
        b.highlighted = false;
        b.visible = false;
        b.sideVisible = false;
    }
    int next = 0;
    if (k.MancheParallelo()) {
        fillHeatButtons(next);
        view_.tempoCorrereVisible = false;
        view_.paralleloVisible = true;
        view_.distaccoParalleloEnabled = k.MancheSfidaCorrente() > 1;
        const bool qualifying = k.TurnoCorrente() == codiceTipoTurno_(kTipoTurnoQualificazione);
        view_.pageEnabled[kCodiceClassificaGrande] = qualifying;
        view_.pageEnabled[kCodiceClassificaBassa] = qualifying;
        view_.pageCaption[kCodiceOrdinePartenza] = QStringLiteral("Tabell&one");
        view_.pageEnabled[kCodiceSeguenteClassifica] = false;
        const bool finale = TipoTurnoFinale(k.TurnoCorrenteTipo()) &&
                            k.MancheSfidaCorrente() == k.cGara.TabelloneNumeroDiscese();
        for (int code : {kCodicePodio, kCodiceSchedaPrimo, kCodiceSchedaSecondo, kCodiceSchedaTerzo})
            view_.pageEnabled[code] = finale;
    } else {
        fillCompetitorButtons(next);
        view_.tempoCorrereVisible = true;
        view_.paralleloVisible = false;
        view_.pageEnabled[kCodiceClassificaGrande] = true;
        view_.pageEnabled[kCodiceClassificaBassa] = true;
        view_.pageCaption[kCodiceOrdinePartenza] = QStringLiteral("&Ordine Partenza");
        view_.pageEnabled[kCodiceSeguenteClassifica] = true;
    }
}

void ConsoleRefresh::fillHeatButtons(int& k) {
    clsKrono& krono = state_.krono();
    for (qint16 h : krono.ElencoSfide()) {
        if (k > kCompetitorButtons - 1) break;
        if (!krono.CategoriaPresenteNellaSfida(h, state_.CategoriaSelezionata) || krono.SfidaCompletata(h)) continue;
        QStringList bibs;
        QStringList names;
        for (qint16 n : krono.ElencoConcorrentiSfida(h)) {
            const auto c = krono.ConcorrenteItem(n);
            bibs << QString::number(c->Pettorale());
            names << blankControlCharacters(c->CognomeNomePuntato());
        }
        CompetitorButtonView& b = view_.buttons[size_t(k)];
        b.sideCaption = QString::number(h);
        b.caption = bibs.join(QLatin1Char('-'));
        b.tag.clear();
        b.fontSize = 10;
        b.toolTip = QLatin1Char(' ') + names.join(QStringLiteral("  vs  ")) + QLatin1Char(' ');
        b.visible = b.enabled = b.sideVisible = b.sideEnabled = true;
        ++k;
    }
}

void ConsoleRefresh::fillCompetitorButtons(int& k) {
    clsKrono& krono = state_.krono();
    const qint16 run = krono.MancheSfidaCorrente();
    const int total = krono.TotalePartentiAttesi();
    for (int i = 1; i <= total && k <= kCompetitorButtons - 1; ++i) {
        const qint16 number = krono.PartenteInPosizione(i);
        const clsConcorrente* c = krono.findConcorrente(number);
        if (!c) continue;
        const qint32 stato = runState(c, run);
        if ((stato != kStatoInPista && stato != kStatoAperto) || !c->CategoriaPresente(state_.CategoriaSelezionata)) {
            continue;
        }
        CompetitorButtonView& b = view_.buttons[size_t(k)];
        b.sideVisible = b.sideEnabled = true;
        b.sideCaption.clear();
        b.fontSize = 12;
        b.caption = b.tag = QString::number(c->Pettorale());
        b.toolTip = QLatin1Char(' ') + blankControlCharacters(c->CognomeNomePuntato()) + QLatin1Char(' ');
        b.visible = b.enabled = true;
        ++k;
    }
}

void ConsoleRefresh::AbilitaPulsantiPagina(bool flag) {
    for (int code : kGroupButtons) view_.pageEnabled[code] = flag;
    view_.distaccoParalleloEnabled = flag;
    view_.sponsorEnabled = flag;
    host_.consoleChanged();
}

}  // namespace razudar
