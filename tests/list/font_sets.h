#pragma once
// The fonts a machine set up by scripts/setup.sh has, for tests that draw with those fonts
// only: fontconfig is given a configuration of its own before the application starts.
#include <QString>
#include <QStringList>

namespace razudar::testing {

struct FontSet {
    QString name;         // "setup", or "dejavu" without the preferred face of the list
    QStringList folders;  // the folders the set's packages put their fonts in
    QString listFace;     // the face the text list is drawn in with them
};

// The environment variable that names the set of a run.
inline constexpr char kFontSetVariable[] = "RAZUDAR_FONT_SET";

// The set named by --font-set= (the set-up's own when not given): fonts-dejavu-core and
// fonts-urw-base35, or fonts-dejavu-core alone.
FontSet fontSet(const QString& name);

// The set this run was started with.
FontSet chosenFontSet();

// Writes `folder`/fonts.conf: the set's folders, a font cache inside `folder`, and the system's
// rules (hinting, aliases) but none of its other font folders. Returns the file's path, or ""
// when it could not be written.
QString writeFontConfig(const FontSet& set, const QString& folder);

}  // namespace razudar::testing
