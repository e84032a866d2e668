#pragma once
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <array>
#include <optional>

namespace razudar::gra {

struct ControlState;
class ObjectProperties;

// Running clocks of text objects, animation start, and the row of coloured bars. Each returns
// false after a message when it could not do its work.
class ClockBars {
public:
    ClockBars(ControlState& state, ObjectProperties& properties) : s_(state), p_(properties) {}

    // Valore: a number of milliseconds, a text "+n" or "-n" (a signed gap in ms), or Null.
    bool TempoACorrere(const QString& page, const QString& object, int proprieta, const QVariant& valore);
    bool Animazione(const QString& page, const QString& object, int metodo, const QVariant& valore);

    // The 17 Integer values of a bar row: x, y, h, l1, l2, l3, qx, ql, qp, c1, c2, c3, p1, p2,
    // p3, lb, L.
    using RowValues = std::array<qint64, 17>;
    bool Riga(const RowValues& v);
    bool Riga(const QVariantList& values);
    bool SetRettangolo(const QVariant& r, const QVariant& x1, const QVariant& y1, const QVariant& w,
                       const QVariant& h, const QVariant& colore, bool visibile);
    bool SetRettangolo2(const QVariant& rr, bool visibile);

    static const std::array<QString, 6>& colourNames();

private:
    ControlState& s_;
    ObjectProperties& p_;
};

// A clock value of the host: Null gives nothing, "+n"/"-n" and numbers give milliseconds;
// `ok` false for a text that is not a time or a number outside the 32-bit range.
std::optional<qint32> clockMilliseconds(const QVariant& value, bool* ok);

}  // namespace razudar::gra
