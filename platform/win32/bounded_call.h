#pragma once
// A blocking operating-system call given a time limit.
//
// The program runs on one thread. A few calls offer no timeout of their own and can hold that thread
// for as long as a driver, a resolver or a service takes: opening a port whose driver never answers,
// gethostbyname without a reachable resolver, asking a drive that does not answer, a WMI service that
// is slow to run a query. Such a call runs on a helper thread, kept from one call to the next, and the
// caller waits for it for a bounded time. When the time is up the caller goes on with the call's failure answer and
// abandons the helper: it is never ended from outside (that could leave a lock of the system's held),
// it finishes the call whenever the system lets it and then disposes of what the call returned.
//
// The helper touches no window and no state of the program: everything it reads is copied into its
// own shared record, and its answer is read back only when it finished within the limit. A limit is
// not a cancellation: the abandoned call still runs to its end inside the process. An error that
// escapes the call is thrown again to a caller that waited for it, and dropped after a time-out.

#include <windows.h>

#include <cstddef>
#include <exception>
#include <memory>
#include <optional>
#include <utility>

#include "platform/win32/callback_guard.h"

namespace orvane::win32 {

// How a bounded call ended.
enum class BoundedOutcome { Finished, TimedOut };

template <typename Result>
struct BoundedAnswer {
    BoundedOutcome outcome = BoundedOutcome::TimedOut;
    std::optional<Result> result;  // the call's answer when it finished in time
};

namespace detail {

// One call handed to a helper. Its state says whether the caller still waits for it: whoever changes
// it from Running first decides, the helper when it finished, the caller when it gave up.
struct BoundedTask {
    enum : LONG { kRunning, kFinished, kAbandoned };
    virtual ~BoundedTask() = default;
    virtual void Run() = 0;  // makes the call and stores its answer
    LONG state = kRunning;
    // What escaped the call on the helper, handed to the caller's own thread when it waited for it.
    std::exception_ptr error;
};

template <typename Result, typename Call>
struct TypedTask final : BoundedTask {
    explicit TypedTask(Call c) : call(std::move(c)) {}
    void Run() override { result.emplace(call()); }
    Call call;
    std::optional<Result> result;
};

// A helper thread that runs bounded calls one after another. Between calls it waits, kept ready for
// the next, so that a search that makes hundreds of bounded calls starts one thread, not hundreds.
// One whose caller gave up finishes that call, disposes of its answer and ends; the next call gets a
// new helper.
class BoundedHelper {
public:
    // The helper kept ready, or a new one; null when no thread can be started.
    static BoundedHelper* Take() {
        if (auto* kept = static_cast<BoundedHelper*>(InterlockedExchangePointer(&ready_, nullptr))) return kept;
        auto* helper = new BoundedHelper;
        if (helper->wake_ && helper->done_) {
            if (HANDLE thread = CreateThread(nullptr, 0, &BoundedHelper::Main, helper, 0, nullptr)) {
                CloseHandle(thread);
                return helper;
            }
        }
        delete helper;
        return nullptr;
    }

    void Start(std::shared_ptr<BoundedTask> task) {
        task_ = std::move(task);
        SetEvent(wake_);
    }
    bool WaitDone(DWORD waitMs) { return WaitForSingleObject(done_, waitMs) == WAIT_OBJECT_0; }
    // After a call that finished: the helper waits for the next one, unless another is kept already.
    void GiveBack() {
        if (InterlockedCompareExchangePointer(&ready_, this, nullptr) != nullptr) Start(nullptr);
    }

private:
    BoundedHelper() = default;
    ~BoundedHelper() {
        if (wake_) CloseHandle(wake_);
        if (done_) CloseHandle(done_);
    }

    static DWORD WINAPI Main(void* parameter) {
        auto* helper = static_cast<BoundedHelper*>(parameter);
        for (;;) {
            WaitForSingleObject(helper->wake_, INFINITE);
            // The caller stored the task before it set the event; the next one is stored only after
            // this one's end was signalled.
            std::shared_ptr<BoundedTask> task = std::move(helper->task_);
            if (!task) break;
            // The helper has nobody to tell: an error goes to the caller with the answer, or with the
            // task when the caller has given up.
            GuardCallback([&] { task->Run(); }, [&](const std::exception_ptr& error) { task->error = error; });
            const bool awaited = InterlockedCompareExchange(&task->state, BoundedTask::kFinished,
                                                            BoundedTask::kRunning) == BoundedTask::kRunning;
            // When the caller has given up this is the last reference, and the call's answer (an open
            // handle, for one) is disposed of here.
            task.reset();
            if (!awaited) break;
            SetEvent(helper->done_);
        }
        delete helper;
        return 0;
    }

