#pragma once
// Reporting what a widget call drew to the host's widget probe
// (corvane/probe/WidgetProbe.h), found through the current ImGui context. Without a probe
// there, nothing is reported.

namespace Quorvel::Probe {

// Taken just before a widget call: a window that skips its items (collapsed or clipped
// away) draws nothing, and ImGui's last item is then still an earlier one.
class DrawnItem {
public:
    explicit DrawnItem(const char* label);

    // After the call: reports the last item under the label when it is visible. Returns
    // the widget's result unchanged.
    bool Report(bool result) const;
    // After BeginCombo: an open combo has begun its popup window, which holds ImGui's last
    // item now; the combo's own is the one the popup saved.
    bool ReportCombo(bool open) const;

private:
    const char* label;
    bool drawn = false;
};

// After Begin: the title bar under the window's name and, when closable, its close button
// under the name followed by "#CLOSE".
void ReportWindow(const char* name, bool closable);

} // namespace Quorvel::Probe
