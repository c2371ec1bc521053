// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "screenshot.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace arvan::wayland {
namespace {

std::string outputOf(const char* command) {
  FILE* pipe = popen(command, "r");
  if (!pipe) throw std::runtime_error(std::string("could not run ") + command);
  std::string output;
  char buffer[1 << 16];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, read);
  if (pclose(pipe) != 0) throw std::runtime_error(std::string(command) + " failed");
  return output;
}

}  // namespace

Screenshot Screenshot::take() {
  // A binary PPM: "P6", width, height, 255, one white space, then RGB bytes.
  const std::string ppm = outputOf("grim -t ppm -");
  std::istringstream header(ppm);
  std::string magic;
  int maxValue = 0;
  Screenshot shot;
  header >> magic >> shot.width_ >> shot.height_ >> maxValue;
  if (!header || magic != "P6" || maxValue != 255 || shot.width_ <= 0 || shot.height_ <= 0) {
    throw std::runtime_error("grim wrote no picture that could be read");
  }
  const auto start = static_cast<std::size_t>(header.tellg()) + 1;
  const auto size =
      static_cast<std::size_t>(shot.width_) * static_cast<std::size_t>(shot.height_) * 3;
  if (ppm.size() < start + size) throw std::runtime_error("grim's picture is cut short");
  shot.rgb_.assign(ppm.begin() + static_cast<std::ptrdiff_t>(start),
                   ppm.begin() + static_cast<std::ptrdiff_t>(start + size));
  return shot;
}

std::uint32_t Screenshot::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                          static_cast<std::size_t>(x)) *
                         3;
  return static_cast<std::uint32_t>(rgb_[at] << 16 | rgb_[at + 1] << 8 | rgb_[at + 2]);
}

std::vector<std::uint32_t> Screenshot::area(int left, int top, int width, int height) const {
  std::vector<std::uint32_t> pixels;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) pixels.push_back(pixel(x, y));
  }
  return pixels;
}

void Screenshot::save(const std::string& path) const {
  std::ofstream file(path, std::ios::binary);
  file << "P6\n" << width_ << ' ' << height_ << "\n255\n";
  file.write(reinterpret_cast<const char*>(rgb_.data()), static_cast<std::streamsize>(rgb_.size()));
}

}  // namespace arvan::wayland
