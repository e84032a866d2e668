#pragma once
// How long the window could not answer: a zero-interval timer ticks at every pass of the event
// loop, and the gaps between its ticks are the times the loop was held.
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace razudar::bench {

class LoopHeartbeat {
public:
    LoopHeartbeat() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            gapsMs_.push_back(double(now - lastTickNs_) / 1e6);
            lastTickNs_ = now;
        });
    }
    void start() {
        gapsMs_.clear();
        lastTickNs_ = 0;
        clock_.start();
        timer_.start();
    }
    void stop() { timer_.stop(); }
    // Since start().
    double elapsedMs() const { return double(clock_.nsecsElapsed()) / 1e6; }
    double longestStallMs() const { return gapsMs_.empty() ? 0.0 : *std::max_element(gapsMs_.begin(), gapsMs_.end()); }
    // The gaps longer than `countedMs`, summed.
    double heldMs(double countedMs) const {
        double sum = 0;
        for (const double gap : gapsMs_)
            if (gap > countedMs) sum += gap;
        return sum;
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastTickNs_ = 0;
    std::vector<double> gapsMs_;
};

}  // namespace razudar::bench
