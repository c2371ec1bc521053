// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "storm/event_storm.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <set>
#include <string>

#include "form/mode.h"
#include "window_fixture.h"

namespace arvan::storm {
namespace {

long fromEnvironment(const char* name, long otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::atol(value) : otherwise;
}

constexpr int kWindowLength = 20'000;

// ARVAN_STORM_EVENTS=20000000 makes a long run by hand; ARVAN_STORM_FIRST_SEED
// moves it to other seeds.
TEST(EventStorm, EveryInvariantHoldsAfterEveryEventOfAMillionAndMore) {
  const long total = fromEnvironment("ARVAN_STORM_EVENTS", 1'200'000);
  const long firstSeed = fromEnvironment("ARVAN_STORM_FIRST_SEED", 1);
  constexpr int kSeeds = 6;
  for (int n = 0; n < kSeeds; ++n) {
    const auto seed = static_cast<std::uint64_t>(firstSeed + n);
    const std::string report = runStorm(seed, total / kSeeds, kWindowLength);
    EXPECT_TRUE(report.empty()) << report;
  }
}

// A storm that never reached a mode or a kind of outcome would pass without
// having tried it.
TEST(EventStorm, ReachesEveryModeAndEveryOutcome) {
  SeededBytes bytes(1);
  Storm storm;
  std::vector<Event> pending;
  std::set<Mode> modes;
  std::set<std::pair<Mode, std::string_view>> menuEntries;  // chosen from each mode
  int hits = 0;
  int misses = 0;
  int runsEndedByTheBar = 0;
  int pressedKeys = 0;
  bool blind = false;
  bool mongolian = false;
  for (int played = 0; played < 200'000;) {
    pending.clear();
    decodeEvents(bytes, storm.form(), pending);
    for (const Event& e : pending) {
      const Form& f = storm.form();
      const int hitsBefore = f.hitCount;
      const int missesBefore = f.missCount;
      const bool running = !f.Start.enabled;
      const Mode mode = modeOf(f);
      if (e.kind == Event::Kind::Click && e.control.starts_with("lblSubMenu") &&
          f.lblSubMenu1.visible) {
        menuEntries.emplace(mode, e.control);
      }
      ASSERT_EQ(storm.play(e), "");
      ++played;
      modes.insert(mode);
      hits += storm.form().hitCount == hitsBefore + 1;
      misses += storm.form().missCount == missesBefore + 1;
      runsEndedByTheBar += e.kind == Event::Kind::Tick && running && storm.form().Start.enabled;
      for (const Control& fore : storm.form().fore) pressedKeys += fore.visible;
      blind = blind || storm.form().blindMode;
      mongolian = mongolian || storm.form().OptMon.value != 0;
    }
  }
  EXPECT_EQ(modes.size(), 4u);
  EXPECT_EQ(menuEntries.size(), 4u * 3u);  // every entry of the menu from every mode
  EXPECT_GT(hits, 1000);
  EXPECT_GT(misses, 1000);
  EXPECT_GT(runsEndedByTheBar, 10);
  EXPECT_GT(pressedKeys, 1000);
  EXPECT_GT(storm.windowsOpened(), 1);  // lblExit was clicked and a new window opened
  EXPECT_TRUE(blind);
  EXPECT_TRUE(mongolian);
}

// The shrinker keeps what a failure needs and nothing else: the list it
// gives still fails, and without any one of its events it would not.
TEST(EventStorm, ShrinkingLeavesAListFromWhichNoEventCanGo) {
  const auto threeHitsInADrill = [](std::span<const Event> events) {
    Storm storm;
    for (const Event& e : events) {
      if (!storm.play(e).empty()) return false;
      if (modeOf(storm.form()) == Mode::KeyDrill && storm.form().hitCount >= 3) return true;
    }
    return false;
  };
  SeededBytes bytes(7);
  Storm storm;
  std::vector<Event> events;
  std::vector<Event> pending;
  while (events.size() < 20000) {
    pending.clear();
    decodeEvents(bytes, storm.form(), pending);
    for (const Event& e : pending) ASSERT_EQ(storm.play(e), "");
    events.insert(events.end(), pending.begin(), pending.end());
  }
  ASSERT_TRUE(threeHitsInADrill(events));

  const std::vector<Event> shortest = shrink(events, threeHitsInADrill);
  EXPECT_TRUE(threeHitsInADrill(shortest));
  EXPECT_LT(shortest.size(), 20u) << describe(shortest);
  for (std::size_t i = 0; i < shortest.size(); ++i) {
    std::vector<Event> without = shortest;
    without.erase(without.begin() + static_cast<long>(i));
    EXPECT_FALSE(threeHitsInADrill(without)) << "event " << i << " could go too";
  }
}

// The storm checks the drill's own flag only with both text boxes hidden.
// Start is enabled again in word typing once its run has ended; in a drill
// started from there the space bar still draws targetSlot without moving the
// flag, and that is no fault.
TEST(EventStorm, InADrillStartedFromWordTypingTheSpaceBarMovesTargetSlotButNotTheFlag) {
  std::vector<Event> events{Event::click("lblMenu1"), Event::click("lblSubMenu1")};
  for (int n = 0; n < 92; ++n) events.push_back(Event::tick(200));  // the bar fills: run over
  events.push_back(Event::click("Start", testing::drawOf(4)));
  events.push_back(Event::keyDown(32, testing::drawOf(24)));  // the space bar
  Storm storm;
  for (const Event& e : events) ASSERT_EQ(storm.play(e), "") << describe(e);
  EXPECT_TRUE(storm.form().Text1.visible);
  EXPECT_FALSE(storm.form().Start.enabled);
  EXPECT_EQ(storm.form().targetSlot, 24);
  EXPECT_EQ(testing::flaggedSlots(storm.form()), std::vector<int>{4});
}

}  // namespace
}  // namespace arvan::storm
