#pragma once
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QString>

#include <memory>

#include "platform/renderer/frame_surface.h"
#include "platform/renderer/renderer_types.h"

namespace razudar {
class Clock;
}

namespace razudar::renderer {

class Page;
class VideoBoard;

// One renderer object: it holds one page of named objects (loaded from a ".smb" page file),
// draws it into 720 x 576 frames and delivers them to its output (a layer of the video board or
// a preview window). The graphics control creates one per plane (Model0, Model1).
//
// Every operation returns true on success; on failure it returns false, changes nothing and
// leaves the reason in lastError(). Object names are found ignoring case and surrounding
// blanks. All members are thread-safe: the board's render thread draws running pages while the
// control calls these members from its own thread.
//
// What is on the output: after LoadPage or ClearPage nothing (the page is being filled, off
// air). Draw, Refresh("ALL") and SetRunning(true) put the page's current state on the output.
// While the page runs, a fresh frame is drawn at every tick of the board (25 a second: running
// clocks, crawls and rolls move, property changes show at the next frame); a page that is not
// running keeps the last frame drawn until it is drawn again.
class Renderer : public QObject {
    Q_OBJECT
public:
    // `clock` gives the reference time of running clocks, crawls and rolls and the time of day
    // of wall clocks; it must outlive the renderer and be safe to read from the render thread.
    explicit Renderer(const Clock& clock, QObject* parent = nullptr);
    ~Renderer() override;

    QString lastError() const;

    // ---- Page
    // Reads the page file and replaces the held page with it. `preloadResources` reads the
    // pictures now (else at the first frame that needs them). A file that cannot be read or is
    // not a page fails and keeps the page held before.
    bool LoadPage(const QString& path, bool preloadResources = true);
    // Writes the held page, with every change made since loading, as a page file.
    bool SavePage(const QString& path);
    // Removes every object; the output becomes empty. Stops the page.
    bool ClearPage();
    // true starts the page (its clocks, crawls and rolls show at every frame), false stops it
    // (the output keeps the last frame drawn).
    bool SetRunning(bool running);
    bool isRunning() const;
    // The folder relative picture paths are found in (the folder of the loaded page file).
    QString pageFolder() const;

    // ---- Output
    // Ties this renderer to a board: the board's render thread then ticks it.
    bool AttachBoard(const BoardLink& link);
    // Binds the output: toWindow false takes a board handle (frames go to the board layer of
    // this renderer's plane), toWindow true a window surface (frames go to that picture).
    bool SetOutput(const OutputHandle& handle, bool toWindow);
    // 0: this renderer feeds the board's plane 0 (the default); 1: plane 1.
    bool SetPlaneMode(int mode);
    int planeMode() const;
    // Draws the page as it is now, puts the frame on the output and copies its rectangle
    // (x, y, w, h) to the same place of `target` (may be null: output only).
    bool Draw(FrameSurface* target, int x, int y, int w, int h);
    bool Draw(QImage* target, int x, int y, int w, int h);
    // Copies the rectangle (sx, sy, sw, sh) of the current output frame scaled to (0, 0, w, h)
    // of the target (a thumbnail); the output is not changed.
    bool DrawScaled(FrameSurface* target, int sx, int sy, int sw, int sh, int w, int h);
    bool DrawScaled(QImage* target, int sx, int sy, int sw, int sh, int w, int h);
    // Draws a page file as designed, without loading it, scaled into (x, y, w, h) of the target.
    bool DrawPageFile(const QString& path, FrameSurface* target, int x, int y, int w, int h);
    bool DrawPageFile(const QString& path, QImage* target, int x, int y, int w, int h);
    // Saves the current output frame: ".tga" as uncompressed 32-bit TGA, other suffixes
    // (".png", ".bmp", ".jpg" ...) through Qt's image writers.
    bool SaveScreen(const QString& path);
    // The current output frame (720 x 576, transparent where nothing is drawn; a null image
    // when nothing is on the output).
    QImage currentFrame() const;
    // Draws the page as it is now into a new frame without touching the output (tests, bench).
    QImage renderNow();
    // One tick of the render loop: draws a running page and delivers it. The board's thread
    // calls it every 40 ms; without a render thread, a caller may call it itself.
    void tick();

    // ---- Objects
    bool GetObjectCount(qint32& count);
    // key = an object's name, or its index 0 .. count - 1 written in decimal digits (a key of
    // digits only is taken as an index when it is in range).
    bool GetObjectLayout(const QString& key, ObjectLayout& layout);
    bool GetObjectLayoutAt(int index, ObjectLayout& layout);
    // Sets X, Y, W, H and Alpha of the named object (the layout's name and type are ignored).
    bool SetObjectLayout(const QString& name, const ObjectLayout& layout);
    bool SetObjectRect(const QString& name, int x, int y, int w, int h);
    // Reads the object's files again (a picture after its path changed) and draws it anew;
    // "ALL" does so for every object and puts the page on the output.
    bool Refresh(const QString& nameOrAll);
    // The text of a text, crawl or roll object.
    bool GetText(const QString& name, QString& text);
    bool SetText(const QString& name, const QString& text);
    // Records by type; a record read or written on an object of another type fails.
    // Text record: text, crawl, roll and wall-clock objects.
    bool GetTextRecord(const QString& name, TextRecord& record);
    bool SetTextRecord(const QString& name, const TextRecord& record);
    bool GetImageRecord(const QString& name, ImageRecord& record);
    bool SetImageRecord(const QString& name, const ImageRecord& record);
    bool GetAnimationRecord(const QString& name, AnimationRecord& record);
    bool SetAnimationRecord(const QString& name, const AnimationRecord& record);
    bool GetClockRecord(const QString& name, ClockRecord& record);
    bool SetClockRecord(const QString& name, const ClockRecord& record);
    bool GetClipRecord(const QString& name, ClipRecord& record);
    bool SetClipRecord(const QString& name, const ClipRecord& record);

