// Any texts typed into the fields of the case entry wizard (File > New) and
// of the tolerance dialog: each is accepted or refused with a message, never
// a crash; a case the wizard accepts and saves is one File > Open reads back.
//
// The input is a control byte followed by the field texts, one per line:
// step 1 (Lx, N, K, Sc, Sp, u), step 2 (Ti, Rho, Cp, Delt_t, Nst, No), the
// west boundary (T, Phi, h, Tinf), the east one, and the tolerance. The
// control byte picks the state, the Gauss-Seidel box, how many closing
// warnings the student answers No, and whether step 2 is expected. Where the
// wizard asks for something the script did not foresee (a refusal, another
// step), the scripted platform stops it; each input starts a fresh shell.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "entry/case_commands.h"
#include "entry/saved_case_reader.h"
#include "platform/dialog_templates.h"
#include "shell/shell.h"
#include "support/scripted_platform.h"

namespace {

namespace g = calorvia::platform::general_step;
namespace t = calorvia::platform::transient_step;
namespace b = calorvia::platform::boundary_step;
namespace tol = calorvia::platform::tolerance_dialog;
using calorvia::platform::DialogScript;
using calorvia::platform::ScriptedPlatform;
using calorvia::platform::ScriptError;

constexpr std::size_t kFieldCount = 21;

std::vector<std::string> fieldsOf(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < kFieldCount) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            fields.emplace_back(start <= text.size() ? text.substr(start) : std::string_view{});
            start = text.size() + 1;
        } else {
            fields.emplace_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    return fields;
}

DialogScript& typed(DialogScript& script, std::initializer_list<int> controls,
                    const std::vector<std::string>& fields, std::size_t first) {
    std::size_t i = first;
    for (const int control : controls) script.type(control, fields[i++]);
    return script;
}

// A boundary dialog greys the boxes of the other kinds of condition once one
// is filled in, so only the texts given are typed, as a student would.
DialogScript& typedBoundary(DialogScript& script, const std::vector<std::string>& fields,
                            std::size_t first) {
    std::size_t i = first;
    for (const int control : {b::kTEdit, b::kPhiEdit, b::kHEdit, b::kTinfEdit}) {
        if (!fields[i].empty()) script.type(control, fields[i]);
        ++i;
    }
    return script;
}

// The program directory of every input, made current once and removed when
// the fuzzer ends (kept on the heap so that it outlives the exit handler).
const std::filesystem::path& programDirectory() {
    static const std::filesystem::path* const folder = [] {
        auto* path =
            new std::filesystem::path(std::filesystem::temp_directory_path() /
                                      ("calorvia-entry-fuzz-" + std::to_string(::getpid())));
        std::filesystem::create_directories(*path / "Data");
        std::filesystem::current_path(*path);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(programDirectory(), ignored);
        });
        return path;
    }();
    return *folder;
}

void scriptWizard(ScriptedPlatform& platform, std::uint8_t control,
                  const std::vector<std::string>& fields, const std::filesystem::path& saved) {
    using calorvia::platform::kAnswerNo;
    using calorvia::platform::kButtonForward;
    DialogScript& general =
        typed(platform.expectDialog(g::kTemplate),
              {g::kLxEdit, g::kNEdit, g::kKEdit, g::kScEdit, g::kSpEdit, g::kUEdit}, fields, 0);
    if ((control & 0x03) == 1) general.click(g::kSteadyRadio);
    if ((control & 0x03) == 2) general.click(g::kUnsteadyRadio);
    if (control & 0x04) general.click(g::kGaussSidelCheck);
    general.press(kButtonForward);
    if (control & 0x08) {
        typed(platform.expectDialog(t::kTemplate),
              {t::kTiEdit, t::kRhoEdit, t::kCpEdit, t::kDeltTEdit, t::kNstEdit, t::kNoEdit}, fields,
              6)
            .press(kButtonForward);
    }
    typedBoundary(platform.expectDialog(b::kWestTemplate), fields, 12).press(kButtonForward);
    typedBoundary(platform.expectDialog(b::kEastTemplate), fields, 16).press(kButtonForward);
    for (int warning = 0; warning < ((control >> 4) & 0x03); ++warning) {
        platform.expectMessageBox(kAnswerNo);
    }
    platform.expectSaveFile(saved.string());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::filesystem::path& folder = programDirectory();
    const std::uint8_t control = data[0];
    const std::vector<std::string> fields =
        fieldsOf(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const std::filesystem::path saved = folder / "Data" / "case.txt";
    std::error_code error;
    std::filesystem::remove(saved, error);
    std::filesystem::remove(folder / "Loaded.txt", error);

    ScriptedPlatform platform;
    calorvia::shell::Shell shell(platform, calorvia::shell::DataFolders());
    shell.buildMenus();
    if (!shell.startUp()) return 0;

    if (control & 0x40) {
        // Preferences > Tolerance: a refused text is shown again until Cancel.
        platform.expectDialog(tol::kTemplate)
            .type(tol::kToleranceEdit, fields[20])
            .press(calorvia::platform::kButtonOk);
        try {
            shell.TOLERANCE();
        } catch (const ScriptError&) {
        }
        return 0;
    }

    calorvia::entry::CaseEntryCommands commands(platform, shell);
    scriptWizard(platform, control, fields, saved);
    try {
        commands.NOVO();
    } catch (const ScriptError&) {
        return 0;
    }
    if (std::filesystem::exists(saved, error)) {
        // What the wizard saved, File > Open reads.
        if (!calorvia::entry::readSavedCaseFile(saved).ok()) __builtin_trap();
    }
    return 0;
}
