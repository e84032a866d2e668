#include "platform/db/criteria.h"

#include <QDateTime>

#include <cmath>
#include <optional>
#include <vector>

#include "platform/values/numeric_value.h"

namespace razudar::db {

struct Criteria::Node {
    enum class Kind { Compare, Like, IsNull, All, And, Or, Not };
    enum class Op { Eq, Ne, Lt, Le, Gt, Ge };
    Kind kind = Kind::All;
    Op op = Op::Eq;
    QString field;
    QVariant value;
    std::vector<std::shared_ptr<const Node>> children;
};

namespace {

// A value of a number type as it is; a text when it reads as a decimal number.
std::optional<double> numberFrom(const QVariant& v) {
    if (const auto number = numericValue(v)) return number;
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (ok) return d;
    }
    return std::nullopt;
}

QString textFrom(const QVariant& v) {
    if (v.typeId() == QMetaType::QDateTime) {
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    return v.toString();
}

std::shared_ptr<const Criteria::Node> makeCompare(Criteria::Node::Op op, const QString& field,
                                                  const QVariant& value) {
    auto n = std::make_shared<Criteria::Node>();
    n->kind = Criteria::Node::Kind::Compare;
    n->op = op;
    n->field = field;
    n->value = value;
    return n;
}

bool likeAt(const QString& text, qsizetype ti, const QString& pattern, qsizetype pi) {
    while (pi < pattern.size()) {
        const QChar p = pattern[pi];
        if (p == u'*') {
            while (pi < pattern.size() && pattern[pi] == u'*') ++pi;
            if (pi == pattern.size()) return true;
            for (qsizetype k = ti; k <= text.size(); ++k) {
                if (likeAt(text, k, pattern, pi)) return true;
            }
            return false;
        }
        if (ti >= text.size()) return false;
        const QChar t = text[ti];
        if (p == u'?') {
            // any one character
        } else if (p == u'#') {
            if (!t.isDigit()) return false;
        } else if (t.toCaseFolded() != p.toCaseFolded()) {
            return false;
        }
        ++ti;
        ++pi;
    }
    return ti == text.size();
}

bool evaluate(const Criteria::Node& n, const Criteria::FieldReader& read) {
    using Kind = Criteria::Node::Kind;
    using Op = Criteria::Node::Op;
    switch (n.kind) {
    case Kind::All:
        return true;
    case Kind::IsNull:
        return read(n.field).isNull();
    case Kind::Like: {
        const QVariant v = read(n.field);
        if (v.isNull()) return false;
        return likeMatches(textFrom(v), n.value.toString());
    }
    case Kind::Compare: {
        const QVariant v = read(n.field);
        if (v.isNull() || n.value.isNull()) return false;
        const int c = compareValues(v, n.value);
        switch (n.op) {
        case Op::Eq: return c == 0;
        case Op::Ne: return c != 0;
        case Op::Lt: return c < 0;
        case Op::Le: return c <= 0;
        case Op::Gt: return c > 0;
        case Op::Ge: return c >= 0;
        }
        return false;
    }
    case Kind::And:
        for (const auto& c : n.children) {
            if (!evaluate(*c, read)) return false;
        }
        return true;
    case Kind::Or:
        for (const auto& c : n.children) {
            if (evaluate(*c, read)) return true;
        }
        return false;
    case Kind::Not:
        return !evaluate(*n.children.front(), read);
    }
    return false;
}

}  // namespace

int compareValues(const QVariant& a, const QVariant& b) {
    // Numbers compare as numbers when either side is of a number type and both read as one.
    if (numericValue(a) || numericValue(b)) {
        const std::optional<double> x = numberFrom(a);
        const std::optional<double> y = numberFrom(b);
        if (x && y) return *x < *y ? -1 : (*x > *y ? 1 : 0);
    }
    return textFrom(a).compare(textFrom(b), Qt::CaseInsensitive);
}

bool likeMatches(const QString& text, const QString& pattern) { return likeAt(text, 0, pattern, 0); }

Criteria Criteria::equal(const QString& f, const QVariant& v) { return Criteria(makeCompare(Node::Op::Eq, f, v)); }
Criteria Criteria::notEqual(const QString& f, const QVariant& v) { return Criteria(makeCompare(Node::Op::Ne, f, v)); }
Criteria Criteria::less(const QString& f, const QVariant& v) { return Criteria(makeCompare(Node::Op::Lt, f, v)); }
Criteria Criteria::lessOrEqual(const QString& f, const QVariant& v) { return Criteria(makeCompare(Node::Op::Le, f, v)); }
Criteria Criteria::greater(const QString& f, const QVariant& v) { return Criteria(makeCompare(Node::Op::Gt, f, v)); }
Criteria Criteria::greaterOrEqual(const QString& f, const QVariant& v) { return Criteria(makeCompare(Node::Op::Ge, f, v)); }

Criteria Criteria::like(const QString& field, const QString& pattern) {
    auto n = std::make_shared<Node>();
    n->kind = Node::Kind::Like;
    n->field = field;
    n->value = pattern;
    return Criteria(n);
}

Criteria Criteria::isNull(const QString& field) {
    auto n = std::make_shared<Node>();
    n->kind = Node::Kind::IsNull;
    n->field = field;
    return Criteria(n);
}

Criteria Criteria::all() { return Criteria(std::make_shared<Node>()); }

Criteria Criteria::operator&&(const Criteria& other) const {
    auto n = std::make_shared<Node>();
    n->kind = Node::Kind::And;
    n->children = {node_, other.node_};
    return Criteria(n);
}

Criteria Criteria::operator||(const Criteria& other) const {
    auto n = std::make_shared<Node>();
    n->kind = Node::Kind::Or;
    n->children = {node_, other.node_};
    return Criteria(n);
}

Criteria Criteria::operator!() const {
    auto n = std::make_shared<Node>();
    n->kind = Node::Kind::Not;
    n->children = {node_};
    return Criteria(n);
}

bool Criteria::matches(const FieldReader& read) const { return evaluate(*node_, read); }

}  // namespace razudar::db