    // What a text, crawl, roll or wall-clock object shows now: its text, or its clock's time
    // in the format in force.
    bool GetShownText(const QString& name, QString& text);

    // ---- Running clocks of text objects (type 1 only)
    // The clock counts on from `startMs` (it may be negative: it then counts up through zero).
    // TimeStart becomes startMs.
    bool StartClock(const QString& name, qint32 startMs);
    // mode 0 (kStopAtCurrent): stop at the time reached; mode 1 (kStopShowValue): stop and show
    // `ms`. A stopped clock shows its time in the stop format.
    bool StopClock(const QString& name, qint32 ms, int mode);
    // mode 0: hold the time reached; mode 2 (kPauseShowValue): hold `ms`. The held time is shown
    // in the run format while the clock keeps counting behind it; StartClock starts it anew.
    bool PauseClock(const QString& name, qint32 ms, int mode);
    // TimeStart: the value of the last start (set: the value a later start by the control uses;
    // the count in progress is not changed).
    bool GetTimeStart(const QString& name, qint32& ms);
    bool SetTimeStart(const QString& name, qint32 ms);
    // TimeValue: the clock's time now. Set: a running or held clock counts on from it, a
    // stopped or idle clock stops showing it.
    bool GetTimeValue(const QString& name, qint32& ms);
    bool SetTimeValue(const QString& name, qint32 ms);
    // TimeSgn: non-zero shows "+" before positive times (gaps); "-" is always shown. Reads
    // back the value last set (a page's "showSign" reads 1 or 0).
    bool GetTimeSgn(const QString& name, qint32& sign);
    bool SetTimeSgn(const QString& name, qint32 sign);
    // Formats "nz hh:mm:ss", "nz hh:mm:ss:d", "nz hh:mm:ss:dc", "nz hh:mm:ss:dcm" (see
    // clock_format.h); an empty run format uses the stop format.
    bool GetRunFormat(const QString& name, QString& format);
    bool GetStopFormat(const QString& name, QString& format);
    bool SetClockFormats(const QString& name, const QString& runFormat, const QString& stopFormat);

    // ---- Moves (docs/page-format.md, "Moves")
    // Queues one key position of a move of the named object: where it is `timeFrames` frames
    // (40 ms each) after the move starts, its opacity, and the pixels hidden from its left,
    // top, right and bottom edges (wipes). Keys wait until SetMoveValue starts the batch.
    bool QueueMove(const QString& name, qint32 keyIndex, qint32 timeFrames, qint32 x, qint32 y, qint32 alpha,
                   qint32 wipeLeft, qint32 wipeTop, qint32 wipeRight, qint32 wipeBottom);
    // Closes the batch being queued; `lastName` is the last object queued (empty for a batch
    // without objects) and `mode` must be 1.
    bool RunMoves(const QString& lastName, qint32 mode);
    // Starts the batch: every object of the comma-separated `names` moves through its keys
    // `firstKey` .. `lastKey` from where it is now, cancelling a move it was making; with
    // `animate` 0 the objects are placed at their last key at once. Keys queued for objects
    // not named are dropped. When a name is not on the page the whole batch is dropped.
    bool SetMoveValue(const QString& names, qint32 firstKey, qint32 lastKey, qint32 animate);
    // Drops every key queued and not started (a batch abandoned half-way).
    bool DiscardMoves();
    // Whether the named object is moving now.
    bool isMoving(const QString& name) const;

    // ---- Animations and clips (animation and clip objects)
    // Stops the file and shows nothing until the next PlayAnimation. `mode` is not used.
    bool ResetAnimation(const QString& name, qint32 mode);
    // Plays the object's file from its first frame and shows the object. At the end of a file
    // that does not loop, Notify(name, ClipEnded) once; a file that cannot be played fails with
    // the reason and is reported as ended too. Hiding the object (its record's visible flag) or
    // clearing the page stops it without a notification.
    bool PlayAnimation(const QString& name, qint32 mode);

    // ---- New objects, added at the end of the page with an empty layout at 0, 0 (false when
    // the page already has an object of that name)
    bool AddTextObject(const QString& name);
    bool AddImageObject(const QString& name);
    bool AddAnimationObject(const QString& name);
    bool AddClipObject(const QString& name);

signals:
    // Raised when an object reports an event (NotifyEvent codes), never while a lock is held.
    // It may be emitted from the render thread or, after a call, from the caller's thread:
    // connect with Qt::QueuedConnection to receive it after the current call has returned.
    void Notify(const QString& objectName, int event);

private:
    friend class VideoBoard;
    // Emits the notifications collected while drawing (outside the lock).
    void flushNotifications();
    bool addObject(const QString& name, ObjectType type);
    // The board is being destroyed: forget it.
    void boardGone(VideoBoard* board);
    class Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace razudar::renderer
