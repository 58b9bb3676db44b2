#include "core/WorkerPool.h"

#include "win32/Handles.h"

#include <algorithm>
#include <memory>
#include <new>

namespace scrub {

// What a new thread needs: its pool, and the module reference it gives back
// as it ends.
struct WorkerPool::Start {
    WorkerPool* pool;
    HMODULE module;
};

int WorkerPool::MachineThreads() {
    static const int threads = [] {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        const int cores = static_cast<int>(system.dwNumberOfProcessors);
        return cores <= 1 ? 1 : std::min(2 * cores, kMaxThreads);
    }();
    return threads;
}

int WorkerPool::ThreadsLocked() const {
    return chosenThreads_ > 0 ? chosenThreads_ : MachineThreads();
}

void WorkerPool::UseThreads(int threads) {
    Lock lock(*this);
    chosenThreads_ = std::max(threads, 0);
}

bool WorkerPool::Lend(PooledWork& work) {
    Lock lock(*this);
    const int threads = ThreadsLocked();
    if (threads <= 1 || work_) {
        return false;
    }
    // The calling thread is one of the threads that run the work.
    while (live_ < threads - 1 && StartThread()) {
        ++live_;
    }
    if (live_ == 0) {
        return false;
    }
    work_ = &work;
    return true;
}

void WorkerPool::Withdraw(PooledWork& work) {
    Lock lock(*this);
    if (work_ != &work) {
        return;
    }
    work_ = nullptr;
    while (running_ > 0) {
        WaitForAFinish();
    }
}

void WorkerPool::WorkAdded(size_t items) {
    if (idle_ == 0 || items == 0) {
        return;
    }
    if (items == 1) {
        WakeConditionVariable(&workAdded_);
    } else {
        WakeAllConditionVariable(&workAdded_);
    }
}

void WorkerPool::WaitForAFinish() {
    awaited_ = true;
    SleepConditionVariableSRW(&finished_, &lock_, INFINITE, 0);
    awaited_ = false;
}

bool WorkerPool::StartThread() {
    // The reference keeps this code mapped for as long as the thread lives,
    // whatever the host does with the library meanwhile.
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCWSTR>(reinterpret_cast<const void*>(&WorkerPool::ThreadMain)),
                            &module)) {
        return false;
    }
    auto start = std::unique_ptr<Start>(new (std::nothrow) Start{this, module});
    // An open test needs little stack; a few threads should not reserve much.
    // Nobody joins a pool thread (it ends by itself): its handle is closed
    // at once.
    const win32::UniqueKernelHandle thread(start ? CreateThread(nullptr, 256 * 1024, &WorkerPool::ThreadMain,
                                                                start.get(),
                                                                STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr)
                                                 : nullptr);
    if (!thread) {
        FreeLibrary(module);
        return false;
    }
    start.release(); // the thread owns it now
    return true;
}

DWORD WINAPI WorkerPool::ThreadMain(void* raw) {
    HMODULE module = nullptr;
    {
        const std::unique_ptr<Start> start(static_cast<Start*>(raw));
        module = start->module;
        start->pool->Serve();
    }
    // The last code this thread runs lies outside the module it lets go of.
    FreeLibraryAndExitThread(module, 0);
}

void WorkerPool::Serve() {
    Lock lock(*this);
    for (;;) {
        if (live_ > ThreadsLocked() - 1) {
            break; // fewer threads were chosen since this one was made
        }
        size_t item = 0;
        if (work_ && work_->Take(item)) {
            PooledWork* work = work_;
            ++running_;
            {
                Lock::Unlocked unlocked(lock);
                work->Run(item);
            }
            work->Finish(item);
            --running_;
            if (awaited_) {
                WakeAllConditionVariable(&finished_);
            }
            continue;
        }
        ++idle_;
        const bool woken = SleepConditionVariableSRW(&workAdded_, &lock_, kIdleMilliseconds, 0) != FALSE;
        --idle_;
        if (!woken && !work_) {
            break; // idle for a while, and no walk is under way
        }
    }
    --live_;
}

} // namespace scrub
