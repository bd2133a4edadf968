#pragma once
// The camera track as corvane-sim writes it with --track:
//   tick,frame,seconds,x,y,z,pitch,yaw,roll,fov
// tick numbers the samples from 1, frame is the replay frame, seconds its replay time; the
// camera as the game holds it: world units, whole rotator units, horizontal FOV in degrees.

#include <string>

#include "export/CameraTrack.h"

std::string CsvText(const CameraTrack& track);
