#pragma once
// The expressions of picture records: numbers and the names of sizes joined
// by + - * / and parentheses, with unary minus ("(b - s)/2", "-0.3*h").
#include <map>
#include <string>

namespace pictures {

using Names = std::map<std::string, double>;

// The value of the expression; an unknown name or a malformed expression
// throws std::runtime_error naming the expression.
double evaluate(const std::string& expression, const Names& names);

} // namespace pictures
