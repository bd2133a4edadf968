// A long seeded run of changes, undos and redos from the console, held against a model of the
// history: the path bit for bit, the selection, and each "Undid:"/"Redid:" line.

#include <random>
#include <string>
#include <vector>

#include "tests/plugin/PluginFixture.h"

namespace Quorvel::Testing {
namespace {

// The model: every state the path has had on the undo branch, the selection each had when it
// was left, and the name of the step that led to it; `at` is the state shown.
struct HistoryModel {
    struct Entry {
        SnapshotMap path;
        int selectedFrame;
        std::string name;
    };
    std::vector<Entry> states{{SnapshotMap(), -1, ""}};
    size_t at = 0;

    void Changed(const SnapshotMap& path, int selectedFrame, const std::string& name) {
        if (SamePathBits(path, states[at].path))
            return;
        states.resize(at + 1);
        states.push_back({path, selectedFrame, name});
        ++at;
        if (states.size() > 201) { // two hundred steps between 201 states
            states.erase(states.begin());
            --at;
        }
    }
};

struct RandomChange {
    const char* step;
    std::string line;
};

RandomChange PickChange(std::mt19937& random) {
    auto number = [&](int low, int high) {
        return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
    };
    switch (std::uniform_int_distribution<int>(0, 6)(random)) {
    case 0:
        return {"Path offset", "dolly_path_offset " + number(-50, 50) + " " + number(-5, 5) + " 0"};
    case 1:
        return {"Path scaled", "dolly_path_scale " + number(0, 3)}; // 0 changes nothing
    case 2:
        return {"Path reversed", "dolly_path_reverse"};
    case 3:
        return {"Path mirrored", "dolly_path_mirror " + number(0, 2)};
    case 4:
        return {"Snapshot deleted", "dolly_snapshot_delete " + number(1, 3)};
    case 5:
        return {"Path smoothed", "dolly_path_smooth"};
    default:
        return {"Snapshot taken", "dolly_snapshot_take"};
    }
}

TEST_F(PluginTest, ASeededRunOfChangesUndosAndRedosFollowsAModelOfTheHistory) {
    EnterFlycamReplay();
    host.Pause();
    std::mt19937 random(20261207);
    HistoryModel model;
    for (int op = 0; op < 400; ++op) {
        SCOPED_TRACE("operation " + std::to_string(op));
        const int kind = std::uniform_int_distribution<int>(0, 9)(random);
        // The selection of the shown state is whatever the user left it at.
        model.states[model.at].selectedFrame = Plugin().selectedFrame;
        if (kind < 3) {
            const bool possible = model.at > 0;
            host.Run("dolly_undo");
            EXPECT_EQ(host.LastLine(), possible ? "Undid: " + model.states[model.at].name
                                                : std::string("Nothing to undo"));
            model.at -= possible ? 1 : 0;
        } else if (kind < 5) {
            const bool possible = model.at + 1 < model.states.size();
            host.Run("dolly_redo");
            model.at += possible ? 1 : 0;
            EXPECT_EQ(host.LastLine(), possible ? "Redid: " + model.states[model.at].name
                                                : std::string("Nothing to redo"));
        } else if (kind == 5) {
            const SnapshotMap& path = *Cam().snapshots;
            host.Run(path.empty()
                         ? std::string("dolly_snapshot_select")
                         : "dolly_snapshot_select " + std::to_string(path.rbegin()->first));
        } else {
            const RandomChange change = PickChange(random);
            host.SetFrame(std::uniform_int_distribution<int>(0, 40)(random) * 15);
            host.SetCamera({float(op), float(op % 7), 100}, {0, op * 100, 0}, 90);
            host.Run(change.line);
            model.Changed(*Cam().snapshots, Plugin().selectedFrame, change.step);
        }
        ASSERT_TRUE(SamePathBits(*Cam().snapshots, model.states[model.at].path));
        if (kind < 5) {
            EXPECT_EQ(Plugin().selectedFrame, model.states[model.at].selectedFrame);
        }
    }
}

} // namespace
} // namespace Quorvel::Testing
