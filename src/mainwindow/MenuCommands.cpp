// The menus' side of the settings page: menu commands set the settings controls, and the marks
// of the menus are copied from those controls each time a menu opens. Closing from the menus.
#include <initializer_list>

#include "mainwindow/ZuboloForm.h"

namespace zubolo {
namespace {

// Checks the radio item at `index`; an index outside the list (nothing selected) leaves the marks.
void CheckRadioAt(std::initializer_list<MenuItem*> items, int index) {
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    items.begin()[index]->SetChecked(true);
}

}  // namespace

void TZuboloForm::Pm1CloseClick() {
    Fire(RequestClose);
}

void TZuboloForm::PopupMenu1Popup() {
    Pm1OpenRb.SetImageIndex(Monitor.LastItemCount != 0 ? 1 : 0);
}

void TZuboloForm::PopupMenu3Popup() {
    Pm3Start.SetEnabled(ButtonStart.Enabled());
    Pm3Stop.SetEnabled(ButtonStop.Enabled());
    (CompactView() ? Pm3StatusShrink : Pm3StatusSpread).SetChecked(true);
    CheckRadioAt({&Pm3DDReject, &Pm3DDAccept, &Pm3DDEachTime}, RadioGroup2.ItemIndex());
    Pm3StayOnTop.SetChecked(CheckBoxStayOnTop.Checked());
    pm3AdjustColWidth1.SetChecked(CheckBoxAutoWidth.Checked());
    pm3AdjustColWidth2.SetChecked(CheckBoxAutoWidth.Checked());
    CheckRadioAt({&Pm3TaskBar, &Pm3TaskTray}, RadioGroup1.ItemIndex());
    Pm3CloseQuery.SetChecked(CheckBoxCloseQuery.Checked());
    Pm3SaveStatus.SetChecked(CheckBoxSaveStatus.Checked());
}

void TZuboloForm::PopupMenu4Popup() {
    (CompactView() ? Pm4Shrink : Pm4Spread).SetChecked(true);
}

void TZuboloForm::Pm3StatusShrinkClick() {
    StatusBar1Click();
}

void TZuboloForm::Pm3DDRejectClick() {
    RadioGroup2.SetItemIndex(0);
}

void TZuboloForm::Pm3DDAcceptClick() {
    RadioGroup2.SetItemIndex(1);
}

void TZuboloForm::Pm3DDEachTimeClick() {
    RadioGroup2.SetItemIndex(2);
}

void TZuboloForm::Pm3TaskBarClick() {
    RadioGroup1.SetItemIndex(0);
}

void TZuboloForm::Pm3TaskTrayClick() {
    RadioGroup1.SetItemIndex(1);
}

// The item has already toggled its own mark; the check box follows it.
void TZuboloForm::Pm3StayOnTopClick() {
    CheckBoxStayOnTop.SetChecked(Pm3StayOnTop.Checked());
}

void TZuboloForm::Pm3CloseQueryClick() {
    CheckBoxCloseQuery.SetChecked(Pm3CloseQuery.Checked());
}

void TZuboloForm::Pm3SaveStatusClick() {
    CheckBoxSaveStatus.SetChecked(Pm3SaveStatus.Checked());
}

}  // namespace zubolo
