#pragma once
// The probe plugin's second window, "Widgets": one widget of each kind the host drives by
// label, at a fixed place, and the values they edit. Linked with the widget probe (probe/),
// so the host's widget map sees them.
//
//   "Widgets"       the window at (kWidgetsX, kWidgetsY), kWidgetsWidth x kWidgetsHeight,
//                   with a close button ("Widgets#CLOSE")
//   "Press##probe"  button counting presses
//   "Flag"          checkbox
//   "Count"         InputInt, 3 at first
//   "Speed"         DragFloat, 1 at first, 0.01 a pixel
//   "Level"         SliderFloat in [0, 1], 0.5 at first
//   "Name"          InputText, "abc" at first

#include <string>

inline constexpr float kWidgetsX = 20.0f;
inline constexpr float kWidgetsY = 20.0f;
inline constexpr float kWidgetsWidth = 360.0f;
inline constexpr float kWidgetsHeight = 240.0f;

struct ProbeWidgets {
    bool open = true; // cleared by the window's close button
    int presses = 0;
    bool flag = false;
    int count = 3;
    float speed = 1.0f;
    float level = 0.5f;
    char name[32] = "abc";

    void Draw();
    // "widgets presses=N flag=0|1 count=N speed=F level=F name=TEXT", floats with 2 decimals.
    std::string ValuesLine() const;
};
