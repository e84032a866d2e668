#pragma once
// The application's current race state. A new race state replaces the old one whole; whoever
// is still working with the old one keeps it alive through its own shared pointer.
#include "model/krono.h"

#include <memory>

namespace razudar {

struct RaceState {
    std::shared_ptr<clsKrono> Krono;
};

}  // namespace razudar
