#include "mainwindow/FormSettings.h"

#include <optional>
#include <string>

#include "mainwindow/AppTexts.h"
#include "settings/DateTimeText.h"
#include "settings/IniFilePath.h"
#include "settings/ModeSection.h"
#include "settings/PositionSection.h"
#include "settings/ProgramSection.h"
#include "settings/SettingsStore.h"

namespace zubolo {

namespace {

void ApplyPosition(TZuboloForm& form, const IniDocument& settings, const WindowPlacement& current) {
    WindowFrame& frame = form.Services.frame;
    const WindowHandle window = form.Handle();
    WindowPlacement placement = ReadPositionPlacement(settings, current, frame.WorkArea());
    if (frame.IsShowing(window)) {
        frame.SetPlacement(window, placement);
        return;
    }
    placement.showCmd = ShowCommandHide;
    frame.SetPlacement(window, placement);
    frame.SetState(window, ReadPositionState(settings, frame.State(window)));
}

void ApplyModes(TZuboloForm& form, const ModeSettings& modes) {
    form.RadioGroup2.SetItemIndex(modes.dragDrop);
    form.CheckBoxStayOnTop.SetChecked(modes.stayOnTop);
    form.RadioGroup1.SetItemIndex(modes.minimize);
    form.CheckBoxCloseQuery.SetChecked(modes.closeQuery);
    form.CheckBoxSaveStatus.SetChecked(modes.saveStatus);
    form.CheckBoxAutoWidth.SetChecked(modes.autoWidth);
    // Only the marks: the window already has the height of its saved placement.
    form.Pm4Shrink.SetChecked(modes.folded);
    form.Pm4Spread.SetChecked(!form.Pm4Shrink.Checked());
    form.OriginHeight1 = modes.originHeight;
    form.CheckBoxShowHint.SetChecked(modes.showHint);
}

ModeSettings CurrentModes(const TZuboloForm& form) {
    ModeSettings modes;
    modes.dragDrop = form.RadioGroup2.ItemIndex();
    modes.stayOnTop = form.CheckBoxStayOnTop.Checked();
    modes.minimize = form.RadioGroup1.ItemIndex();
    modes.closeQuery = form.CheckBoxCloseQuery.Checked();
    modes.saveStatus = form.CheckBoxSaveStatus.Checked();
    modes.autoWidth = form.CheckBoxAutoWidth.Checked();
    modes.folded = form.Pm4Shrink.Checked();
    modes.originHeight = form.OriginHeight1;
    modes.showHint = form.CheckBoxShowHint.Checked();
    return modes;
}

std::u16string NowAsText(const FormServices& services) {
    const Locale& locale = services.locale;
    return FormatDateTimeText(services.clock.Now(), locale.ShortDateFormat(),
                              locale.LongTimeFormat(), locale.DateTimeWords());
}

}  // namespace

void ApplySettingsFile(TZuboloForm& form) {
    const FormServices& services = form.Services;
    const WindowPlacement current = services.frame.Placement(form.Handle());
    const SettingsStore store(services.files, services.ansiCodePage);
    const IniDocument settings = store.Load(GetIniFilePath(services.paths)).value_or(IniDocument{});
    ApplyPosition(form, settings, current);
    ApplyModes(form, ReadModeSection(settings));
}

void WriteSettingsFile(const TZuboloForm& form, const WindowPlacement& placement) {
    const FormServices& services = form.Services;
    SettingsStore store(services.files, services.ansiCodePage);
    const std::u16string programPath = services.paths.ProgramFilePath();
    const std::u16string path = store.PrepareWritePath(GetIniFilePath(services.paths), programPath);
    std::optional<IniDocument> settings = store.Load(path);
    if (!settings) return;
    WriteProgramSection(*settings,
                        {programPath, std::u16string(AppVersion), path, NowAsText(services)});
    if (form.CheckBoxSaveStatus.Checked()) {
        WritePositionSection(*settings, placement, services.frame.State(form.Handle()));
        WriteModeSection(*settings, CurrentModes(form));
    } else {
        ErasePositionSection(*settings);
        EraseModeSection(*settings);
    }
    store.Save(*settings, path);
}

}  // namespace zubolo
