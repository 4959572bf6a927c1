#pragma once
// The settings file "tolera": the Gauss-Seidel tolerance Tol, one number in
// free form, read at the start of every run.

#include <filesystem>
#include <string_view>

namespace calorvia::settings {

inline constexpr std::string_view ToleranceFileName = "tolera";
inline constexpr double DefaultTolerance = 1.0E-08;

struct ToleranceReading {
    double Tol = DefaultTolerance;
    bool usedDefault = false;  // the file was missing, empty or not a number
    bool rewritten = false;    // the default was written back successfully
};

// Tol is the first value of the file's first line. A missing, empty or
// unreadable file gives the default, which is then written to the file; a
// file that cannot be written leaves Tol at the default all the same.
ToleranceReading readTolerance(const std::filesystem::path& file);

// Replaces the file with one free-form record holding Tol (read back exactly
// by readTolerance). False when the file could not be written.
bool writeTolerance(const std::filesystem::path& file, double Tol);

}  // namespace calorvia::settings
