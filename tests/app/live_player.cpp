#include "live_player.h"

#include <algorithm>
#include <cmath>

#include "model/krono.h"
#include "timekeeping_simulator.h"

namespace razudar::sim {

LivePlayer::LivePlayer(TimekeepingSimulator& simulator, QList<LiveMessage> messages, QObject* parent)
    : QObject(parent), simulator_(simulator), messages_(std::move(messages)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        sendNext();
        scheduleNext();
    });
}

bool LivePlayer::sendNext() {
    if (finished()) return false;
    const LiveMessage& m = messages_[next_];
    apply(m);
    simulator_.sendFields(m.command, m.fields);
    ++next_;
    emit messageSent(int(next_ - 1));
    if (finished()) emit ended();
    return true;
}

int LivePlayer::sendUntil(qint64 atMs) {
    int sent = 0;
    while (!finished() && messages_[next_].atMs <= atMs && sendNext()) ++sent;
    return sent;
}

void LivePlayer::play(double speed) {
    speed_ = speed > 0 ? speed : 1.0;
    scheduleNext();
}

void LivePlayer::scheduleNext() {
    if (finished()) return;
    const qint64 from = next_ > 0 ? messages_[next_ - 1].atMs : 0;
    const qint64 wait = std::max<qint64>(0, messages_[next_].atMs - from);
    timer_.start(int(std::llround(double(wait) / speed_)));
}

void LivePlayer::apply(const LiveMessage& message) {
    const std::shared_ptr<clsKrono> race = simulator_.race();
    if (!race || message.fields.isEmpty()) return;
    const qint16 n = qint16(message.fields[0].toInt());
    if (!race->ConcorrenteExists(n)) return;
    const auto r = race->ConcorrenteItem(n)->Risultati(race->MancheSfidaCorrente());
    const auto field = [&](int i) { return i < message.fields.size() ? message.fields[i].toInt() : 0; };
    if (message.command == QLatin1String("TCORREREORARIOSTART")) {
        r->setStatoConcorrente(20);
        r->setOrarioPartenza(field(1));
    } else if (message.command == QLatin1String("TCORREREORARIOINTERMEDIO")) {
        const int i = field(1);
        while (r->OrarioIntermedioCount() < i - 1) r->OrarioIntermedioAdd(0);
        r->setOrarioIntermedioItem(qint16(i), field(2));
    } else if (message.command == QLatin1String("TCORREREORARIOSTOP")) {
        r->setOrarioArrivo(field(1));
    } else if (message.command == QLatin1String("TCORRERETEMPO")) {
        r->setStatoConcorrente(0);
        r->setTempo(field(1));
    } else if (message.command == QLatin1String("STATOCONCORRENTE")) {
        r->setStatoConcorrente(field(1));
    }
}

}  // namespace razudar::sim
