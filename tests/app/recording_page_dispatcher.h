#pragma once
// A page dispatcher for tests: records the page codes asked for, in order, and puts nothing on
// air.
#include <QtGlobal>

#include <vector>

#include "app/pages/page_dispatcher.h"

namespace razudar {

class RecordingPageDispatcher : public PageDispatcher {
public:
    void MandaInOnda(qint16 codice) override { codes_.push_back(codice); }
    const std::vector<qint16>& codes() const { return codes_; }
    void clear() { codes_.clear(); }

private:
    std::vector<qint16> codes_;
};

}  // namespace razudar
