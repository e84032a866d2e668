#include "app/controls/late_bound.h"

#include <QMetaObject>

#include <array>

namespace razudar::controls {

namespace {

constexpr int kMaxArguments = 10;

// Converts one argument to the parameter's type; a QVariant parameter takes it as it is.
bool convertArgument(QVariant& value, QMetaType type) {
    if (type == QMetaType::fromType<QVariant>()) return true;
    if (value.metaType() == type) return true;
    if (!value.isValid()) {
        value = QVariant(type);
        return true;
    }
    return value.convert(type);
}

}  // namespace

LateBoundObject::LateBoundObject(QObject* target, QString controlName, ProblemSink problems)
    : target_(target), controlName_(std::move(controlName)), problems_(std::move(problems)) {}

QByteArray LateBoundObject::key(const char* name, int argumentCount) {
    return QByteArray(name) + '/' + QByteArray::number(argumentCount);
}

void LateBoundObject::report(const QString& text) const {
    if (problems_) problems_(text);
}

bool LateBoundObject::resolveMethod(const char* name, int argumentCount) {
    const QByteArray k = key(name, argumentCount);
    if (methods_.contains(k)) return true;
    if (target_) {
        const QMetaObject* meta = target_->metaObject();
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod m = meta->method(i);
            if (m.methodType() == QMetaMethod::Signal) continue;
            if (m.name() == name && m.parameterCount() == argumentCount) {
                methods_.insert(k, m);
                return true;
            }
        }
    }
    missing_ << QString::fromLatin1(k);
    return false;
}

bool LateBoundObject::resolveProperty(const char* name) {
    if (properties_.contains(name)) return true;
    if (target_) {
        const int index = target_->metaObject()->indexOfProperty(name);
        if (index >= 0) {
            properties_.insert(name, target_->metaObject()->property(index));
            return true;
        }
    }
    missing_ << QString::fromLatin1(name);
    return false;
}

bool LateBoundObject::hasMethod(const char* name, int argumentCount) const {
    return methods_.contains(key(name, argumentCount));
}

bool LateBoundObject::hasProperty(const char* name) const { return properties_.contains(name); }

QVariant LateBoundObject::call(const char* name, const QVariantList& arguments, bool* ok) {
    if (ok) *ok = false;
    const QByteArray k = key(name, int(arguments.size()));
    auto it = methods_.constFind(k);
    if (it == methods_.constEnd() || !target_) {
        report(QStringLiteral("%1: il membro %2 con %3 argomenti non è disponibile")
                   .arg(controlName_, QString::fromLatin1(name))
                   .arg(arguments.size()));
        return {};
    }
    const QMetaMethod& method = *it;
    if (arguments.size() > kMaxArguments) return {};
    std::array<QVariant, kMaxArguments> values;
    std::array<QGenericArgument, kMaxArguments> generic;
    for (int i = 0; i < int(arguments.size()); ++i) {
        values[i] = arguments[i];
        const QMetaType type = method.parameterMetaType(i);
        if (!convertArgument(values[i], type)) {
            report(QStringLiteral("%1.%2: argomento %3 non convertibile in %4")
                       .arg(controlName_, QString::fromLatin1(name))
                       .arg(i + 1)
                       .arg(QString::fromLatin1(type.name())));
            return {};
        }
        generic[i] = type == QMetaType::fromType<QVariant>()
                         ? QGenericArgument("QVariant", &values[i])
                         : QGenericArgument(type.name(), values[i].constData());
    }
    QVariant result;
    QVariant returnHolder;
    QGenericReturnArgument returnArgument;
    const QMetaType returnType = method.returnMetaType();
    if (returnType == QMetaType::fromType<QVariant>()) {
        returnArgument = QGenericReturnArgument("QVariant", &result);
    } else if (returnType.isValid() && returnType.id() != QMetaType::Void) {
        returnHolder = QVariant(returnType);
        returnArgument = QGenericReturnArgument(returnType.name(), returnHolder.data());
    }
    const bool invoked =
        method.invoke(target_.data(), Qt::DirectConnection, returnArgument, generic[0], generic[1],
                      generic[2], generic[3], generic[4], generic[5], generic[6], generic[7],
                      generic[8], generic[9]);
    if (!invoked) {
        report(QStringLiteral("%1.%2: chiamata non riuscita").arg(controlName_, QString::fromLatin1(name)));
        return {};
    }
    if (ok) *ok = true;
    return returnHolder.isValid() ? returnHolder : result;
}

QVariant LateBoundObject::read(const char* name, bool* ok) const {
    if (ok) *ok = false;
    auto it = properties_.constFind(name);
    if (it == properties_.constEnd() || !target_) {
        report(QStringLiteral("%1: la proprietà %2 non è disponibile").arg(controlName_, QString::fromLatin1(name)));
        return {};
    }
    if (ok) *ok = true;
    return it->read(target_.data());
}

bool LateBoundObject::write(const char* name, const QVariant& value) {
    auto it = properties_.constFind(name);
    if (it == properties_.constEnd() || !target_ || !it->isWritable()) {
        report(QStringLiteral("%1: la proprietà %2 non è scrivibile").arg(controlName_, QString::fromLatin1(name)));
        return false;
    }
    return it->write(target_.data(), value);
}

bool LateBoundObject::connectEvent(const char* signalName, QObject* receiver, const char* slotName) {
    if (!target_ || !receiver) return false;
    const QMetaObject* meta = target_->metaObject();
    QMetaMethod signal;
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Signal && m.name() == signalName) {
            signal = m;
            break;
        }
    }
    const QMetaObject* receiverMeta = receiver->metaObject();
    QMetaMethod slot;
    for (int i = 0; i < receiverMeta->methodCount(); ++i) {
        const QMetaMethod m = receiverMeta->method(i);
        if (m.name() == slotName && m.parameterCount() == signal.parameterCount()) {
            slot = m;
            break;
        }
    }
    if (!signal.isValid() || !slot.isValid() || !QObject::connect(target_.data(), signal, receiver, slot)) {
        missing_ << QString::fromLatin1(signalName);
        report(QStringLiteral("%1: l'evento %2 non è disponibile").arg(controlName_, QString::fromLatin1(signalName)));
        return false;
    }
    return true;
}

}  // namespace razudar::controls
