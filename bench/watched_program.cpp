// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "bench/watched_program.h"

#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

extern char** environ;

namespace arvan::bench {
namespace {

using namespace std::chrono_literals;

constexpr auto kPatience = 30s;

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

}  // namespace

bool parseExpected(const char* text, Expected& expected) {
  return std::sscanf(text, "%d,%d=%x", &expected.x, &expected.y, &expected.rgb) == 3;
}

std::optional<std::uint32_t> pixelOf(xcb_connection_t* x, xcb_window_t window, int px, int py) {
  const auto image = reply(xcb_get_image_reply(
      x,
      xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<std::int16_t>(px),
                    static_cast<std::int16_t>(py), 1, 1, ~0U),
      nullptr));
  if (!image || image->depth < 24 || xcb_get_image_data_length(image.get()) < 4) {
    return std::nullopt;
  }
  const std::uint8_t* p = xcb_get_image_data(image.get());  // B, G, R, X
  return std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}

WatchedProgram::WatchedProgram(xcb_connection_t* x, char** argv) : x_(x) {
  // Without a window manager, top-level windows are the root's children:
  // their mapping reaches us as events on the root.
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);
  start_ = Clock::now();
  if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv, environ) != 0) {
    throw std::runtime_error(std::string("cannot start ") + argv[0]);
  }
}

WatchedProgram::~WatchedProgram() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  for (int n = 0; n < 200; ++n) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(10ms);
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

Clock::duration WatchedProgram::waitForFirstFrame(const std::vector<Expected>& expected) {
  const xcb_atom_t netWmPid = atom(x_, "_NET_WM_PID");
  std::set<xcb_window_t> mapped;  // the program's mapped top-level windows
  while (Clock::now() - start_ < kPatience) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(x_)) {
      const int type = event->response_type & 0x7F;
      if (type == XCB_MAP_NOTIFY) {
        const xcb_window_t w = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        if (windowPid(x_, w, netWmPid) == static_cast<std::uint32_t>(pid_)) mapped.insert(w);
      } else if (type == XCB_UNMAP_NOTIFY) {
        mapped.erase(reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window);
      }
      std::free(event);
    }
    for (const xcb_window_t w : mapped) {
      bool all = true;
      for (const Expected& e : expected) all = all && pixelOf(x_, w, e.x, e.y) == e.rgb;
      if (all) {
        window_ = w;
        return Clock::now() - start_;
      }
    }
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = 0;
      throw std::runtime_error("the program exited before its first frame");
    }
    std::this_thread::sleep_for(500us);
  }
  throw std::runtime_error("no first frame within 30 s");
}

long WatchedProgram::residentKb() const {
  return statusField(readFile("/proc/" + std::to_string(pid_) + "/status"), "VmRSS");
}

Usage WatchedProgram::usage() const {
  Usage u;
  const std::string tasks = "/proc/" + std::to_string(pid_) + "/task/";
  DIR* dir = opendir(tasks.c_str());
  if (dir == nullptr) return u;
  while (const dirent* task = readdir(dir)) {
    if (task->d_name[0] == '.') continue;
    const std::string path = tasks + task->d_name;
    // The first field of schedstat is the time on a processor, in ns.
    u.cpu += std::chrono::nanoseconds(std::atoll(readFile(path + "/schedstat").c_str()));
    const std::string status = readFile(path + "/status");
    u.switches += statusField(status, "voluntary_ctxt_switches") +
                  statusField(status, "nonvoluntary_ctxt_switches");
  }
  closedir(dir);
  return u;
}

}  // namespace arvan::bench
