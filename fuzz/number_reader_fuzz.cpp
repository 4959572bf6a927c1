// Any bytes into the number readers: a value or a failure, never a crash, and
// every value read is finite and survives being written and read again.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "text/number_reader.h"
#include "text/number_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = calorvia::text::readReal(text)) {
        if (!std::isfinite(*value)) __builtin_trap();
        const auto back = calorvia::text::readReal(calorvia::text::shortestReal(*value));
        if (!back || std::memcmp(&*back, &*value, sizeof(double)) != 0) __builtin_trap();
        (void)calorvia::text::generalFloat(static_cast<float>(*value));
        (void)calorvia::text::fixedReal(*value, 12, 5);
    }
    if (const auto integer = calorvia::text::readInteger(text)) {
        const auto again = calorvia::text::readReal(text);
        if (!again || *again != static_cast<double>(*integer)) __builtin_trap();
    }
    return 0;
}
