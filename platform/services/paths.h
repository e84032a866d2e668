#pragma once
#include <QString>

namespace razudar::paths {

// Stored folder texts use "\" as separator and end with one; on this platform they become "/".
QString toNative(const QString& storedPath);
// A folder text with exactly one trailing "/".
QString withTrailingSeparator(const QString& folder);
// Finds `relative` under `base` ignoring case in every path element (the stored names were
// written for a case-blind file system). Returns the real path, or an empty text when absent.
QString findCaseInsensitive(const QString& base, const QString& relative);

}  // namespace razudar::paths
