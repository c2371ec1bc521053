// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// Starts a program on the X display named by $DISPLAY and watches it from
// outside, as a learner would see it: the time from the program's start to
// its first frame on screen, and its resident memory at that moment. The
// first frame is there when a window of the program is mapped and shows the
// expected colour at each expected point (window pixels, colour RRGGBB).
// Choose points that only the program's painting colours: Qt gives a
// window its palette's background as soon as it is mapped, before any paint.
// With --idle SECONDS it then lets the program settle for a second and
// counts the processor time and the wake-ups (context switches of all its
// threads) that it spends over SECONDS of waiting. It ends the program
// before it exits.
//
//   arvan_first_frame [--idle SECONDS] --expect X,Y=RRGGBB... PROGRAM [ARGUMENT...]
//
// prints one line: first_frame_ms=... rss_kb=... [idle_cpu_ms=... idle_wakeups=...]

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <dirent.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kPatience = 30s;

struct Expected {
  int x, y;
  std::uint32_t rgb;
};

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T* r) {
  return Reply<T>(r, &std::free);
}

xcb_atom_t atom(xcb_connection_t* x, const char* name) {
  const auto r = reply(xcb_intern_atom_reply(
      x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<std::uint32_t> windowPid(xcb_connection_t* x, xcb_window_t w, xcb_atom_t netWmPid) {
  const auto r = reply(xcb_get_property_reply(
      x, xcb_get_property(x, 0, w, netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr));
  if (!r || xcb_get_property_value_length(r.get()) != 4) return std::nullopt;
  return *static_cast<const std::uint32_t*>(xcb_get_property_value(r.get()));
}

// Whether the window shows the colour at the point.
bool shows(xcb_connection_t* x, xcb_window_t w, const Expected& e) {
  const auto image = reply(xcb_get_image_reply(
      x,
      xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, w, static_cast<std::int16_t>(e.x),
                    static_cast<std::int16_t>(e.y), 1, 1, ~0U),
      nullptr));
  if (!image || image->depth < 24 || xcb_get_image_data_length(image.get()) < 4) return false;
  const std::uint8_t* p = xcb_get_image_data(image.get());  // B, G, R, X
  return (std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0]) == e.rgb;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

long statusField(const std::string& status, const std::string& name) {
  const std::size_t at = status.find(name + ":");
  return at == std::string::npos ? 0 : std::atol(status.c_str() + at + name.size() + 1);
}

struct Usage {
  long cpuTicks = 0;  // user and system, of the whole process
  long switches = 0;  // voluntary and not, summed over its threads
};

Usage usageOf(pid_t pid) {
  Usage u;
  const std::string proc = "/proc/" + std::to_string(pid);
  const std::string stat = readFile(proc + "/stat");
  // Fields after the command's closing parenthesis; utime and stime are the
  // 14th and 15th of the line.
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  for (int n = 3; n <= 15 && fields >> field; ++n) {
    if (n >= 14) u.cpuTicks += std::atol(field.c_str());
  }
  if (DIR* tasks = opendir((proc + "/task").c_str())) {
    while (const dirent* task = readdir(tasks)) {
      if (task->d_name[0] == '.') continue;
      const std::string status = readFile(proc + "/task/" + task->d_name + "/status");
      u.switches += statusField(status, "voluntary_ctxt_switches") +
                    statusField(status, "nonvoluntary_ctxt_switches");
    }
    closedir(tasks);
  }
  return u;
}

void end(pid_t pid) {
  kill(pid, SIGTERM);
  for (int n = 0; n < 200; ++n) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(10ms);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

int usage() {
  std::fprintf(stderr,
               "usage: arvan_first_frame [--idle SECONDS] --expect X,Y=RRGGBB... "
               "PROGRAM [ARGUMENT...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  double idleSeconds = 0;
  std::vector<Expected> expected;
  int first = 1;
  for (; first + 1 < argc && argv[first][0] == '-'; first += 2) {
    Expected e{};
    if (std::strcmp(argv[first], "--idle") == 0) {
      idleSeconds = std::atof(argv[first + 1]);
    } else if (std::strcmp(argv[first], "--expect") == 0 &&
               std::sscanf(argv[first + 1], "%d,%d=%x", &e.x, &e.y, &e.rgb) == 3) {
      expected.push_back(e);
    } else {
      return usage();
    }
  }
  if (first >= argc || expected.empty()) return usage();

  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "arvan_first_frame: cannot open the display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const xcb_atom_t netWmPid = atom(x, "_NET_WM_PID");
  // Without a window manager, top-level windows are the root's children:
  // their mapping reaches us as events on the root.
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0) {
    std::fprintf(stderr, "arvan_first_frame: cannot start %s\n", argv[first]);
    return 1;
  }

  std::set<xcb_window_t> mapped;  // the program's mapped top-level windows
  std::optional<Clock::duration> frame;
  while (!frame && Clock::now() - start < kPatience) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
      const int type = event->response_type & 0x7F;
      if (type == XCB_MAP_NOTIFY) {
        const xcb_window_t w = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        if (windowPid(x, w, netWmPid) == static_cast<std::uint32_t>(pid)) mapped.insert(w);
      } else if (type == XCB_UNMAP_NOTIFY) {
        mapped.erase(reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window);
      }
      std::free(event);
    }
    for (const xcb_window_t w : mapped) {
      bool all = true;
      for (const Expected& e : expected) all = all && shows(x, w, e);
      if (all) frame = Clock::now() - start;
    }
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "arvan_first_frame: %s exited before its first frame\n", argv[first]);
      return 1;
    }
    if (!frame) std::this_thread::sleep_for(500us);
  }
  if (!frame) {
    std::fprintf(stderr, "arvan_first_frame: no frame within %lld s\n",
                 static_cast<long long>(kPatience.count()));
    end(pid);
    return 1;
  }

  const long rssKb = statusField(readFile("/proc/" + std::to_string(pid) + "/status"), "VmRSS");
  std::printf("first_frame_ms=%.1f rss_kb=%ld",
              std::chrono::duration<double, std::milli>(*frame).count(), rssKb);
  if (idleSeconds > 0) {
    std::this_thread::sleep_for(1s);
    const Usage before = usageOf(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const Usage after = usageOf(pid);
    std::printf(" idle_cpu_ms=%ld idle_wakeups=%ld",
                (after.cpuTicks - before.cpuTicks) * 1000 / sysconf(_SC_CLK_TCK),
                after.switches - before.switches);
  }
  std::printf("\n");
  end(pid);
  xcb_disconnect(x);
  return 0;
}
