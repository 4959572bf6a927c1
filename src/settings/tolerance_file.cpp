#include "settings/tolerance_file.h"

#include <optional>
#include <string>
#include <vector>

#include "text/number_reader.h"
#include "text/number_writer.h"
#include "text/text_file.h"

namespace calorvia::settings {

ToleranceReading readTolerance(const std::filesystem::path& file) {
    ToleranceReading reading;
    std::error_code error;
    if (!std::filesystem::is_directory(file, error)) {
        const std::optional<std::vector<std::string>> lines = text::readTextLines(file);
        if (lines && !lines->empty()) {
            if (const std::optional<double> value = text::readReal(lines->front())) {
                reading.Tol = *value;
                return reading;
            }
        }
    }
    reading.Tol = DefaultTolerance;
    reading.usedDefault = true;
    reading.rewritten = writeTolerance(file, DefaultTolerance);
    return reading;
}

bool writeTolerance(const std::filesystem::path& file, double Tol) {
    std::string record(" ");
    record += text::shortestReal(Tol);
    record += '\n';
    return text::writeTextFileAtomically(file, record);
}

}  // namespace calorvia::settings
