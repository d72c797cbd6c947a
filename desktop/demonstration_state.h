#pragma once
// Whether a demonstration runs. The question bar marks it when it asks for one (a moment before
// the demonstration window opens) and clears it when it calls a pending one off; the
// demonstration clears it at its end, and its timers idle while it is clear. It lives with the
// desktop, below both, so that neither reaches into the other; everyone reads it through
// demonstration().
namespace xpexam::desktop {

class DemonstrationState {
 public:
  bool running() const { return running_; }

  void MarkRunning() { running_ = true; }
  void MarkStopped() { running_ = false; }

 private:
  bool running_ = false;
};

const DemonstrationState& demonstration();
DemonstrationState& editDemonstration();

}  // namespace xpexam::desktop
