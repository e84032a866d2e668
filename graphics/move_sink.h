#pragma once
#include <QString>

#include <functional>
#include <memory>

#include "platform/renderer/renderer.h"

namespace razudar::gra {

// What the movers need of a renderer: the layout of an object and the batch operations. The
// control talks to the page's renderer through this, so a test can put a recorder in between.
class MoveSink {
public:
    virtual ~MoveSink() = default;
    virtual bool GetObjectLayout(const QString& name, renderer::ObjectLayout& layout) = 0;
    virtual bool QueueMove(const QString& name, qint32 keyIndex, qint32 time, qint32 x, qint32 y, qint32 alpha,
                           qint32 c1, qint32 c2, qint32 c3, qint32 c4) = 0;
    virtual bool RunMoves(const QString& lastName, qint32 mode) = 0;
    virtual bool SetMoveValue(const QString& names, qint32 firstKey, qint32 lastKey, qint32 flag) = 0;
    virtual bool DiscardMoves() = 0;
    virtual QString lastError() const = 0;
};

// Gives the sink of a renderer; the control's default passes every call straight through.
using MoveSinkFactory = std::function<std::unique_ptr<MoveSink>(renderer::Renderer&)>;

class RendererMoveSink : public MoveSink {
public:
    explicit RendererMoveSink(renderer::Renderer& model) : m_(model) {}
    bool GetObjectLayout(const QString& name, renderer::ObjectLayout& layout) override {
        return m_.GetObjectLayout(name, layout);
    }
    bool QueueMove(const QString& name, qint32 keyIndex, qint32 time, qint32 x, qint32 y, qint32 alpha, qint32 c1,
                   qint32 c2, qint32 c3, qint32 c4) override {
        return m_.QueueMove(name, keyIndex, time, x, y, alpha, c1, c2, c3, c4);
    }
    bool RunMoves(const QString& lastName, qint32 mode) override { return m_.RunMoves(lastName, mode); }
    bool SetMoveValue(const QString& names, qint32 firstKey, qint32 lastKey, qint32 flag) override {
        return m_.SetMoveValue(names, firstKey, lastKey, flag);
    }
    bool DiscardMoves() override { return m_.DiscardMoves(); }
    QString lastError() const override { return m_.lastError(); }

private:
    renderer::Renderer& m_;
};

}  // namespace razudar::gra
