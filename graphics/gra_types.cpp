#include "graphics/gra_types.h"

#include <array>

#include "model/basic.h"

namespace razudar::gra {

namespace {
constexpr std::array<const char*, 4> kStateNames = {"Vuoto", "Caricato", "Visualizzato", "SuMonitor"};
constexpr std::array<const char*, 9> kTypeNames = {
    "0 - Sconosciuto", "1 - Testo",    "2 - Animazione", "3 - Immagine",   "4 - Crawl",
    "5 - Roll",        "6 - Orologio", "7 - DVEavi",     "8 - MatroxDVE",
};
}  // namespace

QString stateDescription(int state) {
    if (state < 0 || state >= int(kStateNames.size())) return {};
    return QString::fromLatin1(kStateNames[std::size_t(state)]);
}

bool isValidType(int type) { return type >= 0 && type < int(kTypeNames.size()); }

QString typeDescription(int type) {
    if (!isValidType(type)) return {};
    return QString::fromLatin1(kTypeNames[std::size_t(type)]);
}

bool isTextType(int type) { return type == ogTipoTesto || type == ogTipoCrawl || type == ogTipoRoll; }

bool sameName(const QString& a, const QString& b) {
    return basic::LCase(basic::Trim(a)) == basic::LCase(basic::Trim(b));
}

}  // namespace razudar::gra
