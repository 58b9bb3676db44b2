#include "RunGate.h"

namespace nimbrel {

bool CRunGate::BeginRun() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (held_) {
        return false;
    }
    ++runs_;
    return true;
}

void CRunGate::EndRun() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (runs_ > 0) {
            --runs_;
        }
    }
    idle_.notify_all();
}

bool CRunGate::IsRunInProgress() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return runs_ > 0;
}

void CRunGate::HoldForInstallation() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return runs_ == 0; });
    held_ = true;
}

void CRunGate::ReleaseAfterInstallation() {
    std::lock_guard<std::mutex> lock(mutex_);
    held_ = false;
}

bool CRunGate::IsHeldForInstallation() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return held_;
}

} // namespace nimbrel
