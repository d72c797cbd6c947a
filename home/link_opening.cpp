// The home screen's links to the maker's web site and support chats, handed to the desktop's
// handler. Where none is installed, or none takes the address, the learner is told as XP's
// shell tells it, and can still open the address by hand.
#include <algorithm>

#include "frame/message_box.h"
#include "home/home_screen.h"

namespace xpexam::home {

namespace {

// A handler still running after this many ticks has taken the link (a browser it started in the
// foreground keeps it running); how it ends later is no longer about the link.
constexpr int kFollowTicks = 50;

}  // namespace

void FrmFengmian::OpenLink(const std::string& address, std::string_view tag) {
  mFollowedLinks.push_back({platform::ShellOpenFollowed(address), address, std::string(tag)});
  TimLink.SetEnabled(true);
}

void FrmFengmian::TimLink_Timer() {
  std::vector<FollowedLink> refused;
  std::erase_if(mFollowedLinks, [&](FollowedLink& link) {
    const auto state = link.opening->state();
    if (state == platform::ShellOpening::State::kNotOpened) refused.push_back(link);
    return state != platform::ShellOpening::State::kRunning || ++link.ticks >= kFollowTicks;
  });
  if (mFollowedLinks.empty()) TimLink.SetEnabled(false);
  for (const FollowedLink& link : refused)
    frame::AskInMessageBox(link.tag, "打开链接", frame::kNoticeIcon, "\r\n\r\n无法打开 " + link.address + "，请手动打开。");
}

}  // namespace xpexam::home
