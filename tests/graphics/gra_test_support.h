#pragma once
#include <QColor>
#include <QDir>
#include <QRect>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <vector>

#include "platform/fakes/fake_services.h"

#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << "{\"" << texts.join(QStringLiteral("\", \"")).toStdString() << "\"}";
}

namespace razudar {
class MirtGRA;
}

namespace razudar::gra_test {

// Calls a member of `control` by name, as a late-bound host does: the method with that name and
// as many parameters as arguments, each argument converted to the parameter's type. Fails the
// test when no such member exists; returns the member's result (invalid for no result).
QVariant call(QObject* control, const char* member, const QVariantList& args = {});

// The events of a control, recorded through its meta-object.
class EventRecorder : public QObject {
    Q_OBJECT
public:
    explicit EventRecorder(QObject* control);
    QStringList messages;
    std::vector<bool> confirmations;
    std::vector<std::pair<QString, int>> notifications;

public slots:
    void onMessage(const QString& text) { messages << text; }
    void onConferma(bool value) { confirmations.push_back(value); }
    void onNotifica(const QString& name, int event) { notifications.emplace_back(name, event); }
};

// Page-file objects as docs/page-format.md describes them.
QJsonObject textObject(const QString& name, int x, int y, int w, int h, const QString& text);
QJsonObject imageObject(const QString& name, int x, int y, const QString& file);
QJsonObject simpleObject(const QString& name, const QString& type, int x = 0, int y = 0, int w = 10, int h = 10);
// Writes a page file; returns its path.
QString writePage(const QString& folder, const QString& fileName, const QJsonArray& objects);
// A solid-colour picture file.
QString writePicture(const QString& path, int w, int h, QColor colour);

// A graphics control created directly (not through the plug-in) on fake services without a
// render thread: frames are made only when the control or the test asks for one.
struct DirectControl {
    DirectControl();
    ~DirectControl();
    // Lists the folder's pages, initialises the control and binds its output to the board.
    void start();
    QString folder() const { return dir.path(); }
    // The frame on the board's output after composing one now.
    QImage composedFrame();

    QTemporaryDir dir;
    FakeServices fakes;
    std::unique_ptr<MirtGRA> control;
    std::unique_ptr<EventRecorder> events;
    // Every move call of the control, one line each: "Q name key time x y alpha c1 c2 c3 c4",
    // "R lastName mode", "S list firstKey lastKey flag", "D" (batch dropped).
    QStringList moves;
};

// Colour helpers for frames.
bool isRed(QRgb pixel);
bool isTransparent(QRgb pixel);
// Bounding box of the pixels for which `match` holds (empty when none).
QRect boundingBox(const QImage& frame, bool (*match)(QRgb));

}  // namespace razudar::gra_test
