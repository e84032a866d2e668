#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>

#include <deque>
#include <optional>
#include <span>

namespace razudar::link {

// The bytes of one text as they lie in the receive buffer: one or more pieces in stream order
// (a long text that came in several reads is handed out where it lies, not copied together).
// The bytes are the text on the wire (Windows-1252, see windows1252.h); valid until the sink
// call that receives them returns.
class ReceivedBytes {
public:
    qsizetype size() const { return size_; }
    std::span<const QByteArrayView> pieces() const {
        return {pieces_.constData(), static_cast<std::size_t>(pieces_.size())};
    }
    bool startsWith(QByteArrayView prefix) const;
    // The bytes from `from` on.
    ReceivedBytes sliced(qsizetype from) const;
    QByteArray toByteArray() const;

    void append(QByteArrayView piece);

private:
    QVarLengthArray<QByteArrayView, 2> pieces_;
    qsizetype size_ = 0;
};

// What the receive parser hands out, in stream order.
class ReceiveSink {
public:
    virtual ~ReceiveSink() = default;
    // A text beginning with "nome": the peer's computer name (the bytes after "nome").
    virtual void peerNameArrived(const ReceivedBytes& name) = 0;
    // Any other complete text.
    virtual void textArrived(const ReceivedBytes& text) = 0;
    // A framing notice ("Manca %% ..." or "PreManca %% ...") for the operator. It gives the
    // byte count of the data it is about and the first kNoticeExcerptBytes of it, followed by
    // "…" when there are more: a broken sender's burst never makes a notice longer.
    virtual void framingNotice(const QString& notice) = 0;
};

// The bytes of the dropped or unexpected data that a framing notice shows.
inline constexpr qsizetype kNoticeExcerptBytes = 160;

// Rebuilds the texts of the link from the byte stream, whatever the boundaries at which the
// network delivers it. One parser per link control, for the control's whole life.
//
// While the sink runs the parser is busy: data fed meanwhile (a handler that sends
// synchronously lets socket events run) is only buffered, and the loop already running
// further out delivers it after the handler returns, one text at a time and in stream order.
class ReceiveParser {
public:
    // Appends `data` to the stream and delivers every text that is complete. A large arrival
    // is parsed where it lies; what is left of it is copied before this returns.
    void feed(QByteArrayView data, ReceiveSink& sink);
    // The same for an arrival as a socket read hands it: a large one is kept as it is, not
    // copied, until its texts are out.
    void feedArrival(const QByteArray& data, ReceiveSink& sink);
    // Drops everything buffered (a new connection starts a new stream). Safe from inside the
    // sink: the loop running further out goes on with what is fed after this.
    void clear();
    bool busy() const { return busy_; }
    // Bytes received and not yet delivered.
    qsizetype bufferedBytes() const { return size_; }

    // The count field of a header (the six characters after "%%"), as the link reads it: a
    // number in the field, blanks, tabs and line feeds ignored, halves rounded to even; a
    // field without a number counts 0. Nothing when the reading is negative or above 999,999.
    static std::optional<qsizetype> readCount(QByteArrayView field);

private:
    struct Chunk {
        enum Kind {
            Own,       // made by the parser: more may be appended in its spare room
            Shared,    // an arrival kept as it is
            Borrowed,  // the caller's bytes, only until feed() returns
        };
        QByteArray bytes;
        Kind kind;
    };

    void append(QByteArrayView data, const QByteArray* arrival);
    void keepBorrowed();
    void parse(ReceiveSink& sink);
    // The next `count` unparsed bytes where they lie, or copied to `room` when they span chunks.
    const char* bytesFromHead(qsizetype count, char* room) const;
    void copyOut(qsizetype from, qsizetype count, char* out) const;
    ReceivedBytes bytesAt(qsizetype from, qsizetype count) const;
    void skip(qsizetype count);
    void dropParsedChunks();
    template <typename F>
    void callSink(F&& call);

    // The received data in stream order; everything before chunks_[first_] at head_ is
    // parsed. Parsed chunks are dropped only when no text handed out can lie in them.
    std::deque<Chunk> chunks_;
    std::size_t first_ = 0;
    qsizetype head_ = 0;
    qsizetype size_ = 0;
    // An own chunk all parsed, kept for the next arrivals (no allocation per text).
    QByteArray spare_;
    // Chunks cleared while the sink ran: the text it was handed may lie in them.
    std::deque<Chunk> retired_;
    bool busy_ = false;
    // A frame ended with only the first "%" of the next marker behind it: whether the marker
    // is right is known when the next byte is in.
    bool markerPending_ = false;
    // Changed by clear(), so the loop sees that the stream it was parsing is gone.
    quint64 generation_ = 0;
};

}  // namespace razudar::link
