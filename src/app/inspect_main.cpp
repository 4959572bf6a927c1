// calorvia-inspect: reads a working case file the way every run starts and
// prints what the run would work with. ./calorvia shows it where no display
// exists.
//
//   calorvia-inspect [CASE_FILE]     (default: Loaded.txt in the current folder)

#include <cstdio>
#include <iostream>
#include <string>

#include "settings/settings_files.h"
#include "simulation/case_loader.h"
#include "text/number_writer.h"

namespace {

using namespace calorvia;

void printProperty(const char* name, const simulation::PropertyExpression& p) {
    std::cout << "  " << name << " = ";
    if (p.isFormula) {
        // The engine's name of the temperature is "z"; the student wrote T.
        std::string shown = p.text;
        for (char& ch : shown) {
            if (ch == 'z') ch = 'T';
        }
        std::cout << shown << "   (formula)\n";
    } else {
        std::cout << text::shortestReal(p.constant) << '\n';
    }
}

void printBoundary(const char* side, const simulation::BoundaryCondition& b) {
    std::cout << "  " << side << ": ";
    const simulation::BoundaryTypeDescription* type = simulation::describe(b.type);
    if (type == nullptr) {
        std::cout << "unknown type " << simulation::fileNumber(b.type) << '\n';
        return;
    }
    std::cout << type->name;
    const char* separator = " ";
    for (const simulation::BoundaryValue value : type->values) {
        const simulation::BoundaryValueDescription& held = simulation::describe(value);
        std::cout << separator << held.key << " = " << b.*held.number;
        separator = ", ";
    }
    std::cout << '\n';
}

void printCase(const simulation::LoadedCase& loaded) {
    const simulation::SimulationCase& c = loaded.simulationCase;
    std::cout << "  Lx = " << text::shortestReal(c.Lx) << "\n  N = " << c.N << '\n';
    printProperty("K", c.K);
    printProperty("Sc", c.Sc);
    printProperty("Sp", c.Sp);
    const bool steady = c.state == simulation::CaseState::Steady;
    const bool gaussSidel = c.method == simulation::SolutionMethod::GaussSeidel;
    std::cout << "  state = " << simulation::fileNumber(c.state)
              << (steady ? " (steady)" : " (unsteady)") << '\n'
              << "  method = " << simulation::fileNumber(c.method)
              << (gaussSidel ? " (Gauss-Sidel)" : " (Tab. LU)") << '\n';
    if (c.hasTransientBlock()) {
        printProperty("Ti", c.Ti);
        printProperty("Rho", c.Rho);
        printProperty("Cp", c.Cp);
        std::cout << "  Delt_t = " << text::shortestReal(c.Delt_t) << "\n  Nst = " << c.Nst
                  << "\n  No = " << c.No << '\n';
    }
    printBoundary("west (x = 0.0)", c.west);
    printBoundary("east (x = L)", c.east);
    std::cout << "  u = " << text::shortestReal(c.u) << "\n\n"
              << "  steps to march: " << loaded.stepsToMarch
              << ", steady passes allowed: " << loaded.outerIterationLimit << "\n\n"
              << "  Initial temperature of the volumes\n"
              << "      Volume    Position x    Temperature\n";
    const std::vector<float> centres = simulation::accumulatedCentres(c.Lx, c.N);
    for (std::size_t i = 0; i < loaded.initialTemperature.size(); ++i) {
        std::cout << text::fixedInteger(static_cast<std::int64_t>(i + 1), 12)
                  << text::fixedReal(centres[i], 14, 5)
                  << text::fixedReal(loaded.initialTemperature[i], 15, 7) << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && (std::string(argv[1]) == "-h" ||
                                   std::string(argv[1]) == "--help"))) {
        std::cerr << "usage: calorvia-inspect [CASE_FILE]\n";
        return argc > 2 ? 1 : 0;
    }
    const std::string path = argc == 2 ? argv[1] : std::string(settings::WorkingCaseFileName);
    simulation::CaseLoadContext context;
    context.mathErrorHook = [](std::string_view function, interpreter::MathErrorKind kind) {
        std::cerr << "A error has occurred!  Function - " << function << " - (kind "
                  << static_cast<int>(kind) << ")\n";
    };
    const simulation::CaseLoadResult result = simulation::loadCase(path, context);
    switch (result.failure) {
        case simulation::CaseLoadFailure::None: break;
        case simulation::CaseLoadFailure::MissingCase:
            std::cerr << path << ": First, in the \"File\" menu, you must inform the data for "
                         "the simulation!\n";
            return 2;
        case simulation::CaseLoadFailure::CorruptedFile:
            std::cerr << path
                      << ": There is a problem in the reading! The data file is corrupted.\n";
            return 2;
        case simulation::CaseLoadFailure::Cancelled: return 3;
    }
    std::cout << "Case " << path << "\n\n";
    printCase(*result.loaded);
    return 0;
}
