#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/ControlPeer.h"
#include "ui/Geometry.h"

namespace zubolo {

class PopupMenu;

using Handler = std::function<void()>;

// Runs a handler that may not be bound yet.
inline void Fire(const Handler& handler) {
    if (handler) handler();
}

enum class ControlKind {
    Form,
    PageControl,
    TabSheet,
    GridPanel,
    GroupBox,
    Button,
    CheckBox,
    RadioGroup,
    ListView,
    StatusBar,
    Memo,
    Image,
};

// How a control takes its place inside its parent.
enum class Align {
    None,      // at its design bounds
    Client,    // fills what is left of the parent
    Bottom,    // along the bottom edge, design height
    Left,      // along the left edge, design width
    Cell,      // fills its grid-panel cell
    CellLeft,  // along the left edge of its grid-panel cell: the cell's height, design width
};

struct GridCell {
    int column = 0;
    int row = 0;
    int columnSpan = 1;
    int rowSpan = 1;
};

// The state every control shares. Controls form a tree under the form; the tree owns nothing
// (the form holds its controls as members) and is used for layout and for creating peers.
class Control {
  public:
    Control(ControlKind kind, std::u16string name) : kind_(kind), name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::u16string& Name() const { return name_; }

    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string caption);

    const std::u16string& Hint() const { return hint_; }
    void SetHint(std::u16string hint) { hint_ = std::move(hint); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }

    bool HandCursor() const { return handCursor_; }
    void SetHandCursor(bool hand) { handCursor_ = hand; }

    // Layout, in design pixels at 96 dots per inch.
    Align Alignment() const { return align_; }
    void SetAlign(Align align) { align_ = align; }
    const Rect& DesignBounds() const { return designBounds_; }
    void SetDesignBounds(Rect bounds) { designBounds_ = bounds; }
    const Margins& ControlMargins() const { return margins_; }
    void SetMargins(Margins margins) { margins_ = margins; }
    const GridCell& Cell() const { return cell_; }
    void PlaceInCell(GridCell cell);

    // Where the layout put the control, in device pixels relative to its parent's client area.
    const Rect& Bounds() const { return bounds_; }
    void SetBounds(Rect bounds) { bounds_ = bounds; }

    Control* Parent() const { return parent_; }
    const std::vector<Control*>& Children() const { return children_; }
    void Add(Control& child);

    // The menu a right click on the control opens; null: the click goes to its parent.
    PopupMenu* ContextMenu() const { return contextMenu_; }
    void SetContextMenu(PopupMenu* menu) { contextMenu_ = menu; }

    void AttachPeer(ControlPeer* peer) { peer_ = peer; }

    // Runs after a layout that changed the control's size (LayoutWindow).
    Handler OnResize;

  protected:
    void Changed() const;

  private:
    ControlKind kind_;
    std::u16string name_;
    std::u16string caption_;
    std::u16string hint_;
    bool enabled_ = true;
    bool visible_ = true;
    int tabOrder_ = 0;
    bool tabStop_ = true;
    bool handCursor_ = false;
    Align align_ = Align::None;
    Rect designBounds_;
    Margins margins_;
    GridCell cell_;
    Rect bounds_;
    Control* parent_ = nullptr;
    std::vector<Control*> children_;
    PopupMenu* contextMenu_ = nullptr;
    ControlPeer* peer_ = nullptr;
};

}  // namespace zubolo
