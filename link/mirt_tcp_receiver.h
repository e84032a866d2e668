#pragma once
#include "link/mirt_tcp.h"
#include "link/windows1252.h"

namespace razudar::link {

// Hands the receive parser's results to the control.
class MirtTCP::Receiver : public ReceiveSink {
public:
    explicit Receiver(MirtTCP& control) : control_(control) {}
    void peerNameArrived(const ReceivedBytes& name) override {
        control_.showPeerName(decodeWindows1252(name.pieces()));
    }
    void textArrived(const ReceivedBytes& text) override { control_.deliverText(text); }
    void framingNotice(const QString& notice) override { control_.showFramingNotice(notice); }

private:
    MirtTCP& control_;
};

}  // namespace razudar::link
