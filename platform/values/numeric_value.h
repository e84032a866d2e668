#pragma once
// The number a value holds by its type, the one type switch that both the language semantics
// (a value's number) and the database layer (number or text comparison) read.
#include <QVariant>

#include <optional>

namespace razudar {

// Booleans give True = -1 and False = 0; the integer types of every width (the 8-bit character
// types included, as the database stores them as integers) and the floating-point types give
// their value. Texts, dates, null/invalid values and every other type give nullopt: how a text
// reads as a number is the caller's rule. A null value of a number type reads as 0.
std::optional<double> numericValue(const QVariant& value);

}  // namespace razudar
