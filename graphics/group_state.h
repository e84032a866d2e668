#pragma once
#include <QString>

#include <array>

namespace razudar::gra {

// What the movers and the sport groups of the control keep between calls; everything is
// False, 0 or empty until the group's initialising member runs.
struct GroupState {
    // Two-line gap box
    bool diPrimaRiga = false;
    qint16 diInterlinea = 0;
    qint32 diColore1 = 0;
    qint32 diColore2 = 0;
    qint32 diAlpha1 = 0;
    qint32 diAlpha2 = 0;

    // Classification bar
    std::array<QString, 7> tcCampi{};
    bool tcClaVisibile = false;
    bool tcPoleVisibile = false;
    qint32 tcXTitoloVelo = 0;
    qint32 tcXVelo = 0;
    qint32 tcXTitoloVeloRidotta = 0;
    qint32 tcXVeloRidotta = 0;
    std::array<std::array<qint32, 7>, 2> tcYRiga{};
    qint32 tcInterlinea = 0;

    // Starting grid
    std::array<QString, 8> grCampi{};
    qint32 grDX = 0;
    qint32 grDY = 0;
    bool grInvertite = false;
    qint16 grFile = 0;

    // Track and weather cards
    std::array<QString, 6> piCampi{};
    bool piVisibile = false;
    std::array<QString, 5> meCampi{};
    bool meVisibile = false;

    // Statistics groups: item names and last item index per group
    std::array<std::array<QString, 100>, 6> scNomi{};
    std::array<qint16, 6> scUltimo{};
};

}  // namespace razudar::gra
