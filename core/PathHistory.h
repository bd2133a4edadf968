#pragma once
// The path's undo history: whole-path states, one per step, each with the name of what the
// user did ("Path reversed", "Waypoint dragged").
//
// The history keeps the state as of its last checkpoint. Whatever changes the path names the
// change (Name) and, when the change is over, calls Checkpoint: if the path differs bit for bit
// from that state, the state before becomes one undo step and the redo steps are dropped.
// Continuous gestures (a drag from press to release) call Checkpoint only at their end, so
// every frame of the drag lands in one step; a change nobody named is still a step,
// "Path edited".
//
//   undo stack: oldest ... newest       each entry: the name and the state BEFORE its step
//   redo stack: newest ... oldest       each entry: the name and the state AFTER its step
//
// Undo moves the newest undo entry's state into place and keeps the state it replaces as a
// redo entry; Redo does the reverse. The selected waypoint travels with every state, so undo
// and redo bring back the selection too; a change of selection alone is not a step.
//
// Bound: at most maxSteps entries in both stacks together and about maxBytes of kept states;
// the oldest undo steps fall off first. The newest step stays even when it alone is larger.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "path/CameraSnapshot.h"

enum class HistoryStep { Undo, Redo };

struct PathState {
    SnapshotMap path;
    int selectedFrame = -1; // -1 none; may name a frame the path no longer has
};

struct PathHistoryLimits {
    size_t maxSteps = 200;
    size_t maxBytes = 4u << 20; // 4 MiB: about 30 000 kept waypoints
};

class PathHistory {
public:
    explicit PathHistory(PathHistoryLimits limits = {}) : limits(limits) {}

    // Names the change under way; the first name since the last checkpoint stands.
    void Name(const std::string& name);
    // Ends the change under way: true when the path changed and a step was recorded.
    bool Checkpoint(const SnapshotMap& path, int selectedFrame);

    // Each ends the change under way first, then steps back (or forward): the step's name, and
    // Current() is the state to put in place. Nothing to undo (redo): nullopt, nothing changes.
    std::optional<std::string> Undo(const SnapshotMap& path, int selectedFrame);
    std::optional<std::string> Redo(const SnapshotMap& path, int selectedFrame);

    // The state as of the last checkpoint, undo or redo.
    const PathState& Current() const { return current; }
    // The name of the step the next Undo (Redo) would take back; empty when there is none.
    const std::string& UndoName() const;
    const std::string& RedoName() const;
    size_t UndoCount() const { return undoSteps.size(); }
    size_t RedoCount() const { return redoSteps.size(); }
    // About how much memory the kept states take, bytes.
    size_t KeptBytes() const { return keptBytes; }

private:
    struct Step {
        std::string name;
        PathState state;
        size_t bytes = 0;
    };

    Step MakeStep(std::string name, PathState state) const;
    // Takes the newest entry of `from`, puts its state in place, and keeps the state it
    // replaces (checkpointed just before) on `to`.
    std::string Swap(std::deque<Step>& from, std::deque<Step>& to);
    void Push(std::deque<Step>& stack, Step step);
    Step Pop(std::deque<Step>& stack);
    // Drops the oldest undo steps while over the bound, keeping at least `keep` of them.
    void Trim(size_t keep);

    PathHistoryLimits limits;
    PathState current;
    std::string pendingName;
    std::deque<Step> undoSteps; // back() is the newest
    std::deque<Step> redoSteps; // back() is the next to redo
    size_t keptBytes = 0;
};

// True when the two paths have the same keys and every field of every waypoint has the same
// bits (so -0 differs from 0, as a mirror through the origin makes it).
bool SamePathBits(const SnapshotMap& a, const SnapshotMap& b);
