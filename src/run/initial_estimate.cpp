#include "run/initial_estimate.h"

#include "interpreter/text_preparation.h"
#include "run/result_files.h"
#include "shell/menus.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/number_writer.h"
#include "text/text_file.h"
#include "texts/run_texts.h"

namespace calorvia::run {

using namespace simulation;  // the run speaks the simulation's vocabulary
using texts::RunText;
using texts::Text;

namespace {

bool writeBuffers(const std::filesystem::path& file, const std::vector<std::string>& buffers,
                  std::int32_t N) {
    std::vector<std::string> lines;
    for (std::int32_t i = 1; i <= N; ++i) {
        lines.emplace_back(text::trimRight(buffers[static_cast<std::size_t>(i)]));
    }
    return writeResultFile(file, lines);
}

}  // namespace

std::string estimateLine(double value, std::int32_t node, texts::Language language) {
    return text::ListLine()
        .real(value)
        .text(texts::textFor(RunText::EstimateNodeLabel, language))
        .integer(node)
        .str();
}

std::int32_t readEstimateLines(const std::vector<std::string>& lines, std::int32_t N,
                               std::vector<std::string>& buffers, NodeArray& values) {
    for (std::int32_t i = 1; i <= N; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (index > lines.size()) return i - 1;
        std::string buffer = text::cutToWidth(lines[index - 1], EstimateLineWidth);
        interpreter::CONVERT(buffer);
        buffers[index] = buffer;
        const std::optional<double> value = text::readReal(buffer);
        if (!value) return i - 1;
        values[index] = *value;
    }
    return N;
}

EstimateOutcome editInitialEstimate(platform::Platform& platform, texts::Language language,
                                    const std::filesystem::path& folder,
                                    const std::function<int(std::string_view, int)>& tell,
                                    std::int32_t N, NodeArray& T) {
    auto say = [language](Text text) { return texts::textFor(text, language); };
    platform.beep(100, 100);
    if (tell(say(RunText::EstimateOffer), platform::kMessageYesNo) != platform::kAnswerYes) {
        return EstimateOutcome::Declined;
    }
    platform.setMenuItemEnabled(shell::menu::File, shell::item::Title, false);
    platform.setMenuItemEnabled(shell::menu::Simulation, shell::item::Title, false);

    const std::string name(say(RunText::InitialEstimateFileName));
    const std::filesystem::path file = folder / text::pathFromUtf8(name);
    std::vector<std::string> buffers(static_cast<std::size_t>(N) + 1);
    NodeArray edited = makeNodeArray(N);
    for (std::int32_t i = 1; i <= N; ++i) {
        edited[i] = T[i];
        buffers[static_cast<std::size_t>(i)] = estimateLine(T[i], i, language);
    }

    EstimateOutcome outcome = EstimateOutcome::Abandoned;
    bool written = false;  // only a file of ours is deleted at the end
    while (true) {
        if (!writeBuffers(file, buffers, N)) {
            tell(texts::withValue(say(RunText::FileWriteFailed), name), platform::kMessageOk);
            outcome = EstimateOutcome::WriteFailed;
            break;
        }
        written = true;
        platform.editTextFile(text::utf8FromPath(file), true);
        const auto lines = text::readTextLines(file);
        if (lines && readEstimateLines(*lines, N, buffers, edited) == N) {
            for (std::int32_t i = 1; i <= N; ++i) T[i] = edited[i];
            outcome = EstimateOutcome::Accepted;
            break;
        }
        if (tell(say(RunText::EstimateReadError), platform::kMessageYesNo) ==
            platform::kAnswerYes) {
            continue;
        }
        tell(say(RunText::EstimateCancelled), platform::kMessageOk);
        outcome = EstimateOutcome::Abandoned;
        break;
    }
    platform.setMenuItemEnabled(shell::menu::File, shell::item::Title, true);
    platform.setMenuItemEnabled(shell::menu::Simulation, shell::item::Title, true);
    if (written) platform.deleteFile(text::utf8FromPath(file));
    return outcome;
}

}  // namespace calorvia::run
