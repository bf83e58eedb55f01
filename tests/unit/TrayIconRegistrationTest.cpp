#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeNotificationArea.h"
#include "ui/TrayIconRegistration.h"

namespace zubolo {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

struct TrayIconRegistrationTest : ::testing::Test {
    TrayIcon model;
    FakeNotificationArea area;
    TrayIconRegistration registration{model, area, WindowHandle{0x100}, IconHandle{0x200}};
};

TEST_F(TrayIconRegistrationTest, FollowsTheModelAndRemovesTheIconWhenHidden) {
    EXPECT_THAT(area.calls, IsEmpty()) << "hidden at start";
    model.SetHint(u"a");
    model.SetVisible(true);
    model.SetHint(u"b");
    model.SetVisible(false);
    EXPECT_THAT(area.calls, ElementsAre("Add a", "Modify b", "Delete b"));
    EXPECT_FALSE(area.holdsIcon);
}

TEST_F(TrayIconRegistrationTest, ANewTaskbarGetsTheIconBackOnlyWhileItShouldBeVisible) {
    registration.TaskbarCreated();
    EXPECT_THAT(area.calls, IsEmpty()) << "hidden: nothing to add";

    model.SetVisible(true);
    area.holdsIcon = false;  // Explorer restarted: the new notification area is empty
    area.calls.clear();
    registration.TaskbarCreated();
    EXPECT_THAT(area.calls, ElementsAre("Add "));
    EXPECT_TRUE(area.holdsIcon);

    // A later change is an update again, and hiding removes the icon.
    model.SetHint(u"x");
    model.SetVisible(false);
    EXPECT_THAT(area.calls, ElementsAre("Add ", "Modify x", "Delete x"));
}

TEST_F(TrayIconRegistrationTest, AnIconTheShellRefusedOrLostIsAddedAtTheNextChange) {
    area.refuseAdds = true;
    model.SetVisible(true);
    area.refuseAdds = false;
    model.SetHint(u"later");
    EXPECT_THAT(area.calls, ElementsAre("Add ", "Modify ", "Add later")) << "refused, then added";
    EXPECT_TRUE(area.holdsIcon);

    area.holdsIcon = false;  // lost without a new taskbar
    area.calls.clear();
    model.SetHint(u"again");
    EXPECT_THAT(area.calls, ElementsAre("Modify again", "Add again"));
    EXPECT_TRUE(area.holdsIcon);
}

TEST(TrayIconRegistration, TheIconGoesWithTheWindow) {
    TrayIcon model;
    FakeNotificationArea area;
    model.SetVisible(true);
    {
        TrayIconRegistration registration{model, area, WindowHandle{0x100}, IconHandle{0x200}};
        EXPECT_TRUE(area.holdsIcon) << "a visible icon is added at once";
    }
    EXPECT_FALSE(area.holdsIcon);
    model.SetHint(u"after");
    EXPECT_THAT(area.calls, ElementsAre("Add ", "Delete ")) << "detached from the model";
}

}  // namespace
}  // namespace zubolo
