#include "graphics/page_table.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "platform/services/paths.h"

namespace razudar::gra {

namespace {
constexpr qsizetype kExtensionLength = 4;  // ".smb"

QStringList pageFilesInNameOrder(const QDir& dir) {
    QStringList names;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : entries) {
        if (e.fileName().endsWith(QStringLiteral(".smb"), Qt::CaseInsensitive)) names << e.fileName();
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}
}  // namespace

PageTable::LoadResult PageTable::load(const QString& folder) {
    LoadResult result;
    count_ = 0;
    QString dirPath = paths::toNative(folder);
    while (dirPath.size() > 1 && dirPath.endsWith(u'/')) dirPath.chop(1);
    const QDir dir(dirPath.isEmpty() ? QStringLiteral(".") : dirPath);
    const QStringList files = pageFilesInNameOrder(dir);
    if (files.isEmpty()) return result;

    for (const QString& file : files) {
        if (count_ >= kPageSlots) {
            result.notListed << file;
            continue;
        }
        Pagina& p = slots_[std::size_t(count_)];
        p.Path = dir.filePath(file);
        p.Nome = file.left(file.size() - kExtensionLength);
        p.Piano = -1;
        ++count_;
    }
    result.found = true;
    return result;
}

int PageTable::find(const QString& pageName) const {
    for (int i = 0; i < count_; ++i) {
        if (sameName(slots_[std::size_t(i)].Nome, pageName)) return i;
    }
    return -1;
}

}  // namespace razudar::gra
