#pragma once
#include <QString>
#include <QStringList>

namespace razudar::gra::messages {

// Every diagnostic text the control sends through its message event. `function` is the name of
// the member (or lookup) that reports.

// The page name is not in the page table.
QString pageNotListed(const QString& function, const QString& pageName);
// The page is listed but loaded on no plane (or on a plane that does not exist).
QString pageNotOnPlane(const QString& function, const QString& pageName);
// The object is not on the loaded page; `function` already carries the "-CercaOggetto" suffix.
QString objectNotFound(const QString& function, const QString& objectName, const QString& pageName);
QString boardAbsent(const QString& function);
// A property member meant for type `wanted` was used on an object of type `actual`.
QString wrongObjectType(int wanted, int actual, const QString& pageName, const QString& objectName);

// Faults that the control reports instead of raising them to its host.
QString notInitialised(const QString& function);
QString badPlane(const QString& function, int plane);
QString pageIndexOutOfRange(const QString& function, int index);
QString badObjectType(const QString& function, int type);
QString badValue(const QString& function, const QString& valueText);
QString rendererFailed(const QString& function, const QString& rendererError);
QString pagesNotListed(const QStringList& fileNames);

}  // namespace razudar::gra::messages
