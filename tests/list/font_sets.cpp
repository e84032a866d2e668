#include "tests/list/font_sets.h"

#include <QDir>
#include <QFile>

namespace razudar::testing {
namespace {

const QString kSystemRules = QStringLiteral("/etc/fonts/conf.d");

QString escaped(const QString& path) { return path.toHtmlEscaped(); }

// A rule file that adds font folders (the user's, the local configuration) is left out.
bool addsFolders(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return true;
    const QByteArray text = file.readAll();
    return text.contains("<dir") || text.contains("<include");
}

}  // namespace

FontSet fontSet(const QString& name) {
    const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu");
    if (name == QStringLiteral("dejavu")) return {name, {dejavu}, QStringLiteral("DejaVu Sans Mono")};
    return {QStringLiteral("setup"), {dejavu, QStringLiteral("/usr/share/fonts/opentype/urw-base35")},
            QStringLiteral("Nimbus Mono PS")};
}

FontSet chosenFontSet() { return fontSet(qEnvironmentVariable(kFontSetVariable)); }

QString writeFontConfig(const FontSet& set, const QString& folder) {
    QString text = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n");
    for (const QString& dir : set.folders) text += QStringLiteral("  <dir>%1</dir>\n").arg(escaped(dir));
    text += QStringLiteral("  <cachedir>%1</cachedir>\n").arg(escaped(folder + QStringLiteral("/cache")));
    const QDir rules(kSystemRules);
    for (const QString& name : rules.entryList({QStringLiteral("*.conf")}, QDir::Files, QDir::Name)) {
        const QString path = rules.filePath(name);
        if (!addsFolders(path)) text += QStringLiteral("  <include ignore_missing=\"yes\">%1</include>\n").arg(escaped(path));
    }
    text += QStringLiteral("</fontconfig>\n");
    const QString path = folder + QStringLiteral("/fonts.conf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) return {};
    return path;
}

}  // namespace razudar::testing
