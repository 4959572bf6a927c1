#include "texts/result_file_names.h"
#include "texts/run_texts.h"

namespace calorvia::texts {

std::string_view resultFileName(ResultFile file, Language language) {
    switch (file) {
        case ResultFile::Data:
            return textFor(RunText::DataFileName, language);
        case ResultFile::Flux:
            return textFor(RunText::FluxFileName, language);
        case ResultFile::FluxPosition:
            return textFor(RunText::FluxPositionFileName, language);
        case ResultFile::Unsteady:
            return textFor(RunText::UnsteadyFileName, language);
        case ResultFile::Average:
            return textFor(RunText::AverageFileName, language);
        case ResultFile::West:
            return textFor(RunText::WestFileName, language);
        case ResultFile::East:
            return textFor(RunText::EastFileName, language);
        case ResultFile::Steady:
            return textFor(RunText::SteadyFileName, language);
        case ResultFile::Exact:
            return textFor(RunText::ExactFileName, language);
        case ResultFile::Balance:
            return textFor(RunText::BalanceFileName, language);
    }
    return {};
}

}  // namespace calorvia::texts
