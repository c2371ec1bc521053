// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/canberra_player.h"

#include <canberra.h>
#include <dlfcn.h>

#include <QFile>
#include <QStandardPaths>
#include <type_traits>

namespace arvan {

struct CanberraPlayer::Functions {
  decltype(&ca_context_create) create = nullptr;
  decltype(&ca_context_change_props) changeProps = nullptr;
  decltype(&ca_context_open) open = nullptr;
  decltype(&ca_context_play) play = nullptr;
  decltype(&ca_context_destroy) destroy = nullptr;

  // Whether the library and each of its functions were found.
  bool load() {
    void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return false;
    const auto find = [library](auto& function, const char* name) {
      function =
          reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
      return function != nullptr;
    };
    return find(create, "ca_context_create") && find(changeProps, "ca_context_change_props") &&
           find(open, "ca_context_open") && find(play, "ca_context_play") &&
           find(destroy, "ca_context_destroy");
  }
};

CanberraPlayer::CanberraPlayer() : canberra_(std::make_unique<Functions>()) {}

CanberraPlayer::~CanberraPlayer() {
  if (context_ != nullptr) canberra_->destroy(context_);
}

bool CanberraPlayer::open() {
  // The sound theme's bell file is looked up here, not by libcanberra: its own
  // lookup of an event keeps a cache file under ~/.cache, and the tutor writes
  // no files. With the event id on the context and a file on each sound,
  // libcanberra plays that file.
  bellFile_ = QFile::encodeName(QStandardPaths::locate(
      QStandardPaths::GenericDataLocation, QStringLiteral("sounds/freedesktop/stereo/bell.oga")));
  if (bellFile_.isEmpty() || !canberra_->load()) return false;
  if (canberra_->create(&context_) != CA_SUCCESS) {
    context_ = nullptr;
    return false;
  }
  return canberra_->changeProps(context_, CA_PROP_EVENT_ID, "bell", nullptr) == CA_SUCCESS &&
         canberra_->open(context_) == CA_SUCCESS;
}

bool CanberraPlayer::play() {
  // All rings share id 0: a ring never cancels the one before, and each
  // starts a sound of its own.
  return canberra_->play(context_, 0, CA_PROP_MEDIA_FILENAME, bellFile_.constData(),
                         CA_PROP_EVENT_DESCRIPTION, "Bell", nullptr) == CA_SUCCESS;
}

}  // namespace arvan
