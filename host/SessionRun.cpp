#include "host/SessionRun.h"

#include <iostream>
#include <memory>

#include "host/Session.h"
#include "host/TrackWriter.h"

namespace Corvane::Host {

int RunSession(const SessionRun& run) {
    return RunSession(run, [&run](ScriptRunner& runner) { return runner.Run(run.script); });
}

int RunSession(const SessionRun& run, const SessionBody& body) {
    std::unique_ptr<TrackWriter> track;
    if (!run.track.empty()) {
        track = std::make_unique<TrackWriter>(run.track);
        if (!track->IsOpen()) {
            std::cerr << "corvane-sim: cannot write the track file " << run.track.string() << '\n';
            return 2;
        }
    }
    Session session(SessionSettings{run.dataFolder, nullptr, run.log});
    const LoadResult loaded = session.LoadModule(run.plugin);
    if (loaded == LoadResult::Refused)
        return 2;
    int status = 0;
    if (loaded == LoadResult::Faulted) {
        std::cerr << "corvane-sim: the plugin failed while loading\n";
        status = 3;
    } else {
        ScriptRunner runner(session, run.scriptName);
        runner.SetTrack(track.get());
        runner.SetEcho(run.echo);
        status = body(runner);
    }
    const int faultsBefore = session.GetGuard().FaultCount();
    session.Unload();
    if (status == 0 && session.GetGuard().FaultCount() > faultsBefore)
        status = 3;
    if (status == 0 && !session.ConfigSaved())
        status = 2;
    return status;
}

} // namespace Corvane::Host
