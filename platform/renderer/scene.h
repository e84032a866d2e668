#pragma once
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/renderer/clip_player.h"
#include "platform/renderer/move_track.h"
#include "platform/renderer/page_file.h"
#include "platform/renderer/running_clock.h"

namespace razudar::renderer {

// One object of a loaded page: its current state (as a page file would hold it), its running
// clock, and what drawing it keeps between frames.
struct SceneObject {
    ObjectDefinition def;
    RunningClock clock;
    // TimeSgn as last set (reads back unchanged; non-zero shows "+"); from the page: 1 or 0.
    qint32 timeSgn = 0;
    // Drawn text, reused while the text, its style and its size stay the same.
    QImage textSprite;
    QString textSpriteKey;
    // Picture of an image object as read from its file; null when missing.
    QImage picture;
    bool pictureRead = false;
    QImage scaledPicture;  // `picture` at W x H
    // Crawl and roll: passes of the text completed while the page runs, and the size of the
    // whole scrolling text for the text and style of `scrollKey`.
    qint64 scrollPasses = 0;
    QSize scrollSize;
    QString scrollKey;
    // The move in progress (its positions are written into the layout frame by frame) and the
    // wipe edges it left.
    std::optional<MoveTrack> move;
    WipeEdges wipe{};
    // Animation and clip: the player while the file plays, the frame shown, and whether the
    // end was reported (once per play).
    std::shared_ptr<ClipPlayer> player;
    QImage clipFrame;
    bool clipEndNotified = false;
};

// The time of one frame.
struct FrameTime {
    qint64 monotonicMs = 0;     // reference time of running clocks
    QDateTime wallTime;         // wall clocks
    qint64 pageRunningMs = 0;   // how long the page has run (crawls, rolls)
    bool pageRunning = false;
};

// A loaded page: objects in page order with a name index.
class Scene {
public:
    void clear();
    void load(const PageDefinition& page, const QString& folder);
    PageDefinition definition() const;
    // Index of the object named `name` (case and blanks ignored), -1 when absent.
    int find(const QString& name) const;
    int count() const { return int(objects_.size()); }
    // Adds an object at the end of the page (drawn over the others); false when the page
    // already has an object of that name.
    bool add(const ObjectDefinition& object);
    // The file a stored path names: relative paths under the page's folder, letter case
    // ignored; empty when there is no such file.
    QString resolveFile(const QString& storedPath) const;
    SceneObject& at(int i) { return objects_[size_t(i)]; }
    const SceneObject& at(int i) const { return objects_[size_t(i)]; }
    const QString& folder() const { return folder_; }
    const QString& description() const { return description_; }

    // Reads the picture of an image object from its file (relative paths under the page's
    // folder, ignoring case); a missing or unreadable file leaves no picture. Unless the object
    // stretches, W and H become the picture's size.
    void readPicture(SceneObject& object) const;
    // Forgets what an object keeps between frames (its files are read again when drawn).
    static void dropCaches(SceneObject& object);

private:
    // Pictures read, by file: objects showing the same file share one reading, and a file is
    // read again only when it changed on disk.
    struct CachedPicture {
        QImage picture;
        QDateTime modified;
        qint64 size = -1;
    };
    mutable QHash<QString, CachedPicture> pictures_;
    std::vector<SceneObject> objects_;
    QHash<QString, int> index_;
    QString folder_;
    QString description_;
};

// Draws the visible objects of `scene` into `frame` (ARGB32 premultiplied, 720 x 576) in page
// order. `notify` receives (object name, event) for crawls and rolls that completed a pass.
void paintScene(Scene& scene, QImage& frame, const FrameTime& time,
                const std::function<void(const QString&, int)>& notify);

// The text an object shows at this frame: a running clock's time, a wall clock's time of day,
// else its own text.
QString shownText(const SceneObject& object, const FrameTime& time);

// A new transparent 720 x 576 frame.
QImage emptyFrame();

}  // namespace razudar::renderer
