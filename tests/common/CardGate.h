#pragma once
// Holds the card's thread inside a job until the test opens the gate, so
// what the window asks meanwhile waits in the queue.

#include "CardThread.h"

#include <chrono>
#include <future>

class TCardGate {
public:
    TCardThread::tJob Job()
    {
        return [this](TRadioCard&) {
            entered_.set_value();
            // Bounded, so a test that never opens it fails instead of hanging.
            opened_.wait_for(std::chrono::seconds(20));
            return 7;
        };
    }
    // Puts the gate on `thread` and waits until the thread is inside it.
    bool Close(TCardThread& thread)
    {
        thread.Post(tCardJobKind::Plain, Job());
        return Entered();
    }
    // Waits until the card's thread is inside the job.
    bool Entered() { return entered.wait_for(std::chrono::seconds(20)) == std::future_status::ready; }
    void Open() { open_.set_value(); }

private:
    std::promise<void> entered_;
    std::promise<void> open_;
    std::shared_future<void> opened_ = open_.get_future().share();

public:
    std::future<void> entered = entered_.get_future();
};
