#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "LayerTable.h"

namespace zubolo::layers {

// Checks every #include "..." in the source files under `sourceDir` against `table` and returns
// one line per finding, in the order of the files' paths:
//   "src/monitor/Tick.cpp:5: monitor may not include "mainwindow/ZuboloForm.h" (folder mainwindow)"
//   "src/extra: holds source files but has no row in the table"
// A file's folder is its directory relative to `sourceDir`; an include names the folder of the
// path as written ("a/b/C.h" names a/b), or the resources folder when it has no slash. A folder
// may always include itself.
std::vector<std::string> FindLayerViolations(const std::filesystem::path& sourceDir,
                                             const LayerTable& table);

}  // namespace zubolo::layers
