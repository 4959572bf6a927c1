#pragma once
// The message that tells the user which function of the mathematical library
// failed and why.

#include <cstdint>
#include <string>
#include <string_view>

#include "texts/text_catalogue.h"

namespace calorvia::shell {

// Kinds 1 to 6 (domain, singularity, overflow, underflow, total and partial
// loss of precision): a first part, the function's name as the library
// reports it, " - ", and a second line chosen by the kind. Any other kind:
// a fixed text without the name.
std::string mathErrorMessage(std::string_view functionName, std::int32_t kind,
                             texts::Language language);

}  // namespace calorvia::shell
