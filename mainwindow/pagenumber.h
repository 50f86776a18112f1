#pragma once

#include <QString>

#include <optional>

// The page number field shows whole numbers with thousands separators and a
// negative number in parentheses ("1,234", "(5)").
namespace PageNumber {

QString format(int page);

// A typed page: a whole number of 1 or more, separators allowed. Anything
// else (empty, zero, negative, letters, out of range) is not a page.
std::optional<int> parseTyped(const QString &text);

// A typed count: a whole number of 0 or more, separators allowed; empty
// text is 0.
std::optional<int> parseCount(const QString &text);

} // namespace PageNumber
