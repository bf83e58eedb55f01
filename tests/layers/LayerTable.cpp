#include "LayerTable.h"

#include <cctype>
#include <sstream>

namespace zubolo::layers {

namespace {

std::string Trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

// A folder name as the table writes it: spaces, backticks and a trailing slash do not count.
std::string FolderName(std::string_view cell) {
    std::string name;
    for (char c : Trimmed(cell)) {
        if (c != '`') name += c;
    }
    name = Trimmed(name);
    while (!name.empty() && name.back() == '/') name.pop_back();
    return name;
}

bool IsTableLine(const std::string& line) {
    return !line.empty() && line.front() == '|';
}

// The cells of "| a | b | c |"; the outer bars are optional at the end.
std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '|') {
            cells.push_back(Trimmed(cell));
            cell.clear();
        } else {
            cell += line[i];
        }
    }
    if (!Trimmed(cell).empty()) cells.push_back(Trimmed(cell));
    return cells;
}

std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsHeader(const std::string& line) {
    return IsTableLine(line) &&
           Cells(Lowered(line)) ==
               std::vector<std::string>{"folder", "what it is for", "may include"};
}

bool MeansNone(const std::string& name) {
    return name.empty() || name == "—" || name == "-";
}

std::vector<std::string> ListedFolders(const std::string& cell) {
    std::vector<std::string> folders;
    std::istringstream items(cell);
    std::string item;
    while (std::getline(items, item, ',')) {
        const std::string name = FolderName(item);
        if (!MeansNone(name)) folders.push_back(name);
    }
    return folders;
}

}  // namespace

ParsedLayerTable ParseLayerTable(std::string_view markdown) {
    ParsedLayerTable parsed;
    std::vector<std::string> lines;
    std::istringstream stream{std::string(markdown)};
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(Trimmed(line));
    }

    std::size_t header = 0;
    while (header < lines.size() && !IsHeader(lines[header])) ++header;
    if (header == lines.size()) {
        parsed.errors.push_back(
            "no table with the columns | folder | what it is for | may include |");
        return parsed;
    }

    // Rows follow the header and its separator line until the first line outside the table.
    for (std::size_t i = header + 2; i < lines.size() && IsTableLine(lines[i]); ++i) {
        const std::string where = "table line " + std::to_string(i + 1) + ": ";
        const std::vector<std::string> cells = Cells(lines[i]);
        if (cells.size() != 3) {
            parsed.errors.push_back(where + "expected three cells");
            continue;
        }
        const std::string folder = FolderName(cells[0]);
        const std::vector<std::string> listed = ListedFolders(cells[2]);
        if (folder.empty()) {
            parsed.errors.push_back(where + "the folder cell is empty");
        } else if (!parsed.table.emplace(folder, std::set(listed.begin(), listed.end())).second) {
            parsed.errors.push_back(where + "a second row for " + folder);
        }
    }
    if (parsed.table.empty()) parsed.errors.push_back("the table has no rows");

    for (const auto& [folder, allowed] : parsed.table) {
        for (const std::string& name : allowed) {
            if (name != kResourcesFolder && !parsed.table.contains(name)) {
                parsed.errors.push_back("the row of " + folder + " lists " + name +
                                        ", which has no row of its own");
            }
        }
    }
    return parsed;
}

}  // namespace zubolo::layers
