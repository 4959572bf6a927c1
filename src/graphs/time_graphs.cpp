#include "graphs/time_graphs.h"

#include <cmath>
#include <fstream>
#include <optional>

#include "platform/dialog_bindings.h"
#include "platform/dialog_templates.h"
#include "settings/settings_files.h"
#include "text/fixed_text.h"
#include "text/number_reader.h"
#include "text/number_writer.h"
#include "text/text_file.h"
#include "texts/graph_texts.h"
#include "texts/result_file_names.h"
#include "texts/run_texts.h"
#include "texts/text_catalogue.h"

namespace calorvia::graphs {
namespace {

namespace dialog = platform::unsteady_graph_dialog;
using texts::GraphText;
using texts::RunText;
using texts::Text;

constexpr std::size_t HistoryHeadingLines = 4;

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// The next number of a free-form record, starting at `position`: blanks,
// then the value up to a blank, tab or comma; one comma after it (with its
// blanks) is consumed as the separator.
std::optional<float> nextValue(std::string_view line, std::size_t& position) {
    while (position < line.size() && isSeparator(line[position])) ++position;
    std::size_t end = position;
    while (end < line.size() && !isSeparator(line[end]) && line[end] != ',') ++end;
    const std::optional<double> value = text::readReal(line.substr(position, end - position));
    position = end;
    while (position < line.size() && isSeparator(line[position])) ++position;
    if (position < line.size() && line[position] == ',') ++position;
    if (!value) return std::nullopt;
    return static_cast<float>(*value);
}

// Reads line by line, as a sequential file is read, so that STANDARD_ERROR
// can take one record of each file in turn.
class RecordReader {
public:
    // Only a regular file is opened: a FIFO would block, a device never end.
    explicit RecordReader(const std::filesystem::path& file) {
        if (text::isRegularFile(file)) in_.open(file, std::ios::binary);
    }
    bool opened() const { return in_.is_open() && static_cast<bool>(in_); }
    bool skipLines(std::size_t count) {
        for (std::string line; count > 0 && std::getline(in_, line);) {
            --count;
            firstLine_ = false;
        }
        return count == 0;
    }
    // False at the end of the file or at a record that is not a point.
    bool point(float& time, float& temperature) {
        std::string line;
        if (!std::getline(in_, line)) return false;
        if (firstLine_) text::skipByteOrderMark(line);
        firstLine_ = false;
        return readPointLine(line, time, temperature);
    }

private:
    std::ifstream in_;
    bool firstLine_ = true;
};

// The points after the first `skipped` lines, up to `limit` of them.
TimeSeries readPoints(const std::filesystem::path& file, std::size_t skipped, std::size_t limit) {
    TimeSeries series;
    RecordReader reader(file);
    if (!reader.skipLines(skipped)) return series;
    float time = 0.0f;
    float temperature = 0.0f;
    while (series.t.size() < limit && reader.point(time, temperature)) {
        series.t.push_back(time);
        series.T.push_back(temperature);
    }
    return series;
}

}  // namespace

bool readPointLine(std::string_view line, float& time, float& temperature) {
    std::size_t position = 0;
    const std::optional<float> first = nextValue(line, position);
    if (!first) return false;
    const std::optional<float> second = nextValue(line, position);
    if (!second) return false;
    time = *first;
    temperature = *second;
    return true;
}

TimeSeries readExperimentalData(const std::filesystem::path& file, std::size_t limit) {
    return readPoints(file, 0, limit);
}

TimeSeries readHistorySeries(const std::filesystem::path& file, std::size_t maxRows) {
    return readPoints(file, HistoryHeadingLines, maxRows);
}

std::string seriesFileName(TimeGraphChoice choice, std::int32_t language) {
    const texts::ResultFile file =
        choice == TimeGraphChoice::Node ? texts::ResultFile::Unsteady : texts::ResultFile::Average;
    return std::string(texts::resultFileName(file, texts::languageFromCode(language)));
}

// Each experimental point takes series rows until one reaches its time: the
// rows before it become the lower bracket (t1, T1), that row the upper one
// (t2, T2). A row is read once, so a row that closed one bracket never opens
// the next.
float STANDARD_ERROR(TimeGraphChoice choice, std::int32_t language,
                     const std::filesystem::path& folder) {
    RecordReader experimental(folder / text::pathFromUtf8(ExperimentalFileName));
    RecordReader series(folder / text::pathFromUtf8(seriesFileName(choice, language)));
    if (!series.opened()) return MissingSeriesDeviation;
    bool seriesEnded = !series.skipLines(HistoryHeadingLines);
    float t1 = 0.0f, T1 = 0.0f, t2 = 0.0f, T2 = 0.0f;
    float lastRowT = 0.0f;
    float sum = 0.0f;
    std::int32_t count = 0;
    bool experimentalEnded = !experimental.opened();
    while (!experimentalEnded && !seriesEnded) {
        float te = 0.0f;
        float Te = 0.0f;
        if (!experimental.point(te, Te)) break;
        float ts = 0.0f;
        float Ts = 0.0f;
        while (true) {
            if (!series.point(ts, Ts)) {
                seriesEnded = true;
                break;
            }
            lastRowT = Ts;
            if (ts < te) {
                t1 = ts;
                T1 = Ts;
                continue;
            }
            t2 = ts;
            T2 = Ts;
            break;
        }
        const float simulated = t2 - t1 == 0.0f ? lastRowT : T1 + (T2 - T1) * (te - t1) / (t2 - t1);
        const float difference = Te - simulated;
        sum += difference * difference;
        ++count;
    }
    if (count == 0) return std::nanf("");
    return std::sqrt(sum / static_cast<float>(count));
}

TimeGraphRequest runTimeGraphDialog(platform::Platform& platform, std::int32_t language,
                                    const settings::LanguageSetting& languageSetting) {
    const platform::DialogHandle handle =
        platform::createDialogIn(platform, dialog::kTemplate, texts::languageFromCode(language));

    bool experimental = false;
    // EXPERIMENTA: one click of the check box shows the help, in the language
    // of "idioma", or blanks it again.
    auto EXPERIMENTA = [&platform, handle, &experimental, &languageSetting] {
        experimental = !experimental;
        const auto help = [&](Text text) { return experimental ? text : GraphText::BlankHelpLine; };
        const platform::Caption lines[]{
            {dialog::kHelpLine1, help(GraphText::ExperimentalHelpLine1)},
            {dialog::kHelpLine2, help(GraphText::ExperimentalHelpLine2)},
            {dialog::kHelpLine3, help(GraphText::ExperimentalHelpLine3)}};
        // Only the help reads "idioma"; a blank line is the same in both languages.
        platform::showCaptions(
            platform, handle, lines,
            experimental ? languageSetting.read(settings::WriteBack::DefaultWhenUnreadable).value
                         : texts::Language::English);
    };
    platform.setControlRoutine(handle, dialog::kExperimentalCheck, EXPERIMENTA);
    platform.runDialog(handle);

    TimeGraphRequest request;
    request.choice = platform.controlState(handle, dialog::kAverageRadio) &&
                             !platform.controlState(handle, dialog::kNodeRadio)
                         ? TimeGraphChoice::Average
                         : TimeGraphChoice::Node;
    request.experimental = experimental;
    platform.releaseDialog(handle);
    platform::requestTutorial(platform);
    return request;
}

void drawTimeGraph(platform::Platform& platform, GraphPane& pane, const TimeGraphInputs& inputs) {
    pane.scaleDefined = 0;
    pane.graphMode = kTimeGraph;
    const bool wide = inputs.screenWidth > 800;
    const std::int32_t X0 = wide ? 520 : 350;
    const std::int32_t Y0 = wide ? 180 : 80;

    const TimeGraphRequest request = runTimeGraphDialog(
        platform, inputs.language,
        inputs.languageSetting.value_or(
            settings::LanguageSetting(inputs.folder / settings::LanguageFileName)));

    std::string title;
    if (request.choice == TimeGraphChoice::Node) {
        title = std::string(texts::textFor(GraphText::UnsteadyNodeTitle, inputs.language)) +
                text::fixedInteger(inputs.No, 4);
    } else {
        title = std::string(texts::textFor(GraphText::UnsteadyAverageTitle, inputs.language));
    }

    const auto rows = static_cast<std::size_t>(inputs.Nst) + 1;
    const std::filesystem::path seriesFile =
        inputs.folder / text::pathFromUtf8(seriesFileName(request.choice, inputs.language));
    auto drawSeries = [&] {
        const TimeSeries series = readHistorySeries(seriesFile, rows);
        // A series of one point cannot be placed on the time axis.
        if (series.t.size() < 2) return;
        pane.GRAF_2D(static_cast<std::int32_t>(series.t.size()) - 1, series.t, series.T,
                     inputs.colour, X0, Y0, "t", "T", title, inputs.boundaries, kLinePlot);
    };
    drawSeries();
    if (!request.experimental) return;

    const TimeSeries points =
        readExperimentalData(inputs.folder / text::pathFromUtf8(ExperimentalFileName));
    if (!points.t.empty() && pane.scaleDefined != 0) {
        pane.GRAF_2D(static_cast<std::int32_t>(points.t.size()) - 1, points.t, points.T,
                     inputs.colour, X0, Y0, "t", "T", title, inputs.boundaries, kDotsOverlay);
    }
    drawSeries();

    std::string line(texts::textFor(GraphText::StandardDeviation, inputs.language));
    const float deviation = STANDARD_ERROR(request.choice, inputs.language, inputs.folder);
    if (points.t.empty() || std::isnan(deviation)) {
        line += texts::textFor(RunText::NoExperimentalPoints, inputs.language);
    } else {
        // The free form keeps its leading blanks; only trailing ones go.
        line += text::trimRight(text::ListLine().real(deviation).str());
    }
    platform.setColorIndex(0);
    platform.moveTo(X0 + 100, Y0 + 322);
    platform.outText(line);
}

}  // namespace calorvia::graphs
