#include <QtGlobal>

#include <algorithm>
#include <limits>

#include "platform/renderer/clock_format.h"
#include "platform/renderer/renderer_impl.h"

// Running clocks of text objects.

namespace razudar::renderer {

namespace {
const QString kClock = QStringLiteral("un orologio");
const std::initializer_list<ObjectType> kClockTypes = {ObjectType::Text};
}  // namespace

bool Renderer::StartClock(const QString& name, qint32 startMs) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) {
        o.clock.start(startMs, d_->clock.monotonicMs());
        d_->changed();
    });
}

bool Renderer::StopClock(const QString& name, qint32 ms, int mode) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) {
        if (!o.clock.stop(ms, mode, d_->clock.monotonicMs())) {
            return d_->fail(QStringLiteral("Modo %1 non valido per fermare l'orologio (0 o 1)").arg(mode));
        }
        d_->changed();
        return true;
    });
}

bool Renderer::PauseClock(const QString& name, qint32 ms, int mode) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) {
        if (!o.clock.pause(ms, mode, d_->clock.monotonicMs())) {
            return d_->fail(QStringLiteral("Modo %1 non valido per la pausa dell'orologio (0 o 2)").arg(mode));
        }
        d_->changed();
        return true;
    });
}

bool Renderer::GetTimeStart(const QString& name, qint32& ms) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) { ms = o.clock.timeStart(); });
}

bool Renderer::SetTimeStart(const QString& name, qint32 ms) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) { o.clock.setTimeStart(ms); });
}

bool Renderer::GetTimeValue(const QString& name, qint32& ms) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) {
        const qint64 v = o.clock.value(d_->clock.monotonicMs());
        ms = qint32(std::clamp<qint64>(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
    });
}

bool Renderer::SetTimeValue(const QString& name, qint32 ms) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) {
        o.clock.setValue(ms, d_->clock.monotonicMs());
        d_->changed();
    });
}

bool Renderer::GetTimeSgn(const QString& name, qint32& sign) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) { sign = o.timeSgn; });
}

bool Renderer::SetTimeSgn(const QString& name, qint32 sign) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) {
        o.timeSgn = sign;
        o.def.showSign = sign != 0;
        d_->changed();
    });
}

bool Renderer::GetRunFormat(const QString& name, QString& format) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) { format = o.def.runFormat; });
}

bool Renderer::GetStopFormat(const QString& name, QString& format) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) { format = o.def.stopFormat; });
}

bool Renderer::SetClockFormats(const QString& name, const QString& runFormat, const QString& stopFormat) {
    return d_->onObject(name, kClockTypes, kClock, [&](SceneObject& o) {
        for (const QString& f : {runFormat, stopFormat}) {
            if (!f.trimmed().isEmpty() && !parseClockFormat(f)) {
                return d_->fail(QStringLiteral("Formato di orologio non valido: '%1'").arg(f));
            }
        }
        o.def.runFormat = runFormat;
        o.def.stopFormat = stopFormat;
        d_->changed();
        return true;
    });
}

}  // namespace razudar::renderer
