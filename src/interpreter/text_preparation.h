#pragma once
// Preparation of a property text before it is classified, read or compiled.
// Each operation rewrites the text in place; callers work on a copy of what
// the user typed. Texts are at most 256 characters.

#include <string>

namespace calorvia::interpreter {

// Folds A-Z to lower case and replaces a text that uses a function name
// without its "(" (sin T, 2*exp) by "erro".
void IDENTIFICA(std::string& text);

// Rewrites "^" to "**", "ln" to "log", "pi" to "3.14159" and the decimal
// comma to a point, repeating until nothing changes.
void CONVERT_B(std::string& text);

// Prepares a constant for the number reader: a leading F, f, t or T becomes
// "a" (never a number); commas become points.
void CONVERT(std::string& text);

}  // namespace calorvia::interpreter
