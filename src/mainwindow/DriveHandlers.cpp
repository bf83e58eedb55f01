// The drive table on page "表示": one row per drive with its sizes and its Recycle Bin's share,
// the column widths, sorting by a header click, the list's menu and the reaction to a change of
// page.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "drives/ColumnWidths.h"
#include "drives/DriveMenu.h"
#include "drives/DriveRows.h"
#include "drives/DriveStatistics.h"
#include "mainwindow/FormShellContext.h"
#include "mainwindow/ZuboloForm.h"
#include "monitor/RecycleBinMonitor.h"
#include "shell/ShellRoutines.h"

namespace zubolo {

namespace {

// Columns 0 to 2 take the list's own fit to their cells; 3 to 5 the widest of their header and
// cells, measured in the window's font.
constexpr int ContentFitColumns = 3;

std::optional<std::u16string> SelectedDrive(const ListView& list) {
    if (const ListItem* row = list.SelectedItem()) return row->caption;
    return std::nullopt;
}

// The row of the drive with `caption`; -1 when there is none.
int RowOfDrive(const ListView& list, std::u16string_view caption) {
    const std::vector<ListItem>& rows = list.Items();
    const auto found = std::find_if(rows.begin(), rows.end(), [caption](const ListItem& row) {
        return row.caption == caption;
    });
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

}  // namespace

void TZuboloForm::RebuildDriveList() {
    ListView1.ClearItems();
    ImageList1.RemoveAll();
    VisitDrives(Services.drives, [this](std::u16string caption, IconHandle icon) {
        ImageList1.AppendCopy(icon);
        ListView1.AddItem({std::move(caption), std::vector<std::u16string>(DriveFigureColumns),
                           ImageList1.Count() - 1});
    });
}

void TZuboloForm::RefreshDriveStatistics() {
    // Figures of a page out of sight keep their last values.
    if (!ListView1.Items().empty() && PageControl1.ActivePage() != &TabSheetStatus) return;
    if (!Readings.TryBegin(ReadingKind::DriveTable)) return;
    std::vector<std::u16string> captions;
    for (const ListItem& row : ListView1.Items()) captions.push_back(row.caption);
    std::vector<DiskQuestion> questions = DriveTableQuestions(captions);
    Services.diskQueries.Ask(std::move(questions), [this, captions = std::move(captions)](
                                                       std::vector<DiskAnswer> answers) {
        DriveTableRead(captions, answers);
    });
}

void TZuboloForm::DriveTableRead(const std::vector<std::u16string>& captions,
                                 const std::vector<DiskAnswer>& answers) {
    const bool driveTableWaits = Readings.End();
    const std::vector<DriveFigures> table =
        ReadDriveTable(captions.size(), answers, UserNumberSeparators(Services.locale));
    {
        const ListUpdate batch(ListView1);
        for (std::size_t index = 0; index < table.size(); ++index) {
            // The rows may have been made anew while their drives were read: the figures go to
            // the row of the same drive, if there still is one.
            const int row = RowOfDrive(ListView1, captions[index]);
            if (row < 0) continue;
            const DriveFigures& figures = table[index];
            for (std::size_t column = 0; column < DriveFigureColumns; ++column) {
                ListView1.SetSubItemText(row, static_cast<int>(column), figures.texts[column]);
            }
            if (figures.wholeBinText) {
                StatusBar1.SetPanelText(1, *figures.wholeBinText);
                App.SetTitle(*figures.wholeBinText);
                SetBinButtonImages(figures.wholeBinFull);
            }
            if (figures.lastItemCount) Monitor.LastItemCount = LowItemCount(*figures.lastItemCount);
        }
        if (CheckBoxAutoWidth.Checked()) AdjustColumnWidths();
    }
    UpdateLinkedWindowTitle(StatusBar1.PanelText(1));
    if (driveTableWaits) RefreshDriveStatistics();
}

void TZuboloForm::AdjustColumnWidths() {
    if (!CheckBoxAutoWidth.Checked()) return;
    const int columns = static_cast<int>(ListView1.Columns().size());
    const auto textWidth = [this](std::u16string_view text) {
        return Services.frame.TextWidth(Handle(), text);
    };
    for (int column = 0; column < columns; ++column) {
        if (column < ContentFitColumns) {
            ListView1.SetColumnWidth(column, 0, ColumnFit::Content);
        } else {
            const std::u16string& header =
                ListView1.Columns()[static_cast<std::size_t>(column)].caption;
            ListView1.SetColumnWidth(column,
                                     WidestText(header, ListView1.ColumnTexts(column), textWidth),
                                     ColumnFit::Text);
        }
    }
}

void TZuboloForm::ListView1ColumnClick(int column) {
    DriveList.ListViewSortCol = SortKeyAfterClick(DriveList.ListViewSortCol, column);
    ListView1.Sort();
}

int TZuboloForm::ListView1Compare(const ListItem& item1, const ListItem& item2) {
    return CompareDriveRows(DriveList.ListViewSortCol, {item1.caption, item1.subItems},
                            {item2.caption, item2.subItems}, Services.locale);
}

void TZuboloForm::PopupMenu2Popup() {
    const std::optional<std::u16string> drive = SelectedDrive(ListView1);
    const DriveMenuState menu =
        DriveMenuFor(drive ? std::optional<std::u16string_view>(*drive) : std::nullopt,
                     ListView1.Items().empty(), Services.files);
    pm2OpenDrive.SetEnabled(menu.openDrive);
    Pm2ShowDriveProperties.SetEnabled(menu.driveProperties);
    Pm2ShowDriveBinProperties.SetEnabled(menu.driveBinProperties);
    Pm2UpdateListView.SetCaption(std::u16string(menu.updateCaption));
    Pm2UpdateListView.SetEnabled(true);
}

void TZuboloForm::pm2OpenDriveClick() {
    if (const auto drive = SelectedDrive(ListView1)) ShellOpen(FormShellContext(*this), *drive);
}

void TZuboloForm::Pm2ShowDrivePropertiesClick() {
    const auto drive = SelectedDrive(ListView1);
    if (!drive) return;
    ShowObjectProperties(FormShellContext(*this), *drive);
    RefreshDriveStatistics();
}

void TZuboloForm::Pm2ShowDriveBinPropertiesClick() {
    const auto drive = SelectedDrive(ListView1);
    if (!drive) return;
    ShowShellProperties(FormShellContext(*this), DriveBinFolder(*drive));
    RefreshDriveStatistics();
}

void TZuboloForm::pm2AdjustColWidthClick() {
    AdjustColumnWidths();
}

// An empty table means the linkage is off: the command switches it on, which makes the rows
// again; the next tick fills in their figures.
void TZuboloForm::Pm2UpdateListViewClick() {
    if (ListView1.Items().empty()) {
        ButtonStartClick();
        return;
    }
    RefreshDriveStatistics();
    // Written whether or not the window still shows the bin.
    if (Linkage.hLinkedWindow) {
        Services.windows.SetText(Linkage.hLinkedWindow, StatusBar1.PanelText(1));
    }
}

// The item has toggled its own mark already.
void TZuboloForm::pm3AdjustColWidth2Click() {
    CheckBoxAutoWidth.SetChecked(pm3AdjustColWidth2.Checked());
    AdjustColumnWidths();
}

void TZuboloForm::PageControl1Change() {
    if (PageControl1.ActivePage() == &TabSheetFile) {
        ButtonOpen2.SetImageIndex(Monitor.LastItemCount == 0 ? Open2EmptyImage : Open2FullImage);
    } else if (PageControl1.ActivePage() == &TabSheetStatus) {
        RefreshDriveStatistics();
        UpdateLinkedWindowTitle(StatusBar1.PanelText(1));
    }
}

// The window keeps its height.
void TZuboloForm::Pm3StatusSpreadClick() {
    PageControl1.SetActivePage(TabSheetStatus);
    RefreshDriveStatistics();
}

}  // namespace zubolo
