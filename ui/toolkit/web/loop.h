// The event loop of the web backend: it pulls the user's actions that the page queued, hands
// them to the controls, runs the timers that are due, and sleeps in between.
#pragma once

#include <functional>
#include <map>

namespace gapwise::web {

// An action the page reported, as gw_next_event gives it.
struct TEvent {
  enum TType : int { kNone, kClick, kRadio, kKey, kEditKey, kClose, kShown, kBoxClosed };
  int Type = kNone;
  int Id = 0;         // the element it concerns
  int Arg = 0;        // the radio button's index, the key's code
  int Char = 0;       // the typed character, 0 for none
  int Modifiers = 0;  // a key's: 1 Shift, 2 Ctrl, 4 Alt
  int Target = 0;     // a key's: the edit box that takes its character, 0 for none
};

// A control that hears of the page's actions on its element.
class IEventSink {
 public:
  virtual ~IEventSink() = default;
  virtual void Handle(const TEvent& event) = 0;
};

class TEventLoop {
 public:
  void Listen(int id, IEventSink* sink) { sinks_[id] = sink; }
  void Forget(int id) { sinks_.erase(id); }

  // A timer due every intervalMs from now, and its removal; the id is never 0.
  int AddTimer(int intervalMs, std::function<void()> tick);
  void RemoveTimer(int id) { timers_.erase(id); }

  // Handles events and timers until done() is true; sleeps while nothing is due. Loops nest.
  void RunUntil(const std::function<bool()>& done);
  // Hands the event to the control of its element.
  void Dispatch(const TEvent& event);
  // The message boxes closed so far, by their element.
  bool BoxClosed(int id) const { return closedBox_ == id; }

 private:
  struct TTimerEntry {
    int Interval = 0;
    double Due = 0;
    std::function<void()> Tick;
  };
  int MsUntilDue() const;
  void RunDueTimers();

  std::map<int, IEventSink*> sinks_;
  std::map<int, TTimerEntry> timers_;
  int nextTimer_ = 1;
  int closedBox_ = 0;
};

TEventLoop& Loop();

}  // namespace gapwise::web
