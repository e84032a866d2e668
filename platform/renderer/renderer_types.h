#pragma once
#include <QString>
#include <QtGlobal>

namespace razudar::renderer {

// The frame every page is designed for, in pixels.
constexpr int kFrameWidth = 720;
constexpr int kFrameHeight = 576;
// The board and the renderers show 25 frames a second.
constexpr int kFrameIntervalMs = 40;

// Object types; the numbers are the ones the graphics control publishes.
enum class ObjectType : int {
    Unknown = 0,
    Text = 1,
    Animation = 2,
    Image = 3,
    Crawl = 4,
    Roll = 5,
    Clock = 6,   // wall clock: the time of day
    Clip = 7,
    Dve = 8,     // listed, never drawn
};

// Word used for a type in page files ("text", "image", ...); empty for Unknown.
QString typeKeyword(ObjectType type);
// Text, crawl and roll: the types whose content is a text.
bool isTextType(ObjectType type);
// Types with a text style (font, colour, outline): the text types and the wall clock.
bool hasTextStyle(ObjectType type);

// Colours cross the interface in the long form 0x00BBGGRR (255 is red). Only the low 24 bits
// are drawn; the value is kept as given so it reads back unchanged.
using LongColour = qint32;

// Position, size and opacity of an object, in pixels of the 720 x 576 frame. Objects may lie
// partly or wholly outside the frame (movers park them there). Alpha is 0 (invisible) to 255.
struct ObjectLayout {
    QString name;
    qint32 x = 0;
    qint32 y = 0;
    qint32 w = 0;
    qint32 h = 0;
    qint32 alpha = 255;
    ObjectType type = ObjectType::Unknown;
};

enum class HAlign : int { Left = 0, Center = 1, Right = 2 };
enum class VAlign : int { Top = 0, Middle = 1, Bottom = 2 };

// Text style and visibility of text, crawl, roll and wall-clock objects.
struct TextRecord {
    QString fontName = QStringLiteral("DejaVu Sans");
    qint32 fontSizePx = 24;        // pixel height of the font
    bool bold = false;
    LongColour colour = 0xFFFFFF;  // white
    LongColour outlineColour = 0;  // black
    qint32 outlineWidthPx = 0;     // 0 = no outline
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Middle;
    bool shrinkToFit = false;      // squeeze the text horizontally when wider than the object
    bool visible = true;
};

// Image objects. `path` is kept as given: relative paths are found under the folder of the
// page file (the graphics folder), ignoring letter case.
struct ImageRecord {
    QString path;
    bool visible = true;
    // false: W and H become the picture's own size whenever the file is read;
    // true: the picture is stretched to W x H.
    bool stretch = false;
};

// Animation objects: a video or animation file played by PlayAnimation.
struct AnimationRecord {
    QString path;
    bool visible = true;
};

// Wall-clock objects: the time of day in a QTime format such as "hh:mm:ss".
struct ClockRecord {
    QString timeFormat = QStringLiteral("hh:mm:ss");
    bool visible = true;
};

// Video clip objects: played like animations.
struct ClipRecord {
    QString path;
    bool visible = true;
};

// Running-clock modes of StopClock and PauseClock.
enum ClockStopMode : int {
    kStopAtCurrent = 0,   // StopClock / PauseClock: keep the time reached
    kStopShowValue = 1,   // StopClock: stop and show the given time
    kPauseShowValue = 2,  // PauseClock: hold the given time
};

// Event codes of the renderer's Notify signal.
enum class NotifyEvent : int {
    ScrollPassEnded = 1,  // a crawl or roll finished one pass of its text
    ClipEnded = 2,        // an animation or clip that does not loop reached its end, or could not be played
};

}  // namespace razudar::renderer
