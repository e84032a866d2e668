#include "graphics/move_batch.h"

#include <limits>

#include "graphics/control_state.h"
#include "graphics/messages.h"

namespace razudar::gra {

std::optional<MoverPage> moverPage(const ControlState& s, const QString& function, const QString& pageName) {
    const int index = s.findPage(function, pageName);
    if (index < 0) return std::nullopt;
    if (s.pages.at(index).Piano == -1) return std::nullopt;
    renderer::Renderer* model = s.pageRenderer(function, index);
    if (!model) return std::nullopt;
    return MoverPage{index, model};
}

MoveBatch::MoveBatch(const ControlState& state, QString function, QString pageName, renderer::Renderer& model)
    : s_(state), function_(std::move(function)), pageName_(std::move(pageName)) {
    sink_ = state.environment.moveSink ? state.environment.moveSink(model) : std::make_unique<RendererMoveSink>(model);
}

MoveBatch::~MoveBatch() {
    // A batch abandoned before its close leaves nothing queued behind.
    if (!closed_ && queued_ && !failed_) sink_->DiscardMoves();
}

void MoveBatch::list(const QString& name) {
    list_ = list_.isEmpty() ? name : list_ + QLatin1Char(',') + name;
    last_ = name;
}

std::optional<renderer::ObjectLayout> MoveBatch::read(const QString& name) {
    if (failed_) return std::nullopt;
    renderer::ObjectLayout layout;
    if (sink_->GetObjectLayout(name, layout)) return layout;
    s_.report(messages::objectNotFound(function_, name, pageName_));
    return std::nullopt;
}

std::optional<renderer::ObjectLayout> MoveBatch::add(const QString& name) {
    auto layout = read(name);
    if (layout) list(name);
    return layout;
}

void MoveBatch::fail(const QString& message) {
    if (failed_) return;
    failed_ = true;
    s_.report(function_ + QStringLiteral(": ") + message);
    sink_->DiscardMoves();
}

bool MoveBatch::fits(qint64 value, const QString& what) {
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max()) return true;
    fail(QStringLiteral("Overflow (%1 = %2)").arg(what).arg(value));
    return false;
}

bool MoveBatch::key(const QString& name, const Key& k) {
    if (failed_) return false;
    if (!fits(k.time, QStringLiteral("tempo")) || !fits(k.x, QStringLiteral("X")) || !fits(k.y, QStringLiteral("Y")))
        return false;
    queued_ = true;
    if (!sink_->QueueMove(name, qint32(k.index), qint32(k.time), qint32(k.x), qint32(k.y), qint32(k.alpha),
                          qint32(k.c1), qint32(k.c2), qint32(k.c3), qint32(k.c4))) {
        fail(sink_->lastError());
        return false;
    }
    return true;
}

bool MoveBatch::close(qint64 lastKey, qint64 flag) {
    if (failed_) return false;
    closed_ = true;
    if (!sink_->RunMoves(last_, 1) || !sink_->SetMoveValue(list_, 0, qint32(lastKey), qint32(flag))) {
        failed_ = true;
        s_.report(messages::rendererFailed(function_, sink_->lastError()));
        sink_->DiscardMoves();
        return false;
    }
    return true;
}

}  // namespace razudar::gra
