#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/ContextMenus.h"
#include "ui/Controls.h"
#include "ui/Menu.h"

namespace zubolo {
namespace {

// A submenu with a radio group 0 of three items, a radio item of group 1 and an auto-check item.
struct Submenu {
    MenuItem head{u"Head"};
    MenuItem a{u"A"}, b{u"B"}, c{u"C"};
    MenuItem other{u"Other"};
    MenuItem toggle{u"Toggle"};
    std::vector<std::string> ran;

    Submenu() {
        for (MenuItem* item : {&a, &b, &c, &other}) {
            head.Add(*item);
            item->SetAutoCheck(true);
            item->SetRadioItem(true);
        }
        other.SetGroupIndex(1);
        head.Add(toggle);
        toggle.SetAutoCheck(true);
        a.SetChecked(true);
        other.SetChecked(true);
        for (MenuItem* item : {&a, &b, &c, &other, &toggle}) {
            item->OnClick = [this, item] {
                ran.push_back(std::string(item->Name().begin(), item->Name().end()) +
                              (item->Checked() ? " checked" : " unchecked"));
            };
        }
    }
    std::vector<bool> Marks() const {
        return {a.Checked(), b.Checked(), c.Checked(), other.Checked(), toggle.Checked()};
    }
};

TEST(MenuItem, AutoCheckTogglesTheMarkBeforeTheCommandRuns) {
    Submenu menu;
    menu.toggle.Click();
    menu.toggle.Click();
    EXPECT_EQ(menu.ran, (std::vector<std::string>{"Toggle checked", "Toggle unchecked"}));
}

TEST(MenuItem, RadioItemsOfOneGroupExcludeEachOther) {
    Submenu menu;
    menu.b.Click();
    EXPECT_EQ(menu.Marks(), (std::vector<bool>{false, true, false, true, false}))
        << "B takes the mark from A; the item of group 1 keeps its own";
    menu.c.SetChecked(true);
    EXPECT_EQ(menu.Marks(), (std::vector<bool>{false, false, true, true, false}))
        << "checking from code follows the same rule";
    menu.c.Click();
    EXPECT_EQ(menu.Marks(), (std::vector<bool>{false, false, false, true, false}))
        << "choosing the checked radio item toggles it off like any auto-check item";
    EXPECT_EQ(menu.ran, (std::vector<std::string>{"B checked", "C unchecked"}));
}

TEST(MenuItem, RadioGroupsOfDifferentSubmenusAreIndependent) {
    Submenu first;
    Submenu second;
    MenuItem root{u"Root"};
    root.Add(first.head);
    root.Add(second.head);
    second.b.Click();
    EXPECT_TRUE(first.a.Checked());
    EXPECT_TRUE(second.b.Checked());
}

TEST(MenuItem, DisabledItemDoesNothing) {
    Submenu menu;
    menu.b.SetEnabled(false);
    menu.b.Click();
    EXPECT_TRUE(menu.ran.empty());
    EXPECT_TRUE(menu.a.Checked());
    EXPECT_FALSE(menu.b.Checked());
}

TEST(Menu, ShortcutTexts) {
    EXPECT_EQ(ShortcutText(ShortcutEsc), u"Esc");
    EXPECT_EQ(ShortcutText(ShortcutF1), u"F1");
    EXPECT_EQ(ShortcutText(ShortcutNone), u"");
}

// A window with a panel holding a list; the window, the panel and the list each have a menu.
struct Window {
    Control form{ControlKind::Form, u"Form"};
    Control panel{ControlKind::PageControl, u"Panel"};
    Control list{ControlKind::ListView, u"List"};
    Control button{ControlKind::Button, u"Button"};
    Control status{ControlKind::StatusBar, u"Status"};
    PopupMenu formMenu{u"FormMenu"};
    PopupMenu panelMenu{u"PanelMenu"};
    PopupMenu listMenu{u"ListMenu"};
    MenuItem formClose{u"FormClose"};
    MenuItem panelClose{u"PanelClose"};
    MenuItem panelHelp{u"PanelHelp"};
    MenuItem listOpen{u"ListOpen"};
    std::vector<std::u16string> ran;

    Window() {
        form.Add(panel);
        form.Add(status);
        panel.Add(list);
        panel.Add(button);
        form.SetContextMenu(&formMenu);
        panel.SetContextMenu(&panelMenu);
        list.SetContextMenu(&listMenu);
        formMenu.Items().Add(formClose);
        panelMenu.Items().Add(panelHelp);
        panelMenu.Items().Add(panelClose);
        listMenu.Items().Add(listOpen);
        formClose.SetShortcut(ShortcutEsc);
        panelClose.SetShortcut(ShortcutEsc);
        panelClose.SetVisible(false);
        panelHelp.SetShortcut(ShortcutF1);
        for (MenuItem* item : {&formClose, &panelClose, &panelHelp, &listOpen}) {
            item->OnClick = [this, item] { ran.push_back(item->Name()); };
        }
    }
};

TEST(ContextMenus, RightClickOpensTheNearestMenuWithAutomaticPopup) {
    Window window;
    window.formMenu.SetAutoPopup(false);
    EXPECT_EQ(ContextMenuFor(window.list), &window.listMenu);
    EXPECT_EQ(ContextMenuFor(window.button), &window.panelMenu) << "from the holder";
    EXPECT_EQ(ContextMenuFor(window.panel), &window.panelMenu);
    EXPECT_EQ(ContextMenuFor(window.status), nullptr) << "the window's menu does not pop up";
    EXPECT_EQ(ContextMenuFor(window.form), nullptr);
    window.listMenu.SetAutoPopup(false);
    EXPECT_EQ(ContextMenuFor(window.list), &window.panelMenu) << "passed on to the holder";
}

TEST(ContextMenus, ShortcutRunsTheItemOfTheNearestMenuThatHasIt) {
    struct Case {
        const char* focus;
        int key;
        std::vector<std::u16string> ran;
    };
    for (const Case& c : {
             Case{"List", ShortcutF1, {u"PanelHelp"}},
             Case{"Button", ShortcutF1, {u"PanelHelp"}},
             Case{"Status", ShortcutF1, {}},
             Case{"Form", ShortcutF1, {}},
             Case{"Status", ShortcutEsc, {u"FormClose"}},
             Case{"List", ShortcutEsc, {u"PanelClose"}},
             Case{"List", ShortcutNone, {}},
         }) {
        Window window;
        window.formMenu.SetAutoPopup(false);  // shortcuts do not depend on it
        const std::string focus = c.focus;
        const Control& focused = focus == "List"     ? window.list
                                 : focus == "Button" ? window.button
                                 : focus == "Status" ? window.status
                                                     : window.form;
        EXPECT_EQ(RunShortcut(focused, c.key), !c.ran.empty()) << focus << " " << c.key;
        EXPECT_EQ(window.ran, c.ran) << focus << " " << c.key;
    }
}

TEST(ContextMenus, DisabledShortcutItemPassesTheKeyOn) {
    Window window;
    window.panelClose.SetEnabled(false);
    EXPECT_TRUE(RunShortcut(window.button, ShortcutEsc));
    EXPECT_EQ(window.ran, (std::vector<std::u16string>{u"FormClose"}));
    window.formClose.SetEnabled(false);
    EXPECT_FALSE(RunShortcut(window.button, ShortcutEsc));
}

}  // namespace
}  // namespace zubolo
