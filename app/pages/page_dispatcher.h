#pragma once
// The page dispatcher: a page code reaches MandaInOnda from a page button, a check box, a
// timekeeping message or the run-time delay. The page builders fill it in; until then the
// program uses the recorder below, which only notes each request.
#include <QtGlobal>

#include <vector>

namespace razudar {

class PageDispatcher {
public:
    virtual ~PageDispatcher() = default;
    virtual void MandaInOnda(qint16 codice) = 0;
};

// Records the page codes asked for, in order, and puts nothing on air.
class RecordingPageDispatcher : public PageDispatcher {
public:
    void MandaInOnda(qint16 codice) override { codes_.push_back(codice); }
    const std::vector<qint16>& codes() const { return codes_; }
    void clear() { codes_.clear(); }

private:
    std::vector<qint16> codes_;
};

}  // namespace razudar
