#pragma once
// An event without arguments: handlers connect to it and are called, in connection order, each
// time the owner raises it.
#include <functional>
#include <utility>
#include <vector>

namespace razudar {

class SimpleEvent {
public:
    using Handler = std::function<void()>;

    // Returns an id for disconnect().
    int connect(Handler handler)
    {
        handlers_.emplace_back(nextId_, std::move(handler));
        return nextId_++;
    }
    void disconnect(int id)
    {
        std::erase_if(handlers_, [id](const auto& entry) { return entry.first == id; });
    }
    // Calls every handler connected when raising starts; a handler may connect or disconnect.
    void raise() const
    {
        const auto handlers = handlers_;
        for (const auto& entry : handlers)
            entry.second();
    }

private:
    std::vector<std::pair<int, Handler>> handlers_;
    int nextId_ = 1;
};

}  // namespace razudar
