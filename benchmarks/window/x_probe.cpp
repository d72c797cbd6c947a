// Measures a program on an X display from the outside, with real X input (XTest, as xdotool).
//   xpexam_x_probe latency N RX RY RW RH X1 Y1 [X2 Y2]
//     N clicks, alternating between the two points; each time, milliseconds from the click
//     until a pixel of the region (root coordinates) changes.
//   xpexam_x_probe start N RX RY RW RH SETTLE_MS COMMAND [ARGS...]
//     Starts the command N + 1 times. The first run, left alone for SETTLE_MS, shows what the
//     region looks like when it has started; each later run is timed from the start until the
//     region first changes (its first frame) and until it looks like that, and its resident
//     memory, in all and anonymous (what the process itself allocated, as opposed to files and
//     shared memory mapped), is read SETTLE_MS later.
// Prints one line per figure: "<name> min <v> median <v>" with every sample after it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Area {
  int x, y, w, h;
};

double MsSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }
void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::vector<uint32_t> Grab(Display* d, const Area& r) {
  std::vector<uint32_t> out;
  XImage* img = XGetImage(d, DefaultRootWindow(d), r.x, r.y, r.w, r.h, AllPlanes, ZPixmap);
  if (!img) return out;
  out.reserve(static_cast<size_t>(r.w) * r.h);
  for (int y = 0; y < r.h; ++y)
    for (int x = 0; x < r.w; ++x) out.push_back(static_cast<uint32_t>(XGetPixel(img, x, y)) & 0xFFFFFF);
  XDestroyImage(img);
  return out;
}

void Report(const char* name, std::vector<double> v, const char* unit) {
  if (v.empty()) {
    std::printf("%s none\n", name);
    return;
  }
  std::sort(v.begin(), v.end());
  const double median = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
  std::printf("%s min %.1f median %.1f %s |", name, v.front(), median, unit);
  for (double x : v) std::printf(" %.1f", x);
  std::printf("\n");
  std::fflush(stdout);
}

void Click(Display* d, int x, int y) {
  XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
  XTestFakeButtonEvent(d, 1, True, CurrentTime);
  XTestFakeButtonEvent(d, 1, False, CurrentTime);
  XFlush(d);
}

int Latency(Display* d, int n, const Area& r, const std::vector<std::pair<int, int>>& points) {
  std::vector<double> ms;
  for (int i = 0; i < n; ++i) {
    const auto [x, y] = points[i % points.size()];
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    XFlush(d);
    SleepMs(200);  // whatever the move itself changes is over
    const std::vector<uint32_t> before = Grab(d, r);
    const Clock::time_point t0 = Clock::now();
    Click(d, x, y);
    bool changed = false;
    while (MsSince(t0) < 3000) {
      if (Grab(d, r) != before) {
        changed = true;
        break;
      }
    }
    if (changed) ms.push_back(MsSince(t0));
    SleepMs(400);  // the program finishes the step before the next click
  }
  Report("latency_ms", ms, "ms");
  return ms.size() == static_cast<size_t>(n) ? 0 : 1;
}

// A field of /proc/PID/status in kB ("VmRSS:", "RssAnon:"); -1 when missing.
long StatusKb(pid_t pid, const std::string& field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + field.size());
  return -1;
}

pid_t Launch(char** argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    _exit(127);
  }
  return pid;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

int Start(Display* d, int n, const Area& r, int settle_ms, char** argv) {
  pid_t pid = Launch(argv);
  SleepMs(settle_ms);
  const std::vector<uint32_t> started = Grab(d, r);
  Stop(pid);
  SleepMs(300);
  std::vector<double> ms, first, rss, anon;
  for (int i = 0; i < n; ++i) {
    const std::vector<uint32_t> empty = Grab(d, r);
    const Clock::time_point t0 = Clock::now();
    pid = Launch(argv);
    bool seen = false, drawn = false;
    while (MsSince(t0) < 20000) {
      const std::vector<uint32_t> now = Grab(d, r);
      if (!drawn && now != empty) {
        drawn = true;
        first.push_back(MsSince(t0));
      }
      if (now == started) {
        seen = true;
        break;
      }
    }
    if (seen) ms.push_back(MsSince(t0));
    SleepMs(settle_ms);
    rss.push_back(StatusKb(pid, "VmRSS:") / 1024.0);
    anon.push_back(StatusKb(pid, "RssAnon:") / 1024.0);
    Stop(pid);
    SleepMs(300);
  }
  Report("start_ms", ms, "ms");
  Report("first_frame_ms", first, "ms");
  Report("resident_mb", rss, "MB");
  Report("anonymous_mb", anon, "MB");
  return ms.size() == static_cast<size_t>(n) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 7) {
    std::fprintf(stderr, "usage: %s latency|start N RX RY RW RH ...\n", argv[0]);
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "x_probe: no display\n");
    return 77;
  }
  const std::string mode = argv[1];
  const int n = std::atoi(argv[2]);
  const Area r{std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
  int status = 2;
  if (mode == "latency" && argc >= 9) {
    std::vector<std::pair<int, int>> points{{std::atoi(argv[7]), std::atoi(argv[8])}};
    if (argc >= 11) points.emplace_back(std::atoi(argv[9]), std::atoi(argv[10]));
    status = Latency(d, n, r, points);
  } else if (mode == "start" && argc >= 9) {
    status = Start(d, n, r, std::atoi(argv[7]), argv + 8);
  }
  XCloseDisplay(d);
  return status;
}
