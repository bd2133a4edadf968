#pragma once
// Everything a plugin compiles against.

#include "corvane/plugin/CorvanePlugin.h"
#include "corvane/plugin/PluginRecord.h"
#include "corvane/plugin/PluginWindow.h"
#include "corvane/wrappers/ActorWrapper.h"
#include "corvane/wrappers/ArrayWrapper.h"
#include "corvane/wrappers/CVarManagerWrapper.h"
#include "corvane/wrappers/CVarWrapper.h"
#include "corvane/wrappers/CameraWrapper.h"
#include "corvane/wrappers/CanvasWrapper.h"
#include "corvane/wrappers/GameEventWrapper.h"
#include "corvane/wrappers/GameWrapper.h"
#include "corvane/wrappers/WrapperStructs.h"
