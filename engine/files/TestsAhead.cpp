#include "files/TestsAhead.h"

#include <utility>

namespace scrub {

TestsAhead::TestsAhead(WorkerPool& pool, Test test) : pool_(pool), test_(test) {}

TestsAhead::~TestsAhead() {
    if (lent_) {
        pool_.Withdraw(*this);
    }
}

void TestsAhead::Add(WalkedFile file) {
    if (!askedPool_) {
        askedPool_ = true;
        slots_.resize(kAhead);
        lent_ = pool_.Lend(*this);
    }
    // The slot last held a file the walk has taken back: no thread looks
    // at it until the file is counted in below.
    Slot& slot = SlotOf(added_);
    slot.file = std::move(file);
    slot.state = State::Queued;
    slot.failure = nullptr;
    WorkerPool::Lock lock(pool_);
    ++added_;
    pool_.WorkAdded(1);
}

bool TestsAhead::TakeFirst(WalkedFile& file) {
    Slot& first = SlotOf(taken_);
    {
        WorkerPool::Lock lock(pool_);
        while (first.state != State::Done) {
            if (begun_ == added_) {
                pool_.WaitForAFinish();
                continue;
            }
            // Rather than wait for the first file's test, this thread runs
            // the next one not begun (the first file's own when nobody has
            // begun it).
            Slot& next = SlotOf(begun_++);
            next.state = State::Running;
            {
                WorkerPool::Lock::Unlocked unlocked(lock);
                RunTest(next);
            }
            next.state = State::Done;
        }
        ++taken_;
    }
    file = std::move(first.file);
    if (first.failure) {
        std::rethrow_exception(std::exchange(first.failure, nullptr));
    }
    return first.passed;
}

void TestsAhead::RunTest(Slot& slot) noexcept {
    try {
        slot.passed = test_(slot.file);
    } catch (...) {
        slot.passed = false;
        slot.failure = std::current_exception();
    }
}

bool TestsAhead::Take(size_t& item) {
    if (begun_ == added_) {
        return false;
    }
    item = begun_++;
    SlotOf(item).state = State::Running;
    return true;
}

void TestsAhead::Run(size_t item) noexcept {
    RunTest(SlotOf(item));
}

void TestsAhead::Finish(size_t item) {
    SlotOf(item).state = State::Done;
}

} // namespace scrub
