#pragma once
// The playback clock: process-wide, shared by every DollyCam (there is only one), and kept
// across Deactivate/Activate. Playback runs on the game clock, which is smooth, and is pulled
// back to the replay whenever the two drift apart by more than 1.5 frames. It never runs more
// than one frame period ahead of the replay frame shown: there it waits until the replay moves
// on (a paused replay keeps running the game clock), and then takes up that frame's time.

struct PlaybackClock {
    bool armed = true;                // may restart when the first waypoint's frame comes again
    int lastFrame = -1;               // shifted frame seen by the previous Apply
    float start = 0.0f;               // game-clock seconds matching the first waypoint's time
    float softFollowLastTime = -1.0f; // game-clock seconds of the previous spring step
    bool holding = false;             // waiting one frame period past lastFrame's time
};

PlaybackClock& GetPlaybackClock();
// Back to the initial values: for tests, which run many sessions in one process.
void ResetPlaybackClock();
