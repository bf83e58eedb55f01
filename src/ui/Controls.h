#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Control.h"
#include "ui/ImageList.h"

namespace zubolo {

class Button : public Control {
  public:
    explicit Button(std::u16string name) : Control(ControlKind::Button, std::move(name)) {}

    const ImageList* Images() const { return images_; }
    int ImageIndex() const { return imageIndex_; }
    void SetImage(const ImageList* images, int index);
    void SetImageIndex(int index) { SetImage(images_, index); }
    int ImageMargin() const { return imageMargin_; }
    void SetImageMargin(int margin) { imageMargin_ = margin; }

    void Click() { Fire(OnClick); }
    Handler OnClick;

  private:
    const ImageList* images_ = nullptr;
    int imageIndex_ = -1;
    int imageMargin_ = 0;
};

// Setting the state from code fires OnClick when it changes, as a user's click does.
class CheckBox : public Control {
  public:
    explicit CheckBox(std::u16string name) : Control(ControlKind::CheckBox, std::move(name)) {}

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // The user's click: toggles the state.
    void Toggle() { SetChecked(!checked_); }

    Handler OnClick;

  private:
    bool checked_ = false;
};

class RadioGroup : public Control {
  public:
    explicit RadioGroup(std::u16string name) : Control(ControlKind::RadioGroup, std::move(name)) {}

    const std::vector<std::u16string>& Items() const { return items_; }
    void SetItems(std::vector<std::u16string> items) { items_ = std::move(items); }
    int Columns() const { return columns_; }
    void SetColumns(int columns) { columns_ = columns; }

    int ItemIndex() const { return itemIndex_; }
    // Keeps the number in range: below -1 selects nothing, past the end selects the last item.
    void SetItemIndex(int index);

  private:
    std::vector<std::u16string> items_;
    int columns_ = 1;
    int itemIndex_ = -1;
};

class GroupBox : public Control {
  public:
    explicit GroupBox(std::u16string name) : Control(ControlKind::GroupBox, std::move(name)) {}
};

// Lays its children out in rows and columns whose sizes are percentages of its area.
class GridPanel : public Control {
  public:
    explicit GridPanel(std::u16string name) : Control(ControlKind::GridPanel, std::move(name)) {}

    const std::vector<double>& ColumnPercents() const { return columns_; }
    const std::vector<double>& RowPercents() const { return rows_; }
    void SetGrid(std::vector<double> columnPercents, std::vector<double> rowPercents) {
        columns_ = std::move(columnPercents);
        rows_ = std::move(rowPercents);
    }
    int Padding() const { return padding_; }
    void SetPadding(int padding) { padding_ = padding; }

  private:
    std::vector<double> columns_{100.0};
    std::vector<double> rows_{100.0};
    int padding_ = 0;
};

class PageControl;

class TabSheet : public Control {
  public:
    explicit TabSheet(std::u16string name) : Control(ControlKind::TabSheet, std::move(name)) {}

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

  private:
    friend class PageControl;
    PageControl* owner_ = nullptr;
    int imageIndex_ = -1;
    bool tabVisible_ = true;
};

class PageControl : public Control {
  public:
    explicit PageControl(std::u16string name)
        : Control(ControlKind::PageControl, std::move(name)) {}

    void AddPage(TabSheet& page);
    const std::vector<TabSheet*>& Pages() const { return pages_; }
    std::vector<TabSheet*> VisibleTabs() const;

    TabSheet* ActivePage() const { return active_; }
    // A change made by the program; OnChange is not run.
    void SetActivePage(TabSheet& page);
    // The user picked the tab at this position among the visible tabs: runs OnChange.
    void SelectVisibleTab(int position);

    const ImageList* Images() const { return images_; }
    void SetImages(const ImageList* images) { images_ = images; }

    // Every tab this wide, in device pixels like the bounds; 0: each tab as wide as its caption.
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int width);

    Handler OnChange;

  private:
    friend class TabSheet;
    void TabsChanged() const { Changed(); }

    std::vector<TabSheet*> pages_;
    TabSheet* active_ = nullptr;
    const ImageList* images_ = nullptr;
    int tabWidth_ = 0;
};

enum class TextAlign { Left, Center, Right };

