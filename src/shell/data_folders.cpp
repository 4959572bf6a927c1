#include "shell/data_folders.h"
#include "text/text_file.h"

#include <array>
#include <system_error>
#include <utility>

#include "text/fixed_text.h"

namespace calorvia::shell {
namespace {

bool isFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The old help names and the documents that stand for them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kHelpDocuments{{
    {"help.hlp", "Help.html"},
    {"ajuda.hlp", "Ajuda.html"},
    {"syntax.hlp", "Syntax.html"},
    {"sintaxe.hlp", "Sintaxe.html"},
    {"window.hlp", "Window.html"},
    {"janela.hlp", "Janela.html"},
}};

}  // namespace

DataFolders::DataFolders(std::vector<std::filesystem::path> installed)
    : installed_(std::move(installed)) {}

void DataFolders::setProgramDirectory(std::filesystem::path directory) {
    programDirectory_ = std::move(directory);
}

std::filesystem::path DataFolders::picture(std::string_view relative) const {
    const std::filesystem::path inProgramDirectory =
        programDirectory_ / text::pathFromUtf8(relative);
    if (isFile(inProgramDirectory)) return inProgramDirectory;
    if (auto shippedFile = shipped(relative)) return *shippedFile;
    return inProgramDirectory;
}

std::optional<std::filesystem::path> DataFolders::shipped(std::string_view relative) const {
    for (const auto& folder : installed_) {
        const std::filesystem::path candidate = folder / text::pathFromUtf8(relative);
        if (isFile(candidate)) return candidate;
    }
    return std::nullopt;
}

std::filesystem::path dataFolderBesideProgram(const std::filesystem::path& programDirectory) {
    return programDirectory / ".." / "share" / "calorvia";
}

std::vector<std::filesystem::path> installedDataFolders(const std::filesystem::path& buildTree) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    std::vector<std::filesystem::path> folders;
    if (!error) folders.push_back(dataFolderBesideProgram(program.parent_path()));
    folders.push_back(buildTree);
    return folders;
}

std::filesystem::path helpDocumentPath(const std::filesystem::path& requested,
                                       const DataFolders& folders) {
    const std::string name = text::toLowerAscii(text::utf8FromPath(requested.filename()));
    for (const auto& [oldName, document] : kHelpDocuments) {
        if (name != oldName) continue;
        const std::string relative = std::string(HelpFolder) + "/" + std::string(document);
        if (auto found = folders.shipped(relative)) return *found;
        return requested;
    }
    return requested;
}

std::string fileAddress(const std::filesystem::path& absolutePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (const char8_t c : absolutePath.generic_u8string()) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                                byte == '_' || byte == '~' || byte == '/';
        if (unreserved) {
            address += static_cast<char>(byte);
        } else {
            address += '%';
            address += kHex[byte >> 4];
            address += kHex[byte & 0x0F];
        }
    }
    return address;
}

}  // namespace calorvia::shell
