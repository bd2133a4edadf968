#pragma once
/* Where a plugin's widgets are reported as they are drawn, for a host that drives them by
 * their label (a test host). The host puts a pointer to one of these in its ImGui context's
 * TestEngine field (imgui_internal.h); the plugin's widget calls, after drawing, report
 * every visible widget there. A host that sets nothing gets nothing reported.
 *
 * Labels are the full label given to ImGui, "##" part included. A window reports its title
 * bar under its name and, when it has one, its close button under the name followed by
 * "#CLOSE". Coordinates are ImGui's display pixels (origin top-left, Y down).
 *
 * Plain C layout, so that a plugin and a host built apart agree on it. */

#include <stdint.h>

/* The first field tells this struct from whatever else a host might keep in the field. */
#define CORVANE_WIDGET_PROBE_TAG 0x43575052u

struct CorvaneWidgetProbe {
    uint32_t tag; /* CORVANE_WIDGET_PROBE_TAG */
    void* user;
    void (*item)(void* user, const char* label, float minX, float minY, float maxX, float maxY);
};
