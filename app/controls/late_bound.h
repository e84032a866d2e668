#pragma once
// Late-bound access to a control's members by name through QMetaObject. Each member is looked up
// once, when the proxy that uses it is built; a member the control does not offer is remembered
// as missing, and every later call of it is refused softly with a message instead of crashing.
#include <QByteArray>
#include <QHash>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <functional>

namespace razudar::controls {

// Receives the texts of calls that could not be made (missing member, wrong arguments).
using ProblemSink = std::function<void(const QString&)>;

class LateBoundObject {
public:
    LateBoundObject(QObject* target, QString controlName, ProblemSink problems);

    QObject* target() const { return target_; }
    const QString& controlName() const { return controlName_; }

    // Looks up the method `name` taking `argumentCount` arguments (a member with default
    // arguments is offered once per count); returns false when the control has none.
    bool resolveMethod(const char* name, int argumentCount);
    bool resolveProperty(const char* name);
    bool hasMethod(const char* name, int argumentCount) const;
    bool hasProperty(const char* name) const;

    // Calls a resolved method with the arguments converted to its parameter types. The result
    // is the method's return value (invalid for void methods and for a failed call).
    QVariant call(const char* name, const QVariantList& arguments = {}, bool* ok = nullptr);
    QVariant read(const char* name, bool* ok = nullptr) const;
    bool write(const char* name, const QVariant& value);

    // Connects the control's signal `signalName` to the slot `slotName` of `receiver` (their
    // parameter lists must match). False, with a message, when the signal is missing.
    bool connectEvent(const char* signalName, QObject* receiver, const char* slotName);

    // Names of the members that were looked up and not found, for start-up diagnostics.
    QStringList missingMembers() const { return missing_; }

private:
    static QByteArray key(const char* name, int argumentCount);
    void report(const QString& text) const;

    QPointer<QObject> target_;
    QString controlName_;
    ProblemSink problems_;
    QHash<QByteArray, QMetaMethod> methods_;
    QHash<QByteArray, QMetaProperty> properties_;
    QStringList missing_;
};

}  // namespace razudar::controls
