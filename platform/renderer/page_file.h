#pragma once
#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

#include "platform/renderer/renderer_types.h"

namespace razudar::renderer {

// Format name and version written in every page file (docs/page-format.md).
QString pageFormatName();
constexpr int kPageFormatVersion = 1;
// The largest position (either sign) and size a page file may give an object, in pixels.
constexpr int kMaxObjectExtentPx = 10000;

// The designed state of one object, as a page file holds it.
struct ObjectDefinition {
    ObjectLayout layout;
    bool visible = true;
    // Text, crawl, roll and wall clock
    QString text;
    TextRecord style;
    // Running clock of a text object
    QString runFormat;
    QString stopFormat;
    bool showSign = false;
    // Crawl and roll: pixels per second
    double scrollSpeed = 100.0;
    // Image, animation, clip: file path as given; image: stretch to W x H
    QString path;
    bool stretch = false;
    // Animation, clip: start again from the first frame at the end of the file
    bool loop = false;
    // Wall clock: QTime format
    QString timeFormat = QStringLiteral("hh:mm:ss");
};

struct PageDefinition {
    QString description;  // free text of the designer, optional
    std::vector<ObjectDefinition> objects;
};

// Parses page-file text. `source` names the file in error texts. Empty optional with the
// reason in `error` for text that is not a valid page.
std::optional<PageDefinition> parsePage(const QByteArray& text, const QString& source, QString* error);
// Reads and parses a page file.
std::optional<PageDefinition> readPageFile(const QString& path, QString* error);
// The page-file text of a page (parsePage gives the same page back).
QByteArray serializePage(const PageDefinition& page);
bool writePageFile(const PageDefinition& page, const QString& path, QString* error);

// Names compare ignoring case and surrounding blanks.
QString nameKey(const QString& name);

}  // namespace razudar::renderer