// How a column's width is decided.
enum class ColumnFit {
    Design,   // `width` design pixels; 0: as wide as the header caption
    Content,  // as wide as the widest cell of the column by the list's own measure (the header
              // caption is not considered)
    Text,     // `width` design pixels are the widest text of the column; the list adds the space
              // it keeps around a text
};

struct ListColumn {
    std::u16string caption;
    TextAlign align = TextAlign::Left;
    int width = 0;
    ColumnFit fit = ColumnFit::Design;
};

struct ListItem {
    std::u16string caption;
    std::vector<std::u16string> subItems;
    int imageIndex = -1;
    bool operator==(const ListItem&) const = default;
};

// A report-style list: columns, rows of texts with a picture each, at most one selected row.
class ListView : public Control {
  public:
    explicit ListView(std::u16string name) : Control(ControlKind::ListView, std::move(name)) {}

    const std::vector<ListColumn>& Columns() const { return columns_; }
    void SetColumns(std::vector<ListColumn> columns);
    // Each call counts as a request to size the column again, also with the values it has: a
    // fit to content measures the cells of this moment.
    void SetColumnWidth(int column, int width, ColumnFit fit);
    // Goes up with every change of the columns and every sizing request, so that the window
    // sizes its columns only when asked to and keeps the widths the user dragged otherwise.
    unsigned ColumnRequests() const { return columnRequests_; }

    const std::vector<ListItem>& Items() const { return items_; }
    void AddItem(ListItem item);
    void ClearItems();
    // Rows or sub-items out of range are left alone.
    void SetSubItemText(int row, int subItem, std::u16string text);
    // The texts of one column, top to bottom: the captions for column 0, else the sub-items
    // (empty where a row has none).
    std::vector<std::u16string_view> ColumnTexts(int column) const;

    // The selected row; -1 for none.
    int Selected() const { return selected_; }
    const ListItem* SelectedItem() const {
        return selected_ >= 0 ? &items_[static_cast<std::size_t>(selected_)] : nullptr;
    }
    // A row out of range selects none.
    void Select(int row);

    // Orders the rows with OnCompare (negative puts the first row first). The sort takes any
    // comparison, also one that never calls two rows equal or contradicts itself, and the
    // selection stays on its row.
    void Sort();

    // Changes between BeginUpdate and the matching EndUpdate are shown together at the end.
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();

    const ImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(const ImageList* images) { smallImages_ = images; }

    // A click on the header of the column at this position.
    std::function<void(int column)> OnColumnClick;
    // Orders two rows when the list is sorted: negative, zero or positive.
    std::function<int(const ListItem&, const ListItem&)> OnCompare;
    Handler OnDblClick;

  private:
    void ShowChanges();

    std::vector<ListColumn> columns_;
    unsigned columnRequests_ = 0;
    std::vector<ListItem> items_;
    int selected_ = -1;
    int updateDepth_ = 0;
    bool showPending_ = false;
    const ImageList* smallImages_ = nullptr;
};

// Shows the changes made to a list during its life in one go.
class ListUpdate {
  public:
    explicit ListUpdate(ListView& list) : list_(list) { list_.BeginUpdate(); }
    ~ListUpdate() { list_.EndUpdate(); }
    ListUpdate(const ListUpdate&) = delete;
    ListUpdate& operator=(const ListUpdate&) = delete;

  private:
    ListView& list_;
};

struct StatusPanel {
    int width = 0;  // design pixels
    std::u16string text;
    TextAlign align = TextAlign::Center;
};

class StatusBar : public Control {
  public:
    explicit StatusBar(std::u16string name) : Control(ControlKind::StatusBar, std::move(name)) {}

    const std::vector<StatusPanel>& Panels() const { return panels_; }
    void SetPanels(std::vector<StatusPanel> panels) { panels_ = std::move(panels); }
    const std::u16string& PanelText(int index) const { return panels_.at(index).text; }
    void SetPanelText(int index, std::u16string text);
    void SetPanelWidth(int index, int designWidth);

    Handler OnClick;

  private:
    std::vector<StatusPanel> panels_;
};

class Memo : public Control {
  public:
    explicit Memo(std::u16string name) : Control(ControlKind::Memo, std::move(name)) {}
};

class ImageBox : public Control {
  public:
    explicit ImageBox(std::u16string name) : Control(ControlKind::Image, std::move(name)) {}
};

}  // namespace zubolo
