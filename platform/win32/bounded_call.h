#pragma once
// A blocking operating-system call given a time limit.
//
// The program runs on one thread. A few calls offer no timeout of their own and can hold that thread
// for as long as a driver, a resolver or a service takes: opening a port whose driver never answers,
// gethostbyname without a reachable resolver, asking a drive that does not answer, a WMI service that
// is slow to run a query. Such a call runs on a helper thread of its own, and the caller waits for it
// for a bounded time. When the time is up the caller goes on with the call's failure answer and
// abandons the helper: it is never ended from outside (that could leave a lock of the system's held),
// it finishes the call whenever the system lets it and then disposes of what the call returned.
//
// The helper touches no window and no state of the program: everything it reads is copied into its
// own shared record, and its answer is read back only when it finished within the limit. A limit is
// not a cancellation: the abandoned call still runs to its end inside the process. An error that
// escapes the call is thrown again to a caller that waited for it, and dropped after a time-out.

#include <windows.h>

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

// The record the helper and the caller share: the call, its answer and the event that says it ended.
template <typename Result, typename Call>
struct BoundedRecord {
    explicit BoundedRecord(Call c) : call(std::move(c)) {}
    ~BoundedRecord() {
        if (done) CloseHandle(done);
    }
    BoundedRecord(const BoundedRecord&) = delete;
    BoundedRecord& operator=(const BoundedRecord&) = delete;
    Call call;
    std::optional<Result> result;
    // What escaped the call on the helper, handed to the caller's own thread when it waited for it.
    std::exception_ptr error;
    HANDLE done = nullptr;
    // Keeps the record alive for the helper while it runs, however long the caller waits.
    std::shared_ptr<BoundedRecord> self;
};

template <typename Result, typename Call>
DWORD WINAPI RunBoundedRecord(void* parameter) {
    auto* record = static_cast<BoundedRecord<Result, Call>*>(parameter);
    // Take over the helper's reference: when the caller has given up, this is the last one, and the
    // call's answer (an open handle, for one) is disposed of here.
    std::shared_ptr<BoundedRecord<Result, Call>> keep = std::move(record->self);
    // The pool's thread has nobody to tell: an error goes to the caller with the answer, or with the
    // record when the caller has given up.
    GuardCallback([&] { keep->result.emplace(keep->call()); },
                  [&](const std::exception_ptr& error) { keep->error = error; });
    SetEvent(keep->done);
    return 0;
}

// QueueUserWorkItem, looked up at run time (Windows 2000 and later): the system's pool keeps its
// threads, so a search that makes hundreds of bounded calls does not start hundreds of threads.
using QueueWorkItemEntry = BOOL(WINAPI*)(LPTHREAD_START_ROUTINE, PVOID, ULONG);
inline QueueWorkItemEntry QueueWorkItem() {
    static const auto entry = reinterpret_cast<QueueWorkItemEntry>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueueUserWorkItem")));
    return entry;
}

}  // namespace detail

// Runs call() on a helper thread and waits up to waitMs for it. When no helper can be started the
// call runs here, unbounded, as it did before the limit existed.
template <typename Result, typename Call>
BoundedAnswer<Result> CallWithin(DWORD waitMs, Call call) {
    using Record = detail::BoundedRecord<Result, Call>;
    auto record = std::make_shared<Record>(std::move(call));
    record->done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool started = false;
    if (record->done) {
        record->self = record;
        constexpr ULONG kLongFunction = 0x10;  // WT_EXECUTELONGFUNCTION: the pool may add a thread
        if (const auto queue = detail::QueueWorkItem()) {
            started = queue(&detail::RunBoundedRecord<Result, Call>, record.get(), kLongFunction) != FALSE;
        } else if (HANDLE thread =
                       CreateThread(nullptr, 0, &detail::RunBoundedRecord<Result, Call>, record.get(), 0, nullptr)) {
            CloseHandle(thread);
            started = true;
        }
        if (!started) record->self.reset();
    }
    if (!started) return {BoundedOutcome::Finished, record->call()};
    if (WaitForSingleObject(record->done, waitMs) != WAIT_OBJECT_0) return {BoundedOutcome::TimedOut, std::nullopt};
    // The event is set after the answer is stored, and setting it orders the helper's writes before
    // the wait's return. An error of the call reaches the caller as if the call had run here.
    if (record->error) std::rethrow_exception(record->error);
    return {BoundedOutcome::Finished, std::move(record->result)};
}

}  // namespace orvane::win32
