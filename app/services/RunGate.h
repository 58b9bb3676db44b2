// Whether a scan or a cleaning run is under way, shared between the GUI
// thread (which runs them) and the update check's worker (which must not
// let an installation end the program in the middle of one).
#pragma once

#include <condition_variable>
#include <mutex>

namespace nimbrel {

class CRunGate {
public:
    // A scan or cleaning run starts. False when an update is about to be
    // installed: the program is going to end, so no run may begin.
    bool BeginRun();
    void EndRun();
    bool IsRunInProgress() const;

    // Waits until no run is under way, then keeps new runs from starting,
    // so that the installation that follows (which may end the process)
    // never cuts a run short.
    void HoldForInstallation();
    // The installation is over and the program goes on.
    void ReleaseAfterInstallation();
    bool IsHeldForInstallation() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable idle_;
    int runs_ = 0;
    bool held_ = false;
};

} // namespace nimbrel
