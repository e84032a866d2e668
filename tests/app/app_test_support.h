#pragma once
// Shared pieces of the program's tests: a race database in a temporary base folder opened as the
// program opens it, the demo graphics folder copied next to it, and a fixed current folder.
#include <QDir>
#include <QTemporaryDir>

#include "app/program_state.h"
#include "assets/database_builder.h"
#include "data/base_folder.h"
#include "platform/fakes/fake_services.h"

namespace razudar::apptest {

class FixedCurrentFolder : public CurrentFolder {
public:
    explicit FixedCurrentFolder(QString path) : path_(std::move(path)) {}
    QString path() const override { return path_; }
    bool change(const QString& path) override {
        if (!QDir(path).exists()) return false;
        path_ = path;
        return true;
    }

private:
    QString path_;
};

// Copies every file and folder of `from` into `to`.
void copyFolder(const QString& from, const QString& to);
// The demo graphics folder the build writes (build/demo/Razudar).
QString demoGraphicsFolder();
// A base folder with the demo database and the demo graphics.
struct BaseFolder {
    BaseFolder();
    QString path() const { return dir.path() + QLatin1Char('/'); }
    QTemporaryDir dir;
    QString databasePath;
};
// Opens the base folder's database on slot 1 of `state`.
void openDatabase(ProgramState& state, const BaseFolder& base);

}  // namespace razudar::apptest
