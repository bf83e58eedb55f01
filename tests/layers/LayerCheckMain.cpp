// zubolo_layer_check <ARCHITECTURE.md> <src folder>
// Reads the table of allowed folder dependencies from the head of ARCHITECTURE.md and checks
// every #include "..." under the src folder against it. Prints every finding and fails when
// there is one, or when the table itself is malformed.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "LayerCheck.h"
#include "LayerTable.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: zubolo_layer_check <ARCHITECTURE.md> <src folder>\n";
        return 2;
    }
    const std::filesystem::path doc = argv[1];
    const std::filesystem::path sourceDir = argv[2];
    std::ifstream in(doc, std::ios::binary);
    if (!in || !std::filesystem::is_directory(sourceDir)) {
        std::cerr << "cannot read " << doc << " or the folder " << sourceDir << "\n";
        return 2;
    }
    std::ostringstream markdown;
    markdown << in.rdbuf();

    const auto parsed = zubolo::layers::ParseLayerTable(markdown.str());
    for (const auto& error : parsed.errors) std::cout << doc.string() << ": " << error << "\n";
    if (!parsed.errors.empty()) return 1;

    const auto findings = zubolo::layers::FindLayerViolations(sourceDir, parsed.table);
    for (const auto& finding : findings) std::cout << finding << "\n";
    if (!findings.empty()) {
        std::cout << findings.size() << " finding(s) against the layer table in " << doc.string()
                  << "\n";
        return 1;
    }
    std::cout << "every include under " << sourceDir.string() << " keeps to the layer table ("
              << parsed.table.size() << " folders)\n";
    return 0;
}
