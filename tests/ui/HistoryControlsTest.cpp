// Undo and redo of every kind of change, each made and taken back through real input: the
// console, the mouse on the window, the timeline and the gizmo, the window's keys and buttons.

#include <ostream>
#include <string>

#include "tests/ui/SnapshotsWindow.h"
#include "ui/LiveTransforms.h"

namespace Quorvel::Testing {
namespace {

using Corvane::Host::Key;

class HistoryControlsTest : public SnapshotsWindowTest {
protected:
    void SetUp() override {
        SnapshotsWindowTest::SetUp();
        // Four waypoints seen side on 1000 units ahead, at pixels x 256, 512, 768 and 1024 of
        // row 360, 2 s apart; then the camera stands at the origin looking along +X.
        for (int i = 0; i < 4; ++i)
            TakeAt(i * 60, {1000, -600.0f + 400.0f * i, 0});
        host.SetCamera({0, 0, 0}, {0, 0, 0}, 90.0f);
        host.Tick();
        host.ClearLines();
    }

    void Chord(std::initializer_list<Key> keys) {
        for (const Key key : keys)
            host.KeyDown(key);
        host.Tick();
        for (const Key key : keys)
            host.KeyUp(key);
        host.Tick();
    }

    // The second waypoint dragged up one pixel a frame, with the window closed so the mouse
    // is the gizmo's.
    void DragSecondWaypointInTheView(int frames) {
        host.Run("togglemenu dollycam");
        PressAt(512, 360);
        for (int moved = 1; moved <= frames; ++moved) {
            host.MouseMove(512, 360.0f - moved);
            host.Tick();
        }
        Release();
        host.Run("togglemenu dollycam");
        host.Tick(2);
    }
};

// Ctrl+Z in a text field is the field's own undo, and the keys do nothing for a window
// without the focus.
TEST_F(HistoryControlsTest, TheKeysAreTheWindowsWhileItHasTheFocusAndNoFieldIsTyped) {
    host.Run("dolly_snapshot_select 60");
    host.Tick();
    const SnapshotMap path = *Cam().snapshots;
    const auto field = host.Widget("##frameshiftamt");
    ASSERT_TRUE(field);
    PressAt(field->minX + 4, field->CentreY());
    Release();
    Chord({Key::Ctrl, Key::Z});
    EXPECT_TRUE(SamePathBits(*Cam().snapshots, path));
    Chord({Key::Escape});

    // The window shrunk by its grip, then a click beside it takes the focus away.
    PressAt(1276, 716);
    MoveHeldTo(600, 400);
    Release();
    PressAt(1000, 600);
    Release();
    Chord({Key::Ctrl, Key::Z});
    EXPECT_TRUE(SamePathBits(*Cam().snapshots, path));
    for (const std::string& line : host.Lines())
        EXPECT_EQ(line.rfind("Undid", 0), std::string::npos) << line;

    EXPECT_TRUE(host.Click("Quorvel")); // the title bar gives it back
    Chord({Key::Ctrl, Key::Z});
    EXPECT_EQ(Cam().snapshots->size(), 3u);
}

enum class Change {
    Command,
    GizmoDrag,
    TimelineDrag,
    RowDeletion,
    ClearAll,
    LiveScale,
    Load,
    Reverse
};
enum class Channel { Console, Keys, ShiftKeys, Button };

struct ChangeKind {
    const char* name;
    Change change;
    const char* step; // as "Undid: ..." names it
    Channel undo;
    Channel redo;
};

void PrintTo(const ChangeKind& kind, std::ostream* out) {
    *out << kind.name;
}

class EveryChange : public HistoryControlsTest, public testing::WithParamInterface<ChangeKind> {
protected:
    void Make(Change change) {
        switch (change) {
        case Change::Command:
            host.Run("dolly_path_offset 10 -2.5 0");
            break;
        case Change::GizmoDrag:
            DragSecondWaypointInTheView(50);
            break;
        case Change::TimelineDrag:
            DragDot(60, 40);
            break;
        case Change::RowDeletion:
            EXPECT_TRUE(host.Click("X##3"));
            break;
        case Change::ClearAll:
            EXPECT_TRUE(host.Click("Clear All"));
            break;
        case Change::LiveScale:
            ShowOnly("Path Tools");
            EXPECT_TRUE(host.Drag("Scale##sc", 60, 0));
            break;
        case Change::Load:
            // The path on file has a waypoint fewer than the unsaved one it is loaded over.
            host.Run("dolly_snapshot_delete 4");
            host.Run("dolly_path_save kept.json");
            host.Run("dolly_undo");
            host.Run("dolly_path_load kept.json");
            break;
        case Change::Reverse:
            ShowOnly("Path Tools");
            EXPECT_TRUE(host.Click("Reverse Path"));
            break;
        }
    }

