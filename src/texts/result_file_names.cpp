#include "texts/result_file_names.h"

namespace calorvia::texts {

std::string_view resultFileName(ResultFile file, Language language) {
    switch (file) {
        case ResultFile::Data:
            return textFor(Text::DataFileName, language);
        case ResultFile::Flux:
            return textFor(Text::FluxFileName, language);
        case ResultFile::FluxPosition:
            return textFor(Text::FluxPositionFileName, language);
        case ResultFile::Unsteady:
            return textFor(Text::UnsteadyFileName, language);
        case ResultFile::Average:
            return textFor(Text::AverageFileName, language);
        case ResultFile::West:
            return textFor(Text::WestFileName, language);
        case ResultFile::East:
            return textFor(Text::EastFileName, language);
        case ResultFile::Steady:
            return textFor(Text::SteadyFileName, language);
        case ResultFile::Exact:
            return textFor(Text::ExactFileName, language);
        case ResultFile::Balance:
            return textFor(Text::BalanceFileName, language);
    }
    return {};
}

}  // namespace calorvia::texts
