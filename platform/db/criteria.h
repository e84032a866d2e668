#pragma once
// Search criteria for FindFirst / FindLast on a record set, built by our own code (never parsed
// from text): comparisons of a field with a value, combined with and / or / not.
// Comparison rules: a Null field matches no comparison except isNull;
// texts compare without regard to case; a number and a numeric text compare as numbers; like()
// takes the engine's wildcards "*" (any run), "?" (one character) and "#" (one digit).
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

namespace razudar::db {

class Criteria {
public:
    // Reads a field's value of the row being tested; throws DbError 3265 for an unknown field.
    using FieldReader = std::function<QVariant(const QString& field)>;

    static Criteria equal(const QString& field, const QVariant& value);
    static Criteria notEqual(const QString& field, const QVariant& value);
    static Criteria less(const QString& field, const QVariant& value);
    static Criteria lessOrEqual(const QString& field, const QVariant& value);
    static Criteria greater(const QString& field, const QVariant& value);
    static Criteria greaterOrEqual(const QString& field, const QVariant& value);
    static Criteria like(const QString& field, const QString& pattern);
    static Criteria isNull(const QString& field);
    // Matches every row.
    static Criteria all();

    Criteria operator&&(const Criteria& other) const;
    Criteria operator||(const Criteria& other) const;
    Criteria operator!() const;

    bool matches(const FieldReader& read) const;

    struct Node;

private:
    explicit Criteria(std::shared_ptr<const Node> node) : node_(std::move(node)) {}
    std::shared_ptr<const Node> node_;
};

// Three-way comparison of two non-null values as the engine compares them (texts without case,
// numbers and numeric texts as numbers). Returns <0, 0 or >0.
int compareValues(const QVariant& a, const QVariant& b);
// Engine "like": "*" any run, "?" one character, "#" one digit; case-blind.
bool likeMatches(const QString& text, const QString& pattern);

}  // namespace razudar::db
