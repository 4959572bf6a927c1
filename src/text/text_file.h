#pragma once
// Whole-file reading and safe writing of the program's plain-text files.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calorvia::text {

// File names and texts are UTF-8 ("Média.txt"); these conversions keep every
// byte, whatever the process locale.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

// The lines of a text file without their line ends ("\n", or "\r\n" as a file
// made on Windows has them). Nothing when the file cannot be opened or read.
std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path);

// The bytes of a file, unchanged. Nothing when it cannot be opened or read.
std::optional<std::string> readTextFile(const std::filesystem::path& path);

// How many lines remain when the blank lines at the end (an editor often adds
// one) are left out: the last value of a one-value-per-line file is on line
// count - 1.
std::size_t countWithoutTrailingBlankLines(const std::vector<std::string>& lines);

// Replaces the file with `content` through a temporary file in the same folder
// and a rename, so that a failed write never leaves half a file and the old
// file survives. False when the file could not be written.
bool writeTextFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace calorvia::text
