#include "LayerCheck.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <set>

namespace zubolo::layers {

namespace {

namespace fs = std::filesystem;

bool IsSourceFile(const fs::path& path) {
    static const std::set<std::string> kExtensions{".h",   ".hpp", ".c",   ".cc",
                                                   ".cpp", ".cxx", ".inl", ".rc"};
    return kExtensions.contains(path.extension().string());
}

std::vector<fs::path> SourceFiles(const fs::path& sourceDir) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(sourceDir)) {
        if (entry.is_regular_file() && IsSourceFile(entry.path())) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The quoted name of an #include "..." line; nothing for any other line.
std::optional<std::string> QuotedInclude(const std::string& line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#') return std::nullopt;
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line.compare(i, 7, "include") != 0) return std::nullopt;
    i = line.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || line[i] != '"') return std::nullopt;
    const std::size_t end = line.find('"', i + 1);
    if (end == std::string::npos) return std::nullopt;
    return line.substr(i + 1, end - i - 1);
}

std::string IncludedFolder(const std::string& include) {
    const std::size_t slash = include.rfind('/');
    return slash == std::string::npos ? std::string(kResourcesFolder) : include.substr(0, slash);
}

std::string IncludeProblem(const std::string& folder, const std::string& include,
                           const LayerTable& table) {
    const std::string target = IncludedFolder(include);
    if (target == folder || table.at(folder).contains(target)) return {};
    const std::string named = "\"" + include + "\" (folder " + target + ")";
    if (target != kResourcesFolder && !table.contains(target)) {
        return "includes " + named + ", which has no row in the table";
    }
    return folder + " may not include " + named;
}

}  // namespace

std::vector<std::string> FindLayerViolations(const fs::path& sourceDir, const LayerTable& table) {
    std::vector<std::string> findings;
    std::set<std::string> foldersWithoutRow;
    const std::string shownDir = sourceDir.filename().generic_string();
    for (const fs::path& file : SourceFiles(sourceDir)) {
        const fs::path relative = file.lexically_relative(sourceDir);
        std::string folder = relative.parent_path().generic_string();
        if (folder.empty()) folder = ".";
        if (!table.contains(folder)) {
            if (foldersWithoutRow.insert(folder).second) {
                const std::string shownFolder = folder == "." ? shownDir : shownDir + "/" + folder;
                findings.push_back(shownFolder +
                                   ": holds source files but has no row in the table");
            }
            continue;
        }
        std::ifstream in(file, std::ios::binary);
        int lineNumber = 0;
        for (std::string line; std::getline(in, line);) {
            ++lineNumber;
            const std::optional<std::string> include = QuotedInclude(line);
            if (!include) continue;
            const std::string problem = IncludeProblem(folder, *include, table);
            if (!problem.empty()) {
                findings.push_back(shownDir + "/" + relative.generic_string() + ":" +
                                   std::to_string(lineNumber) + ": " + problem);
            }
        }
    }
    return findings;
}

}  // namespace zubolo::layers
