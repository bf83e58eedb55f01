#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "LayerCheck.h"
#include "LayerTable.h"

namespace zubolo::layers {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

TEST(LayerTableTest, ReadsTheRowsOfTheTableWithBackticksDashesAndEmptyCells) {
    const auto parsed = ParseLayerTable(R"(# Title

One sentence.

| folder | what it is for | may include |
|---|---|---|
| `common` | numbers | — |
| platform | interfaces, one per concern | `common` |
| `platform/win32/` | implementations | platform, `common`,resources |
| ui | model | |

Text after the table.

| folder | what it is for | may include |
|---|---|---|
| later | a second table is not read | common |
)");
    EXPECT_TRUE(parsed.errors.empty()) << parsed.errors.front();
    const LayerTable expected{{"common", {}},
                              {"platform", {"common"}},
                              {"platform/win32", {"platform", "common", "resources"}},
                              {"ui", {}}};
    EXPECT_EQ(expected, parsed.table);
}

TEST(LayerTableTest, ReportsAMalformedTable) {
    const std::string head = "| folder | what it is for | may include |\n|---|---|---|\n";
    const struct {
        std::string markdown;
        std::string error;
    } cases[] = {
        {"# Title\n\nNo table here.\n", "no table"},
        {head, "no rows"},
        {head + "| common | numbers | comon |\n", "the row of common lists comon"},
        {head + "| common | numbers | |\n| common | again | |\n", "a second row for common"},
        {head + "| common | numbers |\n", "table line 3: expected three cells"},
        {head + "| `` | nameless | |\n", "the folder cell is empty"},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseLayerTable(c.markdown);
        ASSERT_FALSE(parsed.errors.empty()) << c.markdown;
        EXPECT_THAT(parsed.errors.front(), HasSubstr(c.error)) << c.markdown;
    }
}

// A source tree in a fresh temporary folder named src, removed after the test.
class LayerCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() / ("zubolo-layers-" + std::to_string(std::random_device{}()));
        fs::create_directories(root_ / "src");
        Write("common/Numbers.h", "#pragma once\n");
        Write("platform/Clock.h",
              "#pragma once\n#include <string>\n#include \"common/Numbers.h\"\n");
        Write("platform/win32/Clock.cpp",
              "#include \"platform/win32/Clock.h\"\n\n#include <windows.h>\n\n"
              "#include \"platform/Clock.h\"\n#include \"resource.h\"\n");
        Write("settings/Store.cpp", "#include \"platform/Clock.h\"\n");
        Write("settings/notes.txt", "#include \"mainwindow/Form.h\"\n");
    }
    void TearDown() override { fs::remove_all(root_); }

    void Write(const std::string& file, const std::string& text) {
        const fs::path path = root_ / "src" / file;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    std::vector<std::string> Check() const {
        return FindLayerViolations(root_ / "src", {{"common", {}},
                                                   {"platform", {"common"}},
                                                   {"platform/win32", {"platform", "resources"}},
                                                   {"settings", {"platform", "common"}}});
    }

    fs::path root_;
};

TEST_F(LayerCheckTest, PassesATreeThatKeepsToTheTable) {
    EXPECT_TRUE(Check().empty());
}

TEST_F(LayerCheckTest, ReportsEveryIncludeAgainstTheTableWithFileAndLine) {
    Write("common/Numbers.cpp",
          "#include \"common/Numbers.h\"\n// #include \"platform/Clock.h\"\n"
          "#  include \"platform/Clock.h\"\n");
    Write("settings/Store.h", "#pragma once\n#include \"resource.h\"\n");
    Write("settings/Sections.cpp",
          "#include \"platform/win32/Clock.h\"\n#include \"../platform/Clock.h\"\n");
    const std::vector<std::string> expected{
        R"(src/common/Numbers.cpp:3: common may not include "platform/Clock.h" (folder platform))",
        R"(src/settings/Sections.cpp:1: settings may not include "platform/win32/Clock.h" (folder platform/win32))",
        R"(src/settings/Sections.cpp:2: includes "../platform/Clock.h" (folder ../platform), which has no row in the table)",
        R"(src/settings/Store.h:2: settings may not include "resource.h" (folder resources))",
    };
    EXPECT_EQ(expected, Check());
}

TEST_F(LayerCheckTest, ReportsAFolderOfSourceFilesWithoutARowOnce) {
    Write("drives/Rows.cpp", "#include \"common/Numbers.h\"\n");
    Write("drives/Rows.h", "#pragma once\n");
    Write("docs/readme.txt", "not a source file\n");
    Write("Loose.cpp", "\n");
    const std::vector<std::string> expected{
        "src: holds source files but has no row in the table",
        "src/drives: holds source files but has no row in the table",
    };
    EXPECT_EQ(expected, Check());
}

}  // namespace
}  // namespace zubolo::layers