    HANDLE wake_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE done_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    std::shared_ptr<BoundedTask> task_;
    static inline void* volatile ready_ = nullptr;
};

}  // namespace detail

// Runs call() on a helper thread and waits up to waitMs for it. When no helper can be started the
// call runs here, unbounded, as it did before the limit existed.
template <typename Result, typename Call>
BoundedAnswer<Result> CallWithin(DWORD waitMs, Call call) {
    using Task = detail::TypedTask<Result, Call>;
    detail::BoundedHelper* helper = detail::BoundedHelper::Take();
    if (!helper) return {BoundedOutcome::Finished, call()};
    auto task = std::make_shared<Task>(std::move(call));
    helper->Start(task);
    if (!helper->WaitDone(waitMs)) {
        if (InterlockedCompareExchange(&task->state, detail::BoundedTask::kAbandoned, detail::BoundedTask::kRunning) ==
            detail::BoundedTask::kRunning) {
            return {BoundedOutcome::TimedOut, std::nullopt};
        }
        // It finished as the wait ended: its signal follows at once.
        helper->WaitDone(INFINITE);
    }
    // The helper stores the answer before it signals, and signalling orders its writes before the
    // wait's return. An error of the call reaches the caller as if the call had run here.
    helper->GiveBack();
    if (task->error) std::rethrow_exception(task->error);
    return {BoundedOutcome::Finished, std::move(task->result)};
}

namespace detail {

// A run of calls on one helper: step(i) for each index in turn, until the caller gives up.
template <typename Step>
struct SequenceTask final : BoundedTask {
    SequenceTask(std::size_t n, Step s) : count(n), step(std::move(s)) {}
    void Run() override {
        for (std::size_t i = 0; i < count; ++i) {
            // A caller that gave up on an earlier call waits for none of the rest.
            if (InterlockedCompareExchange(&state, kRunning, kRunning) != kRunning) return;
            step(i);
            // The next call's start is stored before the count that says it began.
            InterlockedExchange(&startedAt, static_cast<LONG>(GetTickCount()));
            InterlockedIncrement(&finished);
        }
    }
    std::size_t count;
    Step step;
    LONG finished = 0;                                     // calls that ended
    LONG startedAt = static_cast<LONG>(GetTickCount());  // when the call after them began
};

}  // namespace detail

// Runs step(0), step(1), ... step(count - 1) one after another on one helper thread, each waited for
// up to waitMs, and stops at the first that outlives its wait; the number of calls that ended in time.
// Each step stores its own answer where the caller reads it (shared, since a step the caller gave up
// on still ends later); the answers of the steps before the returned number are complete. Without a
// helper the steps run here, unbounded.
template <typename Step>
std::size_t CallEachWithin(DWORD waitMs, std::size_t count, Step step) {
    using Task = detail::SequenceTask<Step>;
    detail::BoundedHelper* helper = detail::BoundedHelper::Take();
    if (!helper) {
        for (std::size_t i = 0; i < count; ++i) step(i);
        return count;
    }
    auto task = std::make_shared<Task>(count, std::move(step));
    helper->Start(task);
    for (;;) {
        const auto finished = static_cast<std::size_t>(InterlockedCompareExchange(&task->finished, 0, 0));
        const DWORD spent = GetTickCount() - static_cast<DWORD>(InterlockedCompareExchange(&task->startedAt, 0, 0));
        if (finished < count && spent >= waitMs) {
            if (InterlockedCompareExchange(&task->state, detail::BoundedTask::kAbandoned,
                                           detail::BoundedTask::kRunning) == detail::BoundedTask::kRunning) {
                return finished;
            }
            // The last call ended as its time ran out: the helper's signal follows at once.
            helper->WaitDone(INFINITE);
            break;
        }
        if (helper->WaitDone(finished < count ? waitMs - spent : INFINITE)) break;
    }
    helper->GiveBack();
    // A step that threw ended the run there; its error reaches the caller as if the steps had run here.
    if (task->error) std::rethrow_exception(task->error);
    return count;
}

}  // namespace orvane::win32
