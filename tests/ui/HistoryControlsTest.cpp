// Undo and redo of every kind of change, each made and taken back as a user does, in script
// lines: the console, the mouse on the window, the timeline and the view, the window's keys and
// buttons.

#include <algorithm>
#include <ostream>
#include <string>

#include "tests/ui/SnapshotsWindow.h"

namespace Quorvel::Testing {
namespace {

class HistoryControlsTest : public SnapshotsWindowTest {
public:
    using SnapshotsWindowTest::DotOf;

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

    void Run(const std::string& script) { ASSERT_EQ(host.RunScript(script), 0) << host.Errors(); }

    // The drawn path is the path's own: a rebuild now samples the same.
    bool CacheIsFresh() {
        const PathCache cache = Cam().pathCache;
        Cam().UpdateLocationStrategy();
        const PathCache& fresh = Cam().pathCache;
        return std::equal(cache.begin(), cache.end(), fresh.begin(), fresh.end(),
                          [](const PathCacheSample& a, const PathCacheSample& b) {
                              return a.frame == b.frame && a.location == b.location;
                          });
    }
};

// Ctrl+Z in a text field is the field's own undo, and a window without the focus has no keys.
TEST_F(HistoryControlsTest, TheKeysAreTheWindowsWhileItHasTheFocusAndNoFieldIsTyped) {
    host.Run("dolly_snapshot_select 60");
    host.Tick();
    const auto field = host.Widget("##frameshiftamt");
    ASSERT_TRUE(field);
    // Its text, left of its -/+ buttons.
    Run("@mouse " + std::to_string(field->minX + 4) + " " + std::to_string(field->CentreY()) +
        "\n@tick\n@down 0\n@tick\n@up 0\n@tick\n@key Ctrl+Z\n@key Escape\n"
        // shrunk by its grip, then a click beside it
        "@mouse 1276 716\n@tick\n@down 0\n@tick\n@mouse 600 400\n@tick 2\n@up 0\n@tick\n"
        "@mouse 1000 600\n@tick\n@down 0\n@tick\n@up 0\n@tick\n@key Ctrl+Z\n");
    EXPECT_EQ(Cam().snapshots->size(), 4u);
    Run("@click Quorvel\n@key Ctrl+Z\n"); // its title bar gives it the focus back
    EXPECT_EQ(Cam().snapshots->size(), 3u);
}

struct ChangeKind {
    const char* name;
    const char* step; // as "Undid: ..." names it
    std::string (*script)(HistoryControlsTest&);
    const char* undo;
    const char* redo;
};

std::string GizmoDragOf50Frames(HistoryControlsTest&) {
    // The window closed, so that the mouse is the view's; the second waypoint a pixel a frame.
    std::string script = "togglemenu dollycam\n@mouse 512 360\n@tick\n@down 0\n@tick\n";
    for (int y = 359; y > 309; --y)
        script += "@mouse 512 " + std::to_string(y) + "\n@tick\n";
    return script + "@up 0\n@tick\ntogglemenu dollycam\n@tick 2\n";
}

std::string TimelineDrag(HistoryControlsTest& t) {
    const auto dot = t.DotOf(60);
    std::string script = "@mouse " + std::to_string(dot.x) + " " + std::to_string(dot.y) +
                         "\n@tick\n@down 0\n@tick\n";
    for (int dx = 10; dx <= 40; dx += 10)
        script +=
            "@mouse " + std::to_string(dot.x + dx) + " " + std::to_string(dot.y) + "\n@tick\n";
    return script + "@up 0\n@tick\n";
}

void PrintTo(const ChangeKind& kind, std::ostream* out) {
    *out << kind.name;
}

class EveryChange : public HistoryControlsTest, public testing::WithParamInterface<ChangeKind> {};

TEST_P(EveryChange, IsOneStepUndoneAndRedoneBitForBit) {
    const ChangeKind& kind = GetParam();
    const SnapshotMap before = *Cam().snapshots;
    const int selected = Selected();
    const size_t steps = Plugin().history.UndoCount();
    Run(kind.script(*this) + "@tick\n");
    const SnapshotMap after = *Cam().snapshots;
    ASSERT_FALSE(SamePathBits(before, after));
    EXPECT_EQ(Plugin().history.UndoCount(), steps + 1);

    host.ClearLines();
    Run(kind.undo);
    EXPECT_TRUE(SamePathBits(*Cam().snapshots, before));
    EXPECT_EQ(Selected(), selected);
    EXPECT_TRUE(CacheIsFresh());
    ASSERT_FALSE(host.Lines().empty());
    EXPECT_EQ(host.Lines().front(), std::string("Undid: ") + kind.step);
    // The live controls describe the path as it now is: no transform.
    EXPECT_FALSE(Plugin().pathTools.hasTransformBaseline);
    EXPECT_EQ(Plugin().pathTools.transformScale, 1.0f);
    Run(kind.redo);
    EXPECT_TRUE(SamePathBits(*Cam().snapshots, after));
    EXPECT_EQ(Plugin().history.RedoCount(), 0u);
}

std::string Script(const char* text) {
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EveryChange,
    testing::Values(
        ChangeKind{"Command", "Path offset",
                   [](HistoryControlsTest&) { return Script("dolly_path_offset 10 -2.5 0\n"); },
                   "@key Ctrl+Z", "@key Ctrl+Shift+Z"},
        ChangeKind{"GizmoDragOf50Frames", "Waypoint dragged", GizmoDragOf50Frames, "@click Undo",
                   "@key Ctrl+Y"},
        ChangeKind{"TimelineDrag", "Waypoint re-timed", TimelineDrag, "@key Ctrl+Z", "@click Redo"},
        ChangeKind{"RowDeletion", "Snapshot deleted",
                   [](HistoryControlsTest&) { return Script("@click X##3\n"); }, "dolly_undo",
                   "@key Ctrl+Y"},
        ChangeKind{"ClearAll", "Path cleared",
                   [](HistoryControlsTest&) { return Script("@click Clear All\n"); }, "@click Undo",
                   "dolly_redo"},
        ChangeKind{"LiveScale", "Path scaled",
                   [](HistoryControlsTest&) {
                       return Script("@click Snapshots\n@click Path Tools\n@tick\n"
                                     "@drag Scale##sc 60 0\n");
                   },
                   "@key Ctrl+Z", "@click Redo"},
        ChangeKind{"LoadOverAnUnsavedPath", "Path loaded",
                   [](HistoryControlsTest&) {
                       // The file has a waypoint fewer than the unsaved path.
                       return Script("dolly_snapshot_delete 4\ndolly_path_save kept.json\n"
                                     "dolly_undo\ndolly_path_load kept.json\n");
                   },
                   "dolly_undo", "dolly_redo"},
        ChangeKind{"Reverse", "Path reversed",
                   [](HistoryControlsTest&) {
                       return Script("@click Snapshots\n@click Path Tools\n@tick\n"
                                     "@click Reverse Path\n");
                   },
                   "@click Undo", "@key Ctrl+Shift+Z"}),
    [](const testing::TestParamInfo<ChangeKind>& info) { return std::string(info.param.name); });

} // namespace
} // namespace Quorvel::Testing
