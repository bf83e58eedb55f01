#pragma once
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/ImageList.h"

namespace zubolo {

// Keys a menu item can carry as its shortcut (virtual-key codes, no modifier keys).
inline constexpr int ShortcutNone = 0;
inline constexpr int ShortcutEsc = 27;
inline constexpr int ShortcutF1 = 112;

// The name of a shortcut key as menus show it beside the caption ("Esc", "F1"); empty for none.
std::u16string ShortcutText(int shortcut);

// One entry of a popup menu: a command, a submenu head (it has items of its own) or a separator.
// Items form a tree under the menu; the tree owns nothing (the form holds its items as members).
class MenuItem {
  public:
    explicit MenuItem(std::u16string name) : name_(std::move(name)) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::u16string& Name() const { return name_; }

    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string caption) { caption_ = std::move(caption); }
    bool IsSeparator() const { return separator_; }
    void MakeSeparator() { separator_ = true; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Hidden items are never shown; their shortcut still works.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

    bool Checked() const { return checked_; }
    // Checking a radio item unchecks the radio items of its group among its siblings.
    void SetChecked(bool checked);
    // Chosen, the item toggles its own mark before its command runs.
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool autoCheck) { autoCheck_ = autoCheck; }
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio) { radioItem_ = radio; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int group) { groupIndex_ = group; }

    // Index into the menu's image list; -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    int Shortcut() const { return shortcut_; }
    void SetShortcut(int key) { shortcut_ = key; }

    MenuItem* Parent() const { return parent_; }
    const std::vector<MenuItem*>& Items() const { return items_; }
    void Add(MenuItem& child);

    // The user chose the item: an enabled item toggles its mark when it is an auto-check item,
    // then runs OnClick. A disabled item does nothing.
    void Click();
    Handler OnClick;

  private:
    std::u16string name_;
    std::u16string caption_;
    bool separator_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    bool autoCheck_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    int shortcut_ = ShortcutNone;
    MenuItem* parent_ = nullptr;
    std::vector<MenuItem*> items_;
};

// A menu that opens at a point: the context menu of a control or of the tray icon.
class PopupMenu {
  public:
    explicit PopupMenu(std::u16string name) : name_(std::move(name)), items_(name_) {}
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    const std::u16string& Name() const { return name_; }
    // The top-level items hang under this root item.
    MenuItem& Items() { return items_; }
    const MenuItem& Items() const { return items_; }

    // The pictures of the items; none when null.
    const ImageList* Images() const { return images_; }
    void SetImages(const ImageList* images) { images_ = images; }

    // Off: a right click on the control that owns the menu does not open it; its shortcuts and
    // other ways of opening it (the tray icon) still work.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }

    // Runs each time the menu opens, before it is shown.
    Handler OnPopup;

  private:
    std::u16string name_;
    MenuItem items_;
    const ImageList* images_ = nullptr;
    bool autoPopup_ = true;
};

// The first item under `root` (its submenus included, hidden items too) whose shortcut is `key`,
// or null.
MenuItem* FindShortcut(MenuItem& root, int key);

}  // namespace zubolo
