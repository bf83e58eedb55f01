#include "mainwindow/ZuboloForm.h"

namespace zubolo {

void TZuboloForm::CheckBoxStayOnTopClick() {
    Services.frame.SetTopmost(Handle(), CheckBoxStayOnTop.Checked());
}

void TZuboloForm::CheckBoxShowHintClick() {
    App.SetShowHints(CheckBoxShowHint.Checked());
}

}  // namespace zubolo
