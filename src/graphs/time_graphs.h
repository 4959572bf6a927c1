#pragma once
// The temperature-versus-time graph drawn after an unsteady run, with the
// measured points of "Exp.txt" and their root-mean-square deviation from the
// simulated curve:
//     sigma = sqrt( (1/n) · sum_k (Te_k - Ts(te_k))^2 ),
// Ts(te) interpolated linearly between the two series rows that bracket te.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/graph_pane.h"
#include "platform/platform.h"

namespace calorvia::graphs {

inline constexpr std::string_view ExperimentalFileName = "Exp.txt";
// The dots use at most this many points of "Exp.txt".
inline constexpr std::size_t MaxExperimentalPoints = 8000;
// STANDARD_ERROR's answer when the series file cannot be opened.
inline constexpr float MissingSeriesDeviation = 1.0E30f;

// Option 1: the followed volume No; option 2: the mean of the domain.
enum class TimeGraphChoice : std::int32_t { Node = 1, Average = 2 };

struct TimeSeries {
    std::vector<float> t;
    std::vector<float> T;
};

// One line of two numbers, time then temperature, separated by blanks, tabs
// or a comma; false when the line does not hold two numbers.
bool readPointLine(std::string_view line, float& time, float& temperature);

// The points of "Exp.txt" up to the first line that is not a point, at most
// `limit` of them. Empty when the file is missing.
TimeSeries readExperimentalData(const std::filesystem::path& file,
                                std::size_t limit = MaxExperimentalPoints);

// The rows of a history file after its four heading lines, at most
// `maxRows`, up to the first row that is not two numbers.
TimeSeries readHistorySeries(const std::filesystem::path& file, std::size_t maxRows);

// The history file of the choice in `language` (1 Portuguese, else English).
std::string seriesFileName(TimeGraphChoice choice, std::int32_t language);

// The deviation of the points of "Exp.txt" in `folder` from the chosen series.
// 1.0E30 when the series file cannot be opened; NaN when no point was compared.
float STANDARD_ERROR(TimeGraphChoice choice, std::int32_t language,
                     const std::filesystem::path& folder = ".");

// The dialog's answer.
struct TimeGraphRequest {
    TimeGraphChoice choice = TimeGraphChoice::Node;
    bool experimental = false;
};

// Template 113 in `language`. Each click of the check box runs EXPERIMENTA,
// which toggles the experimental switch and shows or blanks the three help
// lines in the language read from `languageSetting`.
TimeGraphRequest runTimeGraphDialog(platform::Platform& platform, std::int32_t language,
                                    const settings::LanguageSetting& languageSetting);

// What the time graph stage needs from the run.
struct TimeGraphInputs {
    std::int32_t language = 2;
    std::int32_t No = 1;
    std::int32_t Nst = 1;
    std::int16_t colour = 12;
    int screenWidth = 1024;
    GraphBoundaries boundaries;
    std::filesystem::path folder = ".";  // the program folder: histories, "Exp.txt", settings
    // Where the help of the dialog reads its language; nothing: "idioma" in `folder`.
    std::optional<settings::LanguageSetting> languageSetting;
};

// The whole stage: dialog, title, curve, dots, curve again, deviation.
void drawTimeGraph(platform::Platform& platform, GraphPane& pane, const TimeGraphInputs& inputs);

}  // namespace calorvia::graphs
