#include "graphics/clock_bars.h"

#include <QRegularExpression>

#include "graphics/control_state.h"
#include "graphics/messages.h"
#include "graphics/object_properties.h"
#include "graphics/property_values.h"

namespace razudar::gra {

using renderer::Renderer;

namespace {
bool isNull(const QVariant& v) { return !v.isValid() || v.isNull(); }
constexpr int kSplitColour = 3;
}  // namespace

std::optional<qint32> clockMilliseconds(const QVariant& value, bool* ok) {
    *ok = true;
    if (isNull(value)) return std::nullopt;
    if (value.typeId() == QMetaType::QString) {
        static const QRegularExpression signedMs(QStringLiteral("^\\s*([+-])\\s*(\\d{1,18})\\s*$"));
        const auto m = signedMs.match(value.toString());
        if (m.hasMatch()) {
            const qint64 ms = m.captured(2).toLongLong() * (m.captured(1) == QLatin1String("-") ? -1 : 1);
            if (ms >= std::numeric_limits<qint32>::min() && ms <= std::numeric_limits<qint32>::max()) return qint32(ms);
            *ok = false;
            return std::nullopt;
        }
    }
    const std::optional<qint32> v = longValue(value);
    if (!v) *ok = false;
    return v;
}

const std::array<QString, 6>& ClockBars::colourNames() {
    static const std::array<QString, 6> names = {QStringLiteral("Corr"), QStringLiteral("Best"), QStringLiteral("Slow"),
                                                 QStringLiteral("Pole"), QStringLiteral("Pers"), QStringLiteral("SloS")};
    return names;
}

bool ClockBars::TempoACorrere(const QString& page, const QString& object, int proprieta, const QVariant& valore) {
    const QString f = QStringLiteral("TempoACorrere");
    if (proprieta < 0 || proprieta > 2) return true;  // other codes do nothing
    // The clock runs on the renderer of the page's own plane.
    const int index = s_.findPage(f, page);
    if (index < 0) return false;
    Renderer* m = s_.pageRenderer(f, index);
    if (!m) return false;
    bool ok = true;
    std::optional<qint32> ms = clockMilliseconds(valore, &ok);
    if (!ok) {
        s_.report(messages::badValue(f, textValue(valore)));
        return false;
    }
    bool done = false;
    switch (proprieta) {
    case 0:
        if (!ms) {
            // Counting on from the value of the last start.
            const QVariant start = p_.get(QStringLiteral("ProprietaTesto"), page, ogTipoTesto, object, ogProprietaTimeStart);
            if (!start.isValid()) return false;
            ms = qint32(start.toLongLong());
            done = m->StartClock(object, *ms);
        } else {
            done = m->StopClock(object, 0, 0) && m->StartClock(object, *ms);
        }
        break;
    case 1: done = ms ? m->StopClock(object, *ms, 1) : m->StopClock(object, 0, 0); break;
    default: done = ms ? m->PauseClock(object, *ms, 2) : m->PauseClock(object, 0, 0); break;
    }
    return done || s_.failed(f, m->lastError());
}

bool ClockBars::Animazione(const QString& page, const QString& object, int metodo, const QVariant&) {
    const QString f = QStringLiteral("Animazione");
    if (metodo != 0) return true;  // only the start does something
    const int index = s_.findPage(f, page);
    if (index < 0) return false;
    Renderer* m = s_.pageRenderer(f, index);
    if (!m) return false;
    // The record is read to check the object is an animation (or a clip, played alike).
    renderer::ObjectLayout layout;
    bool readable = m->GetObjectLayout(object, layout);
    if (readable) {
        if (layout.type == renderer::ObjectType::Clip) {
            renderer::ClipRecord clip;
            readable = m->GetClipRecord(object, clip);
        } else {
            renderer::AnimationRecord animation;
            readable = m->GetAnimationRecord(object, animation);
        }
    }
    if (!readable || !m->ResetAnimation(object, 0) || !m->PlayAnimation(object, 0)) return s_.failed(f, m->lastError());
    return true;
}

bool ClockBars::SetRettangolo2(const QVariant& rr, bool visibile) {
    const QString f = QStringLiteral("SetRettangolo2");
    if (!s_.requireInitialised(f)) return false;
    Renderer* m = s_.Model0.get();
    const QString name = textValue(rr);
    renderer::ImageRecord record;
    if (!m->GetImageRecord(name, record)) return s_.failed(f, m->lastError());
    if (record.visible == visibile) return true;
    record.visible = visibile;
    return m->SetImageRecord(name, record) || s_.failed(f, m->lastError());
}

bool ClockBars::SetRettangolo(const QVariant& r, const QVariant& x1, const QVariant& y1, const QVariant& w,
                              const QVariant& h, const QVariant& colore, bool visibile) {
    const QString f = QStringLiteral("SetRettangolo");
    if (!s_.requireInitialised(f)) return false;
    const QString bar = textValue(r);
    const auto colour = longValue(colore);
    const auto left = longValue(x1);
    const auto top = longValue(y1);
    const auto width = longValue(w);
    const auto height = longValue(h);
    if (!colour || *colour < 0 || *colour > 5) {
        s_.report(f + QStringLiteral(": Colore='") + textValue(colore) + QStringLiteral("' fuori dalla tabella (0..5)"));
        return false;
    }
    if (bar.isEmpty() || (bar.endsWith(u's') && bar.size() < 2) || !left || !top || !width || !height) {
        s_.report(messages::badValue(f, bar));
        return false;
    }
    Q_UNUSED(top);
    Q_UNUSED(height);
    // The bar's digit: the last character, or the second one of a split bar ("l2s").
    const QChar digit = bar.endsWith(u's') ? bar.at(1) : bar.back();
    const QString shown = QStringLiteral("Colore") + colourNames()[std::size_t(*colour)] + digit;
    if (!SetRettangolo2(shown, *left != 0)) return false;
    for (int i = 0; i < 6; ++i) {
        if (i == *colour) continue;
        if (!SetRettangolo2(QStringLiteral("Colore") + colourNames()[std::size_t(i)] + bar.back(), false)) return false;
    }
    Renderer* m = s_.Model0.get();
    if (*left != 0 && visibile) {
        renderer::ObjectLayout l;
        if (!m->GetObjectLayout(shown, l)) return s_.failed(f, m->lastError());
        // The bar keeps its size; its right edge goes to x1 + w.
        const qint64 x = qint64(*left) + *width - l.w;
        if (x < std::numeric_limits<qint32>::min() || x > std::numeric_limits<qint32>::max()) {
            s_.report(f + QStringLiteral(": Overflow (X = %1)").arg(x));
            return false;
        }
        if (!m->SetObjectRect(shown, qint32(x), l.y, l.w, l.h)) return s_.failed(f, m->lastError());
    }
    return m->Refresh(shown) || s_.failed(f, m->lastError());
}

bool ClockBars::Riga(const RowValues& v) {
    const QString f = QStringLiteral("Riga");
    for (qint64 value : v) {
        if (value < -32768 || value > 32767) {
            s_.report(f + QStringLiteral(": Overflow (valore %1)").arg(value));
            return false;
        }
    }
    const qint64 x = v[0], y = v[1], h = v[2], lb = v[15];
    const qint64 l[3] = {v[3], v[4], v[5]};
    const qint64 c[3] = {v[9], v[10], v[11]};
    const qint64 p[3] = {v[12], v[13], v[14]};
    const qint64 top = y + lb;
    const qint64 inner = h - 2 * lb;
    // Positions are Integer sums: check each before any bar is drawn.
    qint64 segmentX[3], splitX[3];
    segmentX[0] = splitX[0] = x + lb;
    for (int k = 1; k < 3; ++k) {
        segmentX[k] = segmentX[k - 1] + l[k - 1] + lb;
        splitX[k] = splitX[k - 1] + p[k - 1] + lb;
    }
    for (qint64 value : {top, inner, segmentX[1], segmentX[2], splitX[1], splitX[2]}) {
        if (value < -32768 || value > 32767) {
            s_.report(f + QStringLiteral(": Overflow (posizione %1)").arg(value));
            return false;
        }
    }
    const QVariant zero(0);
    for (int k = 0; k < 3; ++k) {
        const QString segment = QStringLiteral("l%1").arg(k + 1);
        const QString split = segment + QLatin1Char('s');
        const bool segmentShown = l[k] >= 1 && c[k] != kSplitColour;
        const bool splitShown = p[k] > 0 || c[k] == kSplitColour;
        const bool done =
            (segmentShown ? SetRettangolo(segment, segmentX[k], top, l[k], inner, c[k], true)
                          : SetRettangolo(segment, zero, zero, zero, zero, zero, false)) &&
            (splitShown ? SetRettangolo(split, splitX[k], top, p[k], inner, kSplitColour, true)
                        : SetRettangolo(split, zero, zero, zero, zero, zero, false));
        if (!done) return false;
    }
    return true;
}

bool ClockBars::Riga(const QVariantList& values) {
    RowValues v{};
    if (values.size() != int(v.size())) {
        s_.report(QStringLiteral("Riga: servono 17 valori, ricevuti %1").arg(values.size()));
        return false;
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        const auto n = longValue(values[int(i)]);
        if (!n) {
            s_.report(messages::badValue(QStringLiteral("Riga"), textValue(values[int(i)])));
            return false;
        }
        v[i] = *n;
    }
    return Riga(v);
}

}  // namespace razudar::gra
