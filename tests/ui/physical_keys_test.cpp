// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "ui/physical_keys.h"

#include <gtest/gtest.h>

#include <Qt>

namespace arvan {
namespace {

TEST(QtKeys, WithoutAScanCodeTheCharacterOrTheControlKeyDecides) {
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_Q), 81);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_Space), 32);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_Colon), 186);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_BraceRight), 221);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_AltGr), 18);
  EXPECT_EQ(keyCodeFromQtKey(Qt::Key_Enter), 13);
  EXPECT_EQ(keyCodeFromQtKey(0x04E8), 70);             // Ө on F
  EXPECT_FALSE(keyCodeFromQtKey(0x0429).has_value());  // Щ is on no key of the table
  EXPECT_FALSE(keyCodeFromQtKey(Qt::Key_F13).has_value());
  EXPECT_FALSE(keyCodeFromQtKey(Qt::Key_unknown).has_value());
}

}  // namespace
}  // namespace arvan
