// TWaitableTime: a worker thread that waits on a system waitable timer and
// calls its handler on every signal. The timer is a synchronisation timer, so
// signals that fall due while the handler runs merge into one: the handler
// never runs twice at once and missed periods are not made up.
//
// Start, Stop, SetPeriod and RequestEnd only store a value and signal an
// event; they are safe from any thread. OnTimer runs on the worker thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "ui/WinHandles_win.h"

namespace vxl::win {

class TWaitableTime {
 public:
  using Handler = void (*)(void* data);

  TWaitableTime();
  // Ends the thread if the owner has not done so, then closes the handles.
  ~TWaitableTime();
  TWaitableTime(const TWaitableTime&) = delete;
  TWaitableTime& operator=(const TWaitableTime&) = delete;

  // False when the thread, an event or the timer could not be created; the
  // object then never ticks.
  bool Valid() const { return thread_ && timer_; }

  // Set before the first Start; the handler must outlive the thread.
  void SetOnTimer(Handler handler, void* data);
  // Applies at the next Start.
  void SetPeriod(std::uint32_t periodMs);
  // Restarts the timer from now; with immediate, the first signal comes
  // after 1 ms instead of one period.
  void Start(bool immediate);
  void Stop();
  void RequestEnd();
  // Waits for the thread to end while answering messages sent to this
  // thread's windows, so that a handler placing one of them can finish.
  void WaitForEnd();

 private:
  static DWORD WINAPI ThreadBody(void* self) noexcept;
  void Run();
  void Arm();

  UniqueKernelHandle startEvent_;
  UniqueKernelHandle stopEvent_;
  UniqueKernelHandle terminateEvent_;
  UniqueKernelHandle timer_;
  UniqueKernelHandle thread_;
  std::atomic<std::uint32_t> periodMs_{40};
  std::atomic<bool> immediate_{false};
  std::atomic<Handler> handler_{nullptr};
  std::atomic<void*> handlerData_{nullptr};
};

}  // namespace vxl::win
