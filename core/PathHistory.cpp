#include "core/PathHistory.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr const char* kUnnamedStep = "Path edited";

// A map node holds the entry beside three links and a colour: about four pointers more.
constexpr size_t kBytesPerWaypoint = sizeof(SnapshotMap::value_type) + 4 * sizeof(void*);

std::uint32_t Bits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Every field as its bits, so that a change of any bit counts (-0 is not 0).
std::array<std::uint32_t, 20> FieldBits(const CameraSnapshot& w) {
    return {static_cast<std::uint32_t>(w.frame),
            Bits(w.timestamp),
            Bits(w.FOV),
            Bits(w.location.X),
            Bits(w.location.Y),
            Bits(w.location.Z),
            Bits(w.rotation.pitch),
            Bits(w.rotation.yaw),
            Bits(w.rotation.roll),
            Bits(w.weight),
            Bits(w.v3_kb_tension),
            Bits(w.v3_kb_bias),
            Bits(w.v3_kb_continuity),
            Bits(w.v3_bz_ctrl_out.X),
            Bits(w.v3_bz_ctrl_out.Y),
            Bits(w.v3_bz_ctrl_out.Z),
            Bits(w.v3_bz_ctrl_in.X),
            Bits(w.v3_bz_ctrl_in.Y),
            Bits(w.v3_bz_ctrl_in.Z),
            static_cast<std::uint32_t>(w.v3_bz_has_custom)};
}

} // namespace

bool SamePathBits(const SnapshotMap& a, const SnapshotMap& b) {
    if (a.size() != b.size())
        return false;
    for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
        if (i->first != j->first || FieldBits(i->second) != FieldBits(j->second))
            return false;
    }
    return true;
}

void PathHistory::Name(const std::string& name) {
    if (pendingName.empty())
        pendingName = name;
}

bool PathHistory::Checkpoint(const SnapshotMap& path, int selectedFrame) {
    const bool changed = !SamePathBits(path, current.path);
    if (changed) {
        std::string name = pendingName.empty() ? kUnnamedStep : std::move(pendingName);
        Push(undoSteps, MakeStep(std::move(name), std::move(current)));
        current.path = path;
        while (!redoSteps.empty())
            Pop(redoSteps);
        Trim(1);
    }
    // The selection as of now is the one an undo of the next step brings back.
    current.selectedFrame = selectedFrame;
    pendingName.clear();
    return changed;
}

std::optional<std::string> PathHistory::Undo(const SnapshotMap& path, int selectedFrame) {
    Checkpoint(path, selectedFrame);
    if (undoSteps.empty())
        return std::nullopt;
    std::string name = Swap(undoSteps, redoSteps);
    Trim(0);
    return name;
}

std::optional<std::string> PathHistory::Redo(const SnapshotMap& path, int selectedFrame) {
    Checkpoint(path, selectedFrame);
    if (redoSteps.empty())
        return std::nullopt;
    std::string name = Swap(redoSteps, undoSteps);
    Trim(1);
    return name;
}

const std::string& PathHistory::UndoName() const {
    static const std::string none;
    return undoSteps.empty() ? none : undoSteps.back().name;
}

const std::string& PathHistory::RedoName() const {
    static const std::string none;
    return redoSteps.empty() ? none : redoSteps.back().name;
}

PathHistory::Step PathHistory::MakeStep(std::string name, PathState state) const {
    Step step;
    step.bytes = sizeof(Step) + name.capacity() + state.path.size() * kBytesPerWaypoint;
    step.name = std::move(name);
    step.state = std::move(state);
    return step;
}

std::string PathHistory::Swap(std::deque<Step>& from, std::deque<Step>& to) {
    Step taken = Pop(from);
    Push(to, MakeStep(taken.name, std::move(current)));
    current = std::move(taken.state);
    return std::move(taken.name);
}

void PathHistory::Push(std::deque<Step>& stack, Step step) {
    keptBytes += step.bytes;
    stack.push_back(std::move(step));
}

PathHistory::Step PathHistory::Pop(std::deque<Step>& stack) {
    Step step = std::move(stack.back());
    stack.pop_back();
    keptBytes -= step.bytes;
    return step;
}

void PathHistory::Trim(size_t keep) {
    while (undoSteps.size() > keep &&
           (undoSteps.size() + redoSteps.size() > limits.maxSteps || keptBytes > limits.maxBytes)) {
        keptBytes -= undoSteps.front().bytes;
        undoSteps.pop_front();
    }
}
