// A few threads that run a walk's file tests beside the thread that calls
// the engine. They are made when a walk first needs them and end by
// themselves once they have had nothing to do for a moment. Each holds a
// reference on the module that contains this code until its very last
// instruction (FreeLibraryAndExitThread), so a library the host frees while
// they wait stays mapped until they are gone, and neither unloading it nor
// ending the host ever waits for one under the loader lock: an idle thread
// holds no lock, and nothing is made or joined in the library's entry point.
#pragma once

#include <windows.h>

#include <cstddef>

namespace scrub {

// Work that the pool's threads share with the thread that hands it out.
// The pool calls Take and Finish with its lock held, Run without it.
class PooledWork {
public:
    // The next item for a thread to run; false when none waits.
    virtual bool Take(size_t& item) = 0;
    virtual void Run(size_t item) noexcept = 0;
    virtual void Finish(size_t item) = 0;

protected:
    ~PooledWork() = default;
};

class WorkerPool {
public:
    // At most this many threads test files at once.
    static constexpr int kMaxThreads = 8;
    // A thread with nothing to do for this long ends.
    static constexpr DWORD kIdleMilliseconds = 1000;

    WorkerPool() = default;
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // How many threads run a walk's tests at once, the calling thread
    // included: two per core up to kMaxThreads (an open test spends most of
    // its time waiting for the file system's answer, so one thread per core
    // leaves the cores half idle), and one, the calling thread alone, on a
    // machine with one core.
    static int MachineThreads();
    // Tests and the benchmark choose another count (0: the machine's).
    void UseThreads(int threads);

    // Lends threads to `work` until Withdraw. False when the calling thread
    // is to run everything itself: one thread is wanted, the pool already
    // serves other work, or no thread could be made.
    bool Lend(PooledWork& work);
    // No thread takes another item of `work`; returns when every item a
    // pool thread is running has finished.
    void Withdraw(PooledWork& work);

    // The pool's lock, which also guards the lent work's own state.
    class Lock {
    public:
        explicit Lock(WorkerPool& pool) : pool_(pool) { AcquireSRWLockExclusive(&pool_.lock_); }
        ~Lock() { ReleaseSRWLockExclusive(&pool_.lock_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        // Lets go of the lock for the scope of one Unlocked.
        class Unlocked {
        public:
            explicit Unlocked(Lock& lock) : lock_(lock) { ReleaseSRWLockExclusive(&lock_.pool_.lock_); }
            ~Unlocked() { AcquireSRWLockExclusive(&lock_.pool_.lock_); }
            Unlocked(const Unlocked&) = delete;
            Unlocked& operator=(const Unlocked&) = delete;

        private:
            Lock& lock_;
        };

    private:
        WorkerPool& pool_;
    };

    // With the lock held: items were added to the lent work.
    void WorkAdded(size_t items);
    // With the lock held: sleeps until a pool thread finishes an item.
    void WaitForAFinish();

private:
    struct Start;
    static DWORD WINAPI ThreadMain(void* start);
    // The count in use: MachineThreads() unless one was chosen.
    int ThreadsLocked() const;
    bool StartThread();
    void Serve();

    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE workAdded_ = CONDITION_VARIABLE_INIT;
    CONDITION_VARIABLE finished_ = CONDITION_VARIABLE_INIT;
    PooledWork* work_ = nullptr;
    int chosenThreads_ = 0; // 0: the machine's count
    int live_ = 0;          // pool threads alive
    int idle_ = 0;          // pool threads asleep
    int running_ = 0;       // items pool threads are running
    bool awaited_ = false;  // the lending thread sleeps until an item finishes
};

} // namespace scrub
