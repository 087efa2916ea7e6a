#include "ui/WaitableTime_win.h"

#include "ui/CallbackGuard_win.h"

namespace vxl::win {

TWaitableTime::TWaitableTime()
    : startEvent_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      stopEvent_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      terminateEvent_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      timer_(::CreateWaitableTimerW(nullptr, FALSE, nullptr)) {
  if (!startEvent_ || !stopEvent_ || !terminateEvent_ || !timer_) return;
  // Created suspended so that no wait starts before every handle exists.
  thread_.reset(
      ::CreateThread(nullptr, 0, &TWaitableTime::ThreadBody, this, CREATE_SUSPENDED, nullptr));
  if (thread_) ::ResumeThread(thread_.get());
}

TWaitableTime::~TWaitableTime() {
  RequestEnd();
  WaitForEnd();
}

void TWaitableTime::SetOnTimer(Handler handler, void* data) {
  handlerData_ = data;
  handler_ = handler;
}

void TWaitableTime::SetPeriod(std::uint32_t periodMs) { periodMs_ = periodMs; }

void TWaitableTime::Start(bool immediate) {
  immediate_ = immediate;
  if (startEvent_) ::SetEvent(startEvent_.get());
}

void TWaitableTime::Stop() {
  if (stopEvent_) ::SetEvent(stopEvent_.get());
}

void TWaitableTime::RequestEnd() {
  if (terminateEvent_) ::SetEvent(terminateEvent_.get());
}

void TWaitableTime::WaitForEnd() {
  if (!thread_) return;
  HANDLE thread = thread_.get();
  for (;;) {
    const DWORD result = ::MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE);
    if (result != WAIT_OBJECT_0 + 1) break;
    // Only sent messages are answered here; posted ones stay queued.
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  thread_.reset();
}

DWORD WINAPI TWaitableTime::ThreadBody(void* self) noexcept {
  return GuardCallback(
      [&] {
        static_cast<TWaitableTime*>(self)->Run();
        return DWORD{0};
      },
      [] { return DWORD{1}; });
}

void TWaitableTime::Arm() {
  const std::uint32_t period = periodMs_;
  // Relative due time in units of 100 ns.
  LARGE_INTEGER due;
  due.QuadPart = immediate_ ? -10'000LL : -static_cast<LONGLONG>(period) * 10'000LL;
  const LONG repeat = static_cast<LONG>(period > 0x7FFFFFFFu ? 0x7FFFFFFFu : period);
  ::SetWaitableTimer(timer_.get(), &due, repeat, nullptr, nullptr, TRUE);
}

void TWaitableTime::Run() {
  // The order of the handles is the order in which simultaneous signals are
  // served.
  const HANDLE waits[4] = {startEvent_.get(), stopEvent_.get(), timer_.get(),
                           terminateEvent_.get()};
  for (;;) {
    switch (::WaitForMultipleObjects(4, waits, FALSE, INFINITE)) {
      case WAIT_OBJECT_0: Arm(); break;
      case WAIT_OBJECT_0 + 1: ::CancelWaitableTimer(timer_.get()); break;
      case WAIT_OBJECT_0 + 2:
        if (Handler handler = handler_.load()) handler(handlerData_.load());
        break;
      case WAIT_OBJECT_0 + 3: ::CancelWaitableTimer(timer_.get()); return;
      // A wait that fails would fail again at once: end rather than spin.
      case WAIT_FAILED: return;
      default: break;
    }
  }
}

}  // namespace vxl::win
