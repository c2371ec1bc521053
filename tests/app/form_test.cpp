#include "app/form.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "fake_platform.h"

namespace arvan {
namespace {

TEST(Form, OpensIdleAfterStartUp) {
  testing::FakePlatform platform;
  FormHit window(platform);
  window.load();
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_EQ(window.form().timSeconds.interval, 250);
  EXPECT_FALSE(window.form().timSeconds.enabled);
}

}  // namespace
}  // namespace arvan
