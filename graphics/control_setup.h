#pragma once
#include <functional>

class QObject;
class QString;

namespace razudar::gra {

struct ControlState;

using NotifySink = std::function<void(const QString& objectName, int event)>;

// Inizializza: creates the board and the two renderers, attaches them, starts the output with
// layer 1 off and empties both planes. The output target is bound later (VGA). Plane 0's
// notifications reach `notify` on `context`'s thread. False after a message when the board or
// a renderer cannot be created; nothing is kept then.
bool initialiseControl(ControlState& state, QObject* context, const NotifySink& notify);
// Chiude: releases the renderers and the board. Safe to call more than once.
void closeControl(ControlState& state);

}  // namespace razudar::gra
