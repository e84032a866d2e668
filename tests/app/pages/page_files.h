#pragma once
// Page files of a test's graphics folder read, damaged and written back: the page tests and the
// program's tests change a page's file while the program runs, as a designer would.
#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <gtest/gtest.h>

namespace razudar::pagefiles {

// The file of `page` in the graphics folder `folder` (with its trailing separator).
inline QString path(const QString& folder, const QString& page) { return folder + page + QStringLiteral(".smb"); }

// The page file's bytes, empty when it cannot be read.
inline QByteArray read(const QString& folder, const QString& page) {
    QFile file(path(folder, page));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void write(const QString& folder, const QString& page, const QByteArray& bytes) {
    QFile file(path(folder, page));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << file.fileName().toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << file.fileName().toStdString();
}

// The page file `bytes` without its object `name`.
inline QByteArray withoutObject(const QByteArray& bytes, const QString& name) {
    QJsonObject definition = QJsonDocument::fromJson(bytes).object();
    QJsonArray kept;
    for (const QJsonValue o : definition.value(QStringLiteral("objects")).toArray())
        if (o.toObject().value(QStringLiteral("name")).toString() != name) kept.append(o);
    definition.insert(QStringLiteral("objects"), kept);
    return QJsonDocument(definition).toJson();
}

}  // namespace razudar::pagefiles
