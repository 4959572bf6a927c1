#pragma once
// The case entry wizard's record: every entry as the student typed it, and
// the values parsed from the entries that have been accepted. The record
// outlives the wizard, so that every showing of a dialog, and a later Open,
// starts from the last entries.

#include <cstdint>
#include <string>
#include <string_view>

#include "simulation/case_writer.h"

namespace calorvia::entry {

// How the wizard is started: New blanks the record first and asks for a file
// name at the end; Edit starts from an opened file and rewrites it in place.
enum class WizardMode : std::int32_t { New = 1, Edit = 2 };

// Widths of the record's fixed-width texts.
inline constexpr std::size_t NumberEntryWidth = 50;
inline constexpr std::size_t PropertyEntryWidth = 256;

// "Not chosen yet": a boundary type before its step was accepted, a state
// before the student picked one.
inline constexpr simulation::BoundaryType NoBoundaryType{};
inline constexpr simulation::CaseState NoStateChosen{};

// One boundary: the texts of its dialog and the condition read from them
// (type NoBoundaryType before the step was accepted); the same record the
// case files are written from.
using simulation::BoundaryEntry;

struct CaseEntry {
    // Step 1: general settings.
    std::string Lx;
    std::string N;
    std::string K;
    std::string Sc;
    std::string Sp;
    std::string u;
    bool steadyChosen = false;
    bool unsteadyChosen = false;
    bool gaussSidelChosen = false;
    // The body and, for a cylinder or a sphere, the inner radius as typed.
    simulation::Geometry geometry = simulation::Geometry::Plane;
    std::string ri;
    // Step 2: transient settings.
    std::string Ti;
    std::string Rho;
    std::string Cp;
    std::string Delt_t;
    std::string Nst;
    std::string No;
    // Steps 3 and 4 (2 and 3 without transient data).
    BoundaryEntry west;
    BoundaryEntry east;

    // Values parsed from accepted entries.
    double LxValue = 0.0;
    std::int32_t NValue = 0;
    double uValue = 0.0;
    double riValue = 0.0;
    simulation::CaseState state = NoStateChosen;
    simulation::SolutionMethod method{};
    double Delt_tValue = 0.0;
    std::int32_t NstValue = 0;
    std::int32_t NoValue = 0;

    // A steady case without velocity has no transient data: step 2 is
    // skipped and the case files hold no transient block.
    bool hasTransientData() const {
        return state == simulation::CaseState::Unsteady || uValue > 0.0;
    }

    // A solid cylinder or sphere (ri = 0): its west face is the axis or the
    // centre, where no boundary condition acts, so the wizard skips the west
    // step and the summary names the centre.
    bool westIsCentre() const { return simulation::isRadial(geometry) && riValue == 0.0; }
    // A solid body whose record holds a west condition other than the
    // centre's own (a flux of 0), as a file written by hand may: the run
    // uses the centre's, and the student should hear that the other is not.
    bool westConditionUnused() const;
    // The west boundary the case files hold: the one entered, or for a solid
    // body an insulated face (flux 0), which is what the centre is and what
    // any reader of the files, old or new, takes it for.
    BoundaryEntry effectiveWest() const;

    // The twenty texts and ri blank, the three choices cleared, no state,
    // the plane wall.
    void blank();
};

// Whether an entry holds nothing but blanks.
bool isBlankEntry(std::string_view text);

// What the two case files are written from.
simulation::CaseFileContent caseFileContent(const CaseEntry& entry);

}  // namespace calorvia::entry
