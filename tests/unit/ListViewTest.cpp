#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Controls.h"

namespace zubolo {
namespace {

using testing::ElementsAre;

struct CountingPeer : ControlPeer {
    int changes = 0;
    void StateChanged() override { ++changes; }
};

struct Watched {
    ListView list{u"List"};
    CountingPeer peer;
    Watched() {
        for (const char16_t* caption : {u"A:", u"B:", u"C:"}) {
            list.AddItem({caption, {u"1", u"2"}, -1});
        }
        list.AttachPeer(&peer);
    }
    std::vector<std::u16string> Captions() const {
        std::vector<std::u16string> captions;
        for (const ListItem& item : list.Items()) captions.push_back(item.caption);
        return captions;
    }
};

TEST(ListView, ChangesDuringABatchReachTheWindowOnceAtItsEnd) {
    Watched w;
    {
        const ListUpdate outer(w.list);
        {
            const ListUpdate inner(w.list);
            w.list.SetSubItemText(0, 1, u"9");
            w.list.SetColumnWidth(0, 20, ColumnFit::Text);
        }
        w.list.Select(2);
        EXPECT_EQ(w.peer.changes, 0);
    }
    EXPECT_EQ(w.peer.changes, 1);
    {
        const ListUpdate unchanged(w.list);
        w.list.SetSubItemText(0, 1, u"9");
    }
    EXPECT_EQ(w.peer.changes, 1) << "nothing changed, nothing to show";
}

TEST(ListView, TextsAndSelectionOutOfRangeAreLeftAlone) {
    Watched w;
    w.list.SetSubItemText(3, 0, u"x");
    w.list.SetSubItemText(0, 2, u"x");
    w.list.SetSubItemText(-1, 0, u"x");
    w.list.Select(7);
    EXPECT_EQ(w.peer.changes, 0);
    EXPECT_EQ(w.list.Selected(), -1);
    EXPECT_EQ(w.list.SelectedItem(), nullptr);
    EXPECT_THAT(w.list.ColumnTexts(2), ElementsAre(u"2", u"2", u"2"));
    EXPECT_THAT(w.list.ColumnTexts(3), ElementsAre(u"", u"", u""));

    w.list.Select(1);
    w.list.ClearItems();
    EXPECT_EQ(w.list.Selected(), -1) << "no rows, no selection";
}

TEST(ListView, ASortTakesAnyComparisonAndKeepsTheSelectionOnItsRow) {
    struct Case {
        const char* what;
        int (*compare)(const ListItem&, const ListItem&);
        std::vector<std::u16string> order;
    };
    const Case cases[] = {
        {"descending by caption",
         [](const ListItem& a, const ListItem& b) { return b.caption.compare(a.caption); },
         {u"C:", u"B:", u"A:"}},
        {"never equal, the first counts as smaller",
         [](const ListItem&, const ListItem&) { return -2; },
         {u"A:", u"B:", u"C:"}},
        {"never equal, the first counts as larger",
         [](const ListItem&, const ListItem&) { return 2; },
         {u"C:", u"B:", u"A:"}},
        {"no order", [](const ListItem&, const ListItem&) { return 0; }, {u"A:", u"B:", u"C:"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Watched w;
        w.list.Select(0);
        w.list.OnCompare = c.compare;
        w.list.Sort();
        EXPECT_EQ(w.Captions(), c.order);
        ASSERT_NE(w.list.SelectedItem(), nullptr);
        EXPECT_EQ(w.list.SelectedItem()->caption, u"A:");
    }
}

TEST(ListView, EverySizingRequestCountsAlsoWithTheSameValues) {
    ListView list{u"List"};
    list.SetColumns({{u"a", TextAlign::Left, 10}, {u"b", TextAlign::Right, 0}});
    const unsigned before = list.ColumnRequests();
    list.SetColumnWidth(1, 0, ColumnFit::Content);
    list.SetColumnWidth(1, 0, ColumnFit::Content);
    list.SetColumnWidth(5, 0, ColumnFit::Content);
    EXPECT_EQ(list.ColumnRequests(), before + 2) << "a column out of range is no request";
    EXPECT_EQ(list.Columns()[1].fit, ColumnFit::Content);
}

}  // namespace
}  // namespace zubolo
