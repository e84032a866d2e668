#pragma once
#include <QString>

#include <array>

namespace razudar::gra {

struct ControlState;
class ObjectProperties;

// Information pages of other sports, by fixed object names: track card (pi), weather card
// (me), championship and speed rows (ca, ve), statistics groups and the manufacturer line
// (sc). Each returns false after a message when it could not do its work.
class InfoGroups {
public:
    InfoGroups(ControlState& state, ObjectProperties& properties) : s_(state), p_(properties) {}

    void piInizializzaPista(const QString& page);
    bool piSpostaPista(const QString& page, int direzione, qint32 velocita, bool visibile, bool ripristina);
    void meInizializzaMeteo(const QString& page);
    bool meSpostaMeteo(const QString& page, int direzione, qint32 velocita, bool visibile, bool ripristina);
    bool caSpostaRiga(int effetto, const QString& page, int direzione, qint32 velocita, int rigaInizio, int rigaFine,
                      bool visibile);
    bool veSpostaRiga(int effetto, const QString& page, int direzione, qint32 velocita, int rigaInizio, int rigaFine,
                      bool visibile);
    void scInizializzaStatistiche(const QString& page);
    bool scSpostaCostruttore(const QString& page, const QString& mez, qint32 velocita, bool visibile);
    bool scSpostaStatistiche(int statistiche, const QString& page, int direzione, qint32 velocita, bool visibile);

    // "01_" .. "15_": the line prefix of the round statistics.
    static QString linePrefix(int line);

private:
    // The track and weather cards: a move out, then in, then out ..., a repeated direction
    // ignored; moving in animates, a move without animation places the objects at once.
    template <std::size_t N>
    bool moveCard(const QString& function, const QString& page, const std::array<QString, N>& names, bool& shown,
                  int direzione, qint32 velocita, bool visibile, bool ripristina);

    ControlState& s_;
    ObjectProperties& p_;
};

}  // namespace razudar::gra