    void Step(Channel channel, bool redo) {
        switch (channel) {
        case Channel::Console:
            host.Run(redo ? "dolly_redo" : "dolly_undo");
            break;
        case Channel::Keys:
            Chord({Key::Ctrl, redo ? Key::Y : Key::Z});
            break;
        case Channel::ShiftKeys:
            Chord({Key::Ctrl, Key::Shift, Key::Z});
            break;
        case Channel::Button:
            EXPECT_TRUE(host.Click(redo ? "Redo" : "Undo"));
            break;
        }
    }
};

TEST_P(EveryChange, IsOneStepUndoneAndRedoneBitForBit) {
    const ChangeKind& kind = GetParam();
    const SnapshotMap before = *Cam().snapshots;
    const int selected = Selected();
    const size_t steps = Plugin().history.UndoCount();
    Make(kind.change);
    host.Tick();
    const SnapshotMap after = *Cam().snapshots;
    ASSERT_FALSE(SamePathBits(before, after));
    EXPECT_EQ(Plugin().history.UndoCount(), steps + 1);

    host.ClearLines();
    Step(kind.undo, false);
    EXPECT_TRUE(SamePathBits(*Cam().snapshots, before));
    EXPECT_EQ(Selected(), selected);
    EXPECT_EQ(Plugin().history.UndoCount(), steps);
    ASSERT_FALSE(host.Lines().empty());
    EXPECT_EQ(host.Lines().front(), std::string("Undid: ") + kind.step);
    // The live controls describe the path as it now is: no transform.
    EXPECT_FALSE(Plugin().pathTools.hasTransformBaseline);
    EXPECT_EQ(Plugin().pathTools.transformScale, 1.0f);
    Step(kind.redo, true);
    EXPECT_TRUE(SamePathBits(*Cam().snapshots, after));
    EXPECT_EQ(Plugin().history.RedoCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EveryChange,
    testing::Values(
        ChangeKind{"Command", Change::Command, "Path offset", Channel::Keys, Channel::ShiftKeys},
        ChangeKind{"GizmoDragOf50Frames", Change::GizmoDrag, "Waypoint dragged", Channel::Button,
                   Channel::Keys},
        ChangeKind{"TimelineDrag", Change::TimelineDrag, "Waypoint re-timed", Channel::Keys,
                   Channel::Button},
        ChangeKind{"RowDeletion", Change::RowDeletion, "Snapshot deleted", Channel::Console,
                   Channel::Keys},
        ChangeKind{"ClearAll", Change::ClearAll, "Path cleared", Channel::Button, Channel::Console},
        ChangeKind{"LiveScale", Change::LiveScale, "Path scaled", Channel::Keys, Channel::Button},
        ChangeKind{"LoadOverAnUnsavedPath", Change::Load, "Path loaded", Channel::Console,
                   Channel::Console},
        ChangeKind{"Reverse", Change::Reverse, "Path reversed", Channel::Button,
                   Channel::ShiftKeys}),
    [](const testing::TestParamInfo<ChangeKind>& info) { return info.param.name; });

} // namespace
} // namespace Quorvel::Testing
