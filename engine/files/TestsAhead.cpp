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
    Slot& slot = SlotOf(taken_);
    {
        WorkerPool::Lock lock(pool_);
        while (slot.state != State::Done) {
            if (slot.state == State::Queued) {
                // Nobody has begun it (it is the next to begin): waiting
                // would only leave this thread idle.
                ++begun_;
                slot.state = State::Running;
                {
                    WorkerPool::Lock::Unlocked unlocked(lock);
                    RunTest(slot);
                }
                slot.state = State::Done;
            } else {
                pool_.WaitForAFinish();
            }
        }
        ++taken_;
    }
    file = std::move(slot.file);
    if (slot.failure) {
        std::rethrow_exception(std::exchange(slot.failure, nullptr));
    }
    return slot.passed;
}

void TestsAhead::RunTest(Slot& slot) noexcept {
    try {
        slot.passed = test_(slot.file.path);
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
