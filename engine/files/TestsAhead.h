// The open tests of the next files of a report-only walk, run ahead of the
// report by the pool's threads (and by the walking thread whenever it would
// otherwise wait). The walk adds files in its order and takes them back,
// each with its own test's verdict, in the same order; everything the host
// sees happens on the walking thread.
#pragma once

#include "core/WorkerPool.h"
#include "files/FilePrimitives.h"

#include <exception>
#include <string>
#include <vector>

namespace scrub {

class TestsAhead final : private PooledWork {
public:
    // At most this many files are tested ahead of the one being reported.
    // A stop drops the tests not yet begun and waits only for those under
    // way, so even a stop that had to wait for all of them would be
    // answered in a few milliseconds.
    static constexpr size_t kAhead = 64;

    // The test: true when the file may be reported. It runs on any thread
    // and must touch no run state; what it throws reaches the walk when the
    // file's turn comes.
    using Test = bool (*)(const WalkedFile& file);

    TestsAhead(WorkerPool& pool, Test test);
    // Takes the work back from the pool: tests not begun are dropped, and
    // those under way have ended (their files closed) when it returns.
    ~TestsAhead();
    TestsAhead(const TestsAhead&) = delete;
    TestsAhead& operator=(const TestsAhead&) = delete;

    // Without threads from the pool nothing is tested ahead: one file at a
    // time, tested by the walking thread as it takes it.
    bool Full() const { return added_ - taken_ == (lent_ ? kAhead : 1); }
    bool Empty() const { return added_ == taken_; }

    // The first file asks the pool for threads (so a walk that finds no
    // file never does).
    void Add(WalkedFile file);
    // The first file not yet taken, and whether its test passed (rethrows
    // what its test threw). Until that test has ended, this thread runs the
    // tests nobody has begun, the first file's own included.
    bool TakeFirst(WalkedFile& file);

private:
    enum class State { Queued, Running, Done };
    struct Slot {
        WalkedFile file;
        State state = State::Queued;
        bool passed = false;
        std::exception_ptr failure;
    };

    Slot& SlotOf(size_t sequence) { return slots_[sequence % kAhead]; }
    void RunTest(Slot& slot) noexcept;

    bool Take(size_t& item) override;
    void Run(size_t item) noexcept override;
    void Finish(size_t item) override;

    WorkerPool& pool_;
    const Test test_;
    std::vector<Slot> slots_;
    // Sequence numbers: files before `taken_` went back to the walk, files
    // from `begun_` on wait for a thread, `added_` is the next to come.
    size_t taken_ = 0;
    size_t begun_ = 0;
    size_t added_ = 0;
    bool askedPool_ = false;
    bool lent_ = false;
};

} // namespace scrub
