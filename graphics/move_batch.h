#pragma once
#include <QString>

#include <memory>
#include <optional>

#include "graphics/move_sink.h"

namespace razudar::gra {

struct ControlState;

// The page a mover works on: its table index and the renderer of its plane.
struct MoverPage {
    int index = -1;
    renderer::Renderer* model = nullptr;
};

// One batch of key positions, as every mover builds it: objects are read and listed one by
// one, their keys queued, and the batch closed with RunMoves and SetMoveValue. Values are
// computed in 64 bits; one that leaves the 32-bit range fails the batch with a message.
// A missing object is reported once and left out, and the batch goes on; any other failure
// drops what was queued, so a batch is never left half-queued.
class MoveBatch {
public:
    MoveBatch(const ControlState& state, QString function, QString pageName, renderer::Renderer& model);
    ~MoveBatch();

    // Reads the object's layout and appends it to the list; empty after a message when the page
    // has no such object (the object is then not listed).
    std::optional<renderer::ObjectLayout> add(const QString& name);
    // Appends the name alone, and reads a layout alone (the classification bar lists first).
    void list(const QString& name);
    std::optional<renderer::ObjectLayout> read(const QString& name);

    struct Key {
        qint64 index = 0;
        qint64 time = 0;
        qint64 x = 0;
        qint64 y = 0;
        qint64 alpha = 255;
        qint64 c1 = 0, c2 = 0, c3 = 0, c4 = 0;
    };
    // Queues one key of `name`; false once the batch has failed.
    bool key(const QString& name, const Key& k);
    // RunMoves(last name, 1) and SetMoveValue(list, 0, lastKey, flag); false (and nothing
    // started) when the batch failed.
    bool close(qint64 lastKey, qint64 flag);

    bool ok() const { return !failed_; }
    // Fails the batch with a message (for example an overflow found by the mover itself).
    void fail(const QString& message);
    const QString& names() const { return list_; }

private:
    bool fits(qint64 value, const QString& what);

    const ControlState& s_;
    QString function_;
    QString pageName_;
    std::unique_ptr<MoveSink> sink_;
    QString list_;
    QString last_;
    bool failed_ = false;
    bool closed_ = false;
    bool queued_ = false;
};

// Mover lookup of a page: not listed stops after the lookup's message, listed but on no plane
// stops without one, a plane without its renderer stops after the plane message.
std::optional<MoverPage> moverPage(const ControlState& state, const QString& function, const QString& pageName);

}  // namespace razudar::gra
