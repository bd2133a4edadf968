#pragma once
// What the snapshots panel and the waypoint editor remember between frames, besides the
// selection: the two values their controls edit and the timeline's drag.

struct TimelineDrag {
    int dragFrame = -1;    // frame of the waypoint being dragged; -1 idle
    int targetFrame = -1;  // the frame it would get if released now
    float targetTime = -1; // the timestamp it would get if released now, seconds
    float dragTime = -1;   // where its dot is drawn during the drag, seconds

    bool Active() const { return dragFrame >= 0; }
    void Reset() { *this = TimelineDrag(); }
};

struct PanelState {
    bool themeApplied = false; // the window's colours and metrics are set once, on first draw
    float allFov = 90.0f;      // the "FOV (all)" slider, degrees
    int shiftAmount = 100;     // the "##frameshiftamt" input, frames
    TimelineDrag timeline;
};
