#include "text/text_file.h"

#include <unistd.h>
#include <atomic>
#include <fstream>
#include <functional>
#include <iterator>
#include <system_error>

#include "text/fixed_text.h"

namespace calorvia::text {

std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::size_t countWithoutTrailingBlankLines(const std::vector<std::string>& lines) {
    std::size_t count = lines.size();
    while (count > 0 && textLength(lines[count - 1]) == 0) --count;
    return count;
}

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

void skipByteOrderMark(std::string& line) {
    if (line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
}

std::optional<std::string> readTextFile(const std::filesystem::path& path) {
    if (!isRegularFile(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return content;
}

std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& path) {
    if (!isRegularFile(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lines.empty()) skipByteOrderMark(line);
        lines.push_back(std::move(line));
        line.clear();
    }
    if (in.bad()) return std::nullopt;
    return lines;
}

namespace {

bool writeBytes(const std::filesystem::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();  // what the system refuses shows by the close at the latest
    return !out.fail();
}

// The file a chain of symbolic links ends at (each target relative to its
// link's folder when relative); nothing for a loop or a link that cannot be read.
std::optional<std::filesystem::path> endOfLinks(std::filesystem::path path) {
    std::error_code error;
    for (int hops = 0; hops < 40; ++hops) {
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
            return path;
        }
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return std::nullopt;
        path = target.is_relative() ? path.parent_path() / target : target;
    }
    return std::nullopt;
}

}  // namespace

bool replaceFile(const std::filesystem::path& linkOrFile,
                 const std::function<bool(const std::filesystem::path&)>& write) {
    const std::optional<std::filesystem::path> resolved = endOfLinks(linkOrFile);
    if (!resolved) return false;
    const std::filesystem::path& path = *resolved;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return !std::filesystem::is_directory(status) && write(path);
    }
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    if (!write(temporary)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

bool writeTextFileAtomically(const std::filesystem::path& path, std::string_view content) {
    return replaceFile(
        path, [content](const std::filesystem::path& to) { return writeBytes(to, content); });
}

}  // namespace calorvia::text
