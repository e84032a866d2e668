#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace razudar::link {

// What the receive parser hands out, in stream order. Texts come as their bytes on the wire
// (Windows-1252, see windows1252.h); a view is valid until the call returns.
class ReceiveSink {
public:
    virtual ~ReceiveSink() = default;
    // A text beginning with "nome": the peer's computer name (the bytes after "nome").
    virtual void peerNameArrived(QByteArrayView name) = 0;
    // Any other complete text.
    virtual void textArrived(QByteArrayView text) = 0;
    // A framing notice ("Manca %% ..." or "PreManca %% ...") for the operator.
    virtual void framingNotice(const QString& notice) = 0;
};

// Rebuilds the texts of the link from the byte stream, whatever the boundaries at which the
// network delivers it. One parser per link control, for the control's whole life.
//
// While the sink runs the parser is busy: data fed meanwhile (a handler that sends
// synchronously lets socket events run) is only buffered, and the loop already running
// further out delivers it after the handler returns, one text at a time and in stream order.
class ReceiveParser {
public:
    // Appends `data` to the stream and delivers every text that is complete.
    void feed(QByteArrayView data, ReceiveSink& sink);
    // Drops everything buffered (a new connection starts a new stream). Safe from inside the
    // sink: the loop running further out then stops.
    void clear();
    bool busy() const { return busy_; }
    // Bytes received and not yet delivered.
    qsizetype bufferedBytes() const;

    // The count field of a header (the six characters after "%%"), as the link reads it: a
    // number in the field, blanks ignored, halves rounded to even; a field without a number
    // counts 0. Nothing when the reading is negative or above 999,999.
    static std::optional<qsizetype> readCount(QByteArrayView field);

private:
    class Run;
    friend class Run;

    // Bytes received and not parsed yet. While a run is parsing, it holds its own data apart
    // and this collects only what arrives meanwhile.
    QByteArray buffer_;
    // Bytes the running loop still has to parse (for bufferedBytes()).
    qsizetype heldByRun_ = 0;
    bool busy_ = false;
    // Changed by clear(), so a loop running further out sees that its data is gone.
    quint64 generation_ = 0;
};

}  // namespace razudar::link
