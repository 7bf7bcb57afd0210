#pragma once
// Work that arrives from outside (an answer from the network) while the
// application is inside a user's event or a timer tick (a run that pumps
// the message loop, a message box waiting for its button) waits until that
// event has ended, so that it never lands in the middle of another action.

#include <functional>
#include <utility>
#include <vector>

namespace tesvik {

class EventGate {
 public:
  // Marks the application busy for the life of the returned object.
  class Hold {
   public:
    explicit Hold(EventGate& gate) : gate_(gate) { ++gate_.depth_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    ~Hold() {
      if (--gate_.depth_ == 0) gate_.drain();
    }

   private:
    EventGate& gate_;
  };

  [[nodiscard]] Hold hold() { return Hold(*this); }

  // Runs work now when the application is idle, else once the outermost
  // event has ended, in the order of arrival.
  void when_idle(std::function<void()> work) {
    if (depth_ == 0 && waiting_.empty()) work();
    else waiting_.push_back(std::move(work));
  }

 private:
  void drain() {
    while (depth_ == 0 && !waiting_.empty()) {
      auto work = std::move(waiting_.front());
      waiting_.erase(waiting_.begin());
      work();
    }
  }

  int depth_ = 0;
  std::vector<std::function<void()>> waiting_;
};

}  // namespace tesvik
