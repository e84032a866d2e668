#pragma once
#include <QtGlobal>

#include <array>
#include <vector>

namespace razudar::renderer {

// Move times are counted in frames of the output (25 a second, 40 ms each).
constexpr int kMoveFrameMs = 40;
// Key indexes a batch may use: 0 .. kMoveKeyCount - 1.
constexpr int kMoveKeyCount = 16;

// The four wipe edges: how many pixels of the object are hidden from its left, top, right and
// bottom side (0 = nothing hidden).
using WipeEdges = std::array<qint32, 4>;

// Where an object is at one point of a move.
struct MovePoint {
    qint32 x = 0;
    qint32 y = 0;
    qint32 alpha = 255;
    WipeEdges wipe{};
};

// One key position of a move: where the object is `timeFrames` frames after the move starts.
struct MoveKey {
    qint32 timeFrames = 0;
    MovePoint point;
};

// The move of one object: from where it was when the move started, through its keys in key
// order, with straight-line steps between them. Keys whose time is earlier than the key before
// are taken at that key's time.
class MoveTrack {
public:
    MoveTrack(const MovePoint& from, std::vector<MoveKey> keys, qint64 startMs);

    // Where the object is at `nowMs` (the clock of the frames), and whether the move is over.
    MovePoint at(qint64 nowMs, bool* finished) const;
    const MovePoint& end() const;

private:
    MovePoint from_;
    std::vector<MoveKey> keys_;
    qint64 startMs_ = 0;
};

}  // namespace razudar::renderer
