#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zubolo::layers {

// The folder an include without a slash names: the repository's resources/ folder is on the
// include path beside src/.
inline constexpr std::string_view kResourcesFolder = "resources";

// Which folders under src/ each folder may include, besides itself.
using LayerTable = std::map<std::string, std::set<std::string>>;

struct ParsedLayerTable {
    LayerTable table;
    std::vector<std::string> errors;  // empty when the table is well formed
};

// Reads the markdown table with the columns | folder | what it is for | may include | (the first
// one in `markdown`). Names may stand in backticks; the "may include" cell lists folders separated
// by commas, and "—", "-" or an empty cell mean none. Every folder a cell names must have a row of
// its own or be the resources folder.
ParsedLayerTable ParseLayerTable(std::string_view markdown);

}  // namespace zubolo::layers
