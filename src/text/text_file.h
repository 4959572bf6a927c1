#pragma once
// Whole-file reading and safe writing of the program's plain-text files.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calorvia::text {

// File names and texts are UTF-8 ("Média.txt"); these conversions keep every
// byte, whatever the process locale.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

// Whether `path` is, or links to, a regular file. Only such files are read:
// a folder, a device (/dev/zero) or a FIFO has no end, or would block.
bool isRegularFile(const std::filesystem::path& path);

// Removes a UTF-8 byte-order mark (EF BB BF), which some editors write at the
// start of a text file, from the start of `line`.
void skipByteOrderMark(std::string& line);

// The lines of a text file without their line ends ("\n", or "\r\n" as a file
// made on Windows has them) and without a byte-order mark. Nothing when it is
// no regular file or cannot be opened or read.
std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path);

// The bytes of a file, unchanged. Nothing when it is no regular file or
// cannot be opened or read.
std::optional<std::string> readTextFile(const std::filesystem::path& path);

// How many lines remain when the blank lines at the end (an editor often adds
// one) are left out: the last value of a one-value-per-line file is on line
// count - 1.
std::size_t countWithoutTrailingBlankLines(const std::vector<std::string>& lines);

// Replaces the file at `path` with what `write` puts into the path it is
// given: a temporary file in the same folder, renamed over the old file when
// `write` succeeds and removed when it fails, so that a failed write never
// leaves half a file and the old file survives. A symbolic link is written
// through: its target is replaced so, and the link stays. A path that is
// there but is no regular file (a device such as /dev/stdout, a FIFO) is
// handed to `write` itself and never replaced. False when the file could not
// be written.
bool replaceFile(const std::filesystem::path& path,
                 const std::function<bool(const std::filesystem::path&)>& write);

// replaceFile with `content` as the file's bytes.
bool writeTextFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace calorvia::text
