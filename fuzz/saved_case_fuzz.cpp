// Any bytes as a saved case file, read the way File > Open reads it: a filled
// record or a failure, never a crash; a filled record keeps every text
// within its width and its integer texts agree with their values.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "entry/saved_case_reader.h"
#include "simulation/case_writer.h"

namespace {

std::filesystem::path scratchFile() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("calorvia-saved-case-fuzz-" + std::to_string(::getpid()) + ".txt");
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace calorvia::entry;
    const std::filesystem::path path = scratchFile();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);

    const SavedCaseReading reading = readSavedCaseFile(path);
    if (!reading.ok()) return 0;
    const CaseEntry& e = reading.entry;
    if (e.Lx.size() > NumberEntryWidth || e.u.size() > NumberEntryWidth) __builtin_trap();
    if (e.K.size() > PropertyEntryWidth || e.Ti.size() > PropertyEntryWidth) __builtin_trap();
    if (e.west.T.size() > NumberEntryWidth || e.east.Tinf.size() > NumberEntryWidth) {
        __builtin_trap();
    }
    if (e.N != std::to_string(e.NValue)) __builtin_trap();
    if (e.steadyChosen == e.unsteadyChosen) __builtin_trap();
    if (e.gaussSidelChosen != (e.method == calorvia::simulation::SolutionMethod::GaussSeidel)) {
        __builtin_trap();
    }
    // What was read can be written again.
    const auto lines = calorvia::simulation::caseFileLines(
        caseFileContent(e), calorvia::simulation::CaseFileLayout::Saved);
    if (lines.size() < 10) __builtin_trap();
    return 0;
}
