#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/DeleteSourceList.h"

namespace zubolo {
namespace {

using namespace std::string_literals;

TEST(DeleteSourceListTest, OnePathIsEndedByTwoNuls) {
    EXPECT_EQ(DeleteSourceList(u"C:\\Users\\a\\memo.txt"), u"C:\\Users\\a\\memo.txt\0\0"s);
    EXPECT_EQ(DeleteSourceList(u"D:\\写真\\"), u"D:\\写真\\\0\0"s);
    // The long-path prefix is no wildcard.
    EXPECT_EQ(DeleteSourceList(u"\\\\?\\C:\\a.txt"), u"\\\\?\\C:\\a.txt\0\0"s);
}

TEST(DeleteSourceListTest, PathsThatWouldNameOtherOrMoreItemsAreRefused) {
    const std::u16string refused[] = {
        u"",
        u"C:\\a.txt\0C:\\b.txt"s,  // a NUL would split the list into two paths
        u"C:\\a.txt\0"s,
        u"C:\\dir\\*.txt",
        u"C:\\dir\\a?.txt",
        u"C:/dir/*",
        u"*",
    };
    for (const std::u16string& path : refused) {
        SCOPED_TRACE(testing::Message() << "length " << path.size());
        EXPECT_EQ(DeleteSourceList(path), std::nullopt);
    }
}

}  // namespace
}  // namespace zubolo
