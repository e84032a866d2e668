#pragma once
#include <QString>

namespace razudar {

// File dialogs. An empty result means the operator cancelled.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual QString saveFileName(const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
};

}  // namespace razudar
