#include "ui/toolkit/web/loop.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/toolkit/web/dom.h"

namespace gapwise::web {

TEventLoop& Loop() {
  static TEventLoop loop;
  return loop;
}

int TEventLoop::AddTimer(int intervalMs, std::function<void()> tick) {
  const int id = nextTimer_++;
  timers_[id] = TTimerEntry{intervalMs, gw_now() + intervalMs, std::move(tick)};
  return id;
}

// -1 (no timeout) without timers.
int TEventLoop::MsUntilDue() const {
  if (timers_.empty()) return -1;
  double due = timers_.begin()->second.Due;
  for (const auto& [id, timer] : timers_) due = std::min(due, timer.Due);
  return std::max(0, static_cast<int>(std::ceil(due - gw_now())));
}

// Each due timer once; its next interval is counted before its tick runs, as a tick may open a
// message box, in whose loop the timers go on.
void TEventLoop::RunDueTimers() {
  const double now = gw_now();
  std::vector<int> due;
  for (const auto& [id, timer] : timers_) {
    if (timer.Due <= now) due.push_back(id);
  }
  for (const int id : due) {
    const auto found = timers_.find(id);
    if (found == timers_.end()) continue;
    TTimerEntry& timer = found->second;
    timer.Due = std::max(timer.Due + timer.Interval, now + 1);
    const std::function<void()> tick = timer.Tick;
    tick();
  }
}

void TEventLoop::Dispatch(const TEvent& event) {
  if (event.Type == TEvent::kBoxClosed) {
    closedBox_ = event.Id;
    return;
  }
  const auto found = sinks_.find(event.Id);
  if (found != sinks_.end()) found->second->Handle(event);
}

void TEventLoop::RunUntil(const std::function<bool()>& done) {
  while (!done()) {
    TEvent event;
    if (gw_next_event(&event.Type) != 0) {
      Dispatch(event);
    } else {
      gw_wait(MsUntilDue());
    }
    RunDueTimers();
  }
}

}  // namespace gapwise::web
