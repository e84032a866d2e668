#pragma once
// The offscreen application the drawing fuzz targets need (fonts, image plug-ins), made once.
#include <QGuiApplication>

namespace razudar::fuzzing {

inline void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);  // lives for the whole run
}

}  // namespace razudar::fuzzing
