// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/preparations.h"

namespace arvan {
namespace {

long preparations = 0;  // on the window's thread only

}  // namespace

void countPreparation() { ++preparations; }

long preparationsSoFar() { return preparations; }

}  // namespace arvan
