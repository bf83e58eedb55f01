#include "shell/ErrorReport.h"

#include "platform/MessageBox.h"

namespace zubolo {

std::u16string ErrorReportText(std::u16string_view text) {
    std::u16string report(text);
    if (!report.empty() && report.back() > u'.') report += u'.';
    return report;
}

void ShowErrorReport(const ShellContext& context, std::u16string_view text) {
    context.boxes.Ask(context.owner, ErrorReportText(text), context.appTitle(),
                      BoxStyle::Ok | BoxStyle::IconStop);
}

}  // namespace zubolo
