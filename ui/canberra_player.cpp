// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// libcanberra is loaded when the player opens: linked to the program, it and
// the libraries it needs would be loaded at every start, before the window's
// first frame. It stays loaded for the program's life.

#include <canberra.h>
#include <dlfcn.h>

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <type_traits>

#include "ui/desktop_bell.h"

namespace arvan {
namespace {

class CanberraPlayer : public BellPlayer {
 public:
  ~CanberraPlayer() override {
    if (context_ != nullptr) destroy_(context_);
  }

  bool open() override {
    // The sound theme's bell file is looked up here, not by libcanberra: its
    // own lookup of an event keeps a cache file under ~/.cache, and the tutor
    // writes no files. With the event id on the context and a file on each
    // sound, libcanberra plays that file.
    bellFile_ = QFile::encodeName(QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("sounds/freedesktop/stereo/bell.oga")));
    if (bellFile_.isEmpty() || !load()) return false;
    if (create_(&context_) != CA_SUCCESS) {
      context_ = nullptr;
      return false;
    }
    return changeProps_(context_, CA_PROP_EVENT_ID, "bell", nullptr) == CA_SUCCESS &&
           open_(context_) == CA_SUCCESS;
  }

  bool play() override {
    // All rings share id 0: a ring never cancels the one before, and each
    // starts a sound of its own.
    return play_(context_, 0, CA_PROP_MEDIA_FILENAME, bellFile_.constData(),
                 CA_PROP_EVENT_DESCRIPTION, "Bell", nullptr) == CA_SUCCESS;
  }

 private:
  // Whether the library and each of its functions were found.
  bool load() {
    void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return false;
    const auto find = [library](auto& function, const char* name) {
      function =
          reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
      return function != nullptr;
    };
    return find(create_, "ca_context_create") && find(changeProps_, "ca_context_change_props") &&
           find(open_, "ca_context_open") && find(play_, "ca_context_play") &&
           find(destroy_, "ca_context_destroy");
  }

  decltype(&ca_context_create) create_ = nullptr;
  decltype(&ca_context_change_props) changeProps_ = nullptr;
  decltype(&ca_context_open) open_ = nullptr;
  decltype(&ca_context_play) play_ = nullptr;
  decltype(&ca_context_destroy) destroy_ = nullptr;
  ca_context* context_ = nullptr;
  QByteArray bellFile_;
};

}  // namespace

std::unique_ptr<BellPlayer> canberraPlayer() { return std::make_unique<CanberraPlayer>(); }

}  // namespace arvan
