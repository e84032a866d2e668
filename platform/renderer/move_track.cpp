#include "platform/renderer/move_track.h"

#include <algorithm>
#include <cmath>

namespace razudar::renderer {

namespace {
qint32 between(qint32 a, qint32 b, double f) {
    return qint32(std::llround(double(a) + (double(b) - double(a)) * f));
}

MovePoint between(const MovePoint& a, const MovePoint& b, double f) {
    MovePoint p;
    p.x = between(a.x, b.x, f);
    p.y = between(a.y, b.y, f);
    p.alpha = between(a.alpha, b.alpha, f);
    for (std::size_t i = 0; i < p.wipe.size(); ++i) p.wipe[i] = between(a.wipe[i], b.wipe[i], f);
    return p;
}
}  // namespace

MoveTrack::MoveTrack(const MovePoint& from, std::vector<MoveKey> keys, qint64 startMs)
    : from_(from), keys_(std::move(keys)), startMs_(startMs) {
    qint32 previous = 0;
    for (MoveKey& k : keys_) {
        k.timeFrames = std::max(previous, k.timeFrames);
        previous = k.timeFrames;
    }
}

const MovePoint& MoveTrack::end() const { return keys_.empty() ? from_ : keys_.back().point; }

MovePoint MoveTrack::at(qint64 nowMs, bool* finished) const {
    const double frames = double(std::max<qint64>(0, nowMs - startMs_)) / kMoveFrameMs;
    *finished = keys_.empty() || frames >= keys_.back().timeFrames;
    if (*finished) return end();
    MovePoint before = from_;
    double beforeTime = 0;
    for (const MoveKey& k : keys_) {
        if (frames < k.timeFrames) {
            const double span = k.timeFrames - beforeTime;
            return span <= 0 ? k.point : between(before, k.point, (frames - beforeTime) / span);
        }
        before = k.point;
        beforeTime = k.timeFrames;
    }
    return end();
}

}  // namespace razudar::renderer
