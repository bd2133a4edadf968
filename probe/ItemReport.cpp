#include "probe/ItemReport.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <string>

#include "corvane/probe/WidgetProbe.h"

namespace Quorvel::Probe {

namespace {

const CorvaneWidgetProbe* CurrentProbe() {
    const ImGuiContext* context = ImGui::GetCurrentContext();
    if (context == nullptr || context->TestEngine == nullptr)
        return nullptr;
    const auto* probe = static_cast<const CorvaneWidgetProbe*>(context->TestEngine);
    return probe->tag == CORVANE_WIDGET_PROBE_TAG && probe->item != nullptr ? probe : nullptr;
}

void Send(const CorvaneWidgetProbe& probe, const char* label, const ImRect& rect) {
    probe.item(probe.user, label, rect.Min.x, rect.Min.y, rect.Max.x, rect.Max.y);
}

// Where ImGui 1.86 puts a title bar's close button: a square of the font size plus the
// frame padding around it, one frame padding in from the bar's right end.
ImRect CloseButtonRect(const ImRect& titleBar) {
    const ImGuiStyle& style = ImGui::GetStyle();
    const float size = ImGui::GetFontSize();
    const ImVec2 min(titleBar.Max.x - 2.0f * style.FramePadding.x - size, titleBar.Min.y);
    const ImVec2 max(min.x + size + 2.0f * style.FramePadding.x,
                     min.y + size + 2.0f * style.FramePadding.y);
    return ImRect(min, max);
}

} // namespace

DrawnItem::DrawnItem(const char* label) : label(label) {
    const ImGuiWindow* window =
        ImGui::GetCurrentContext() != nullptr ? ImGui::GetCurrentWindowRead() : nullptr;
    drawn = window != nullptr && !window->SkipItems;
}

bool DrawnItem::Report(bool result) const {
    const CorvaneWidgetProbe* probe = CurrentProbe();
    if (probe != nullptr && drawn && ImGui::IsItemVisible())
        Send(*probe, label, ImRect(ImGui::GetItemRectMin(), ImGui::GetItemRectMax()));
    return result;
}

bool DrawnItem::ReportCombo(bool open) const {
    if (!open)
        return Report(open);
    const CorvaneWidgetProbe* probe = CurrentProbe();
    const ImGuiContext& g = *ImGui::GetCurrentContext();
    const int depth = g.CurrentWindowStack.Size;
    if (probe == nullptr || !drawn || depth < 2)
        return open;
    const ImRect& combo = g.CurrentWindowStack[depth - 1].ParentLastItemDataBackup.Rect;
    if (g.CurrentWindowStack[depth - 2].Window->ClipRect.Overlaps(combo))
        Send(*probe, label, combo);
    return open;
}

void ReportWindow(const char* name, bool closable) {
    const CorvaneWidgetProbe* probe = CurrentProbe();
    if (probe == nullptr)
        return;
    const ImGuiWindow* window = ImGui::GetCurrentWindowRead();
    if (window->Hidden || (window->Flags & ImGuiWindowFlags_NoTitleBar) != 0)
        return;
    const ImRect titleBar = window->TitleBarRect();
    Send(*probe, name, titleBar);
    if (closable)
        Send(*probe, (std::string(name) + "#CLOSE").c_str(), CloseButtonRect(titleBar));
}

} // namespace Quorvel::Probe
