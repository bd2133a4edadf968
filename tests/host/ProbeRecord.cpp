// The probe plugin's exported entry points and record.

#include "tests/host/ProbePlugin.h"

CORVANE_PLUGIN_RECORD(ProbePlugin, "probeplugin", "Probe", "1.0",
                      Corvane::Plugin::kPluginTypeReplay);
