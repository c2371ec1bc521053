// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

// The window's design as the learner sees it: the colours the window really
// shows, read back from the pixels Qt left on the screen, where the design
// puts each control. Rectangles are the design's, in twips; colours its
// 0x00BBGGRR values written here as the screen shows them, 0xRRGGBB.

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "seen_on_screen.h"
#include "shown_window.h"
#include "ui/fonts.h"

namespace arvan {
namespace {

using testing::backingStoreOf;
using testing::hex;
using testing::kSeenSizes;
using testing::SeenWindow;
using testing::sizeName;

// A colour as it should show, and how far each channel may stray from it.
struct Shade {
  const char* name;
  QRgb rgb;
  int tolerance = 0;
};

constexpr Shade kBlueShown{"blue", 0x0000FF};
constexpr Shade kNavyShown{"navy", 0x000080};
constexpr Shade kLightBlueShown{"light blue", 0x8080FF};
constexpr Shade kLightGreyShown{"light grey", 0xC0C0C0};
constexpr Shade kGreyShown{"grey", 0x808080};
constexpr Shade kRedShown{"red", 0xFF0000};
constexpr Shade kYellowShown{"yellow", 0xFFFF00};
constexpr Shade kBlackShown{"black", 0x000000};
constexpr Shade kGreenShown{"green", 0x00FF00};
// The style shades the inside of a frame with a faint translucent picture of
// its border, #0000FC on the frame's blue: the toolkit's frame, not a colour
// of the design, and no eye tells it from the blue around it.
constexpr Shade kFrameBlueShown{"blue inside a frame", 0x0000FF, 4};
// The empty pressure bar shows the style's white groove.
constexpr Shade kEmptyBarShown{"the empty bar's white groove", 0xFFFFFF};

[[nodiscard]] bool shows(QRgb seen, const Shade& shade) {
  return std::abs(qRed(seen) - qRed(shade.rgb)) <= shade.tolerance &&
         std::abs(qGreen(seen) - qGreen(shade.rgb)) <= shade.tolerance &&
         std::abs(qBlue(seen) - qBlue(shade.rgb)) <= shade.tolerance;
}

void expectShows(const SeenWindow& seen, QPointF pixel, const Shade& shade,
                 const std::string& where) {
  const QRgb colour = seen.colourAt(pixel);
  EXPECT_TRUE(shows(colour, shade))
      << where << " (pixel " << pixel.x() << ", " << pixel.y() << ") shows " << hex(colour)
      << ", not " << shade.name << " " << hex(shade.rgb);
}

// Where an area is looked at from inside: near its corners, or across the
// middle of an edge. The far right end lies past any caption.
enum Inside : unsigned {
  kTopLeft = 1u << 0,
  kTopRight = 1u << 1,
  kBottomLeft = 1u << 2,
  kBottomRight = 1u << 3,
  kLeftEdge = 1u << 4,
  kTopEdge = 1u << 5,
  kFarRightEnd = 1u << 6,
  kBottomEdge = 1u << 7,
};
constexpr unsigned kCornersAndFarEnd =
    kTopLeft | kTopRight | kBottomLeft | kBottomRight | kFarRightEnd;

using Around = std::array<std::optional<Shade>, 4>;  // left, top, right, bottom

// A control, or a flat part of one, that shows one colour over its
// rectangle.
struct Area {
  const char* what;
  Rect twips;  // in the window
  Shade inside;
  unsigned lookedAt;  // where it is looked at from inside
  // What shows just outside the middle of each edge; unset where the
  // neighbour there has the same colour, is a picture, or lies too close.
  Around outside;
  // Pixels in from an edge: clear of its antialiasing, and of whatever the
  // control draws near its edges (a border, a caption, an option's circle).
  QPointF inset{3, 3};
};

// Pixels out from an edge, clear of its antialiasing.
constexpr double kOutset = 3;

void expectArea(const SeenWindow& seen, const Area& a, const std::string& when) {
  const double l = a.twips.left;
  const double t = a.twips.top;
  const double r = a.twips.right();
  const double b = a.twips.bottom();
  const double midX = (l + r) / 2;
  const double midY = (t + b) / 2;
  const double inX = a.inset.x();
  const double inY = a.inset.y();
  struct Probe {
    unsigned where;
    const char* name;
    QPointF twips;
    QPointF nudge;
  };
  const std::array<Probe, 8> inside{{
      {kTopLeft, "top-left corner", {l, t}, {inX, inY}},
      {kTopRight, "top-right corner", {r, t}, {-inX, inY}},
      {kBottomLeft, "bottom-left corner", {l, b}, {inX, -inY}},
      {kBottomRight, "bottom-right corner", {r, b}, {-inX, -inY}},
      {kLeftEdge, "left edge", {l, midY}, {inX, 0}},
      {kTopEdge, "top edge", {midX, t}, {0, inY}},
      {kFarRightEnd, "far right end", {r, midY}, {-inX, 0}},
      {kBottomEdge, "bottom edge", {midX, b}, {0, -inY}},
  }};
  for (const Probe& p : inside) {
    if ((a.lookedAt & p.where) == 0) continue;
    expectShows(seen, seen.pixelOf(p.twips, p.nudge), a.inside,
                std::string(a.what) + " just inside its " + p.name + when);
  }
  const std::array<Probe, 4> outside{{
      {0, "left edge", {l, midY}, {-kOutset, 0}},
      {0, "top edge", {midX, t}, {0, -kOutset}},
      {0, "right edge", {r, midY}, {kOutset, 0}},
      {0, "bottom edge", {midX, b}, {0, kOutset}},
  }};
  for (std::size_t side = 0; side < outside.size(); ++side) {
    const Probe& p = outside[side];
    const QPointF pixel = seen.pixelOf(p.twips, p.nudge);
    if (!a.outside[side] || !seen.shows(pixel)) continue;
    expectShows(seen, pixel, *a.outside[side],
                std::string("just outside the ") + p.name + " of " + a.what + when);
  }
}

// One spot of one colour: the background between controls, a panel, the
// inside of a frame, the rim of a key between its outline and its face.
struct Spot {
  const char* what;
  QPointF twips;
  Shade shade;
};

void expectSpots(const SeenWindow& seen, const std::vector<Spot>& spots, const std::string& when) {
  for (const Spot& s : spots) {
    const QPointF pixel = seen.pixelOf(s.twips);
    if (seen.shows(pixel)) expectShows(seen, pixel, s.shade, s.what + when);
  }
}

// A caption in `ink` on `back`, looked at where its letters lie, clear of
// the control's edges.
struct Caption {
  const char* what;
  Rect twips;
  Shade back;
  QRgb ink;
};

// Antialiased letters blend the ink into the background: every pixel there
// lies between the two, channel by channel, give or take the rounding of the
// blend; and the letters' stems come close to the ink itself. A caption in
// another colour (the style's black on a button meant to be white, a greyed
// text) leaves the blend or never reaches the ink.
constexpr int kBlendRounding = 8;
constexpr double kStemInk = 0.75;

void expectCaption(const SeenWindow& seen, const Caption& c, const std::string& when) {
  const QRgb back = c.back.rgb;
  const std::array<int, 3> b{qRed(back), qGreen(back), qBlue(back)};
  const std::array<int, 3> i{qRed(c.ink), qGreen(c.ink), qBlue(c.ink)};
  double inkiest = 0;
  std::string stray;
  const QRect inside = seen.devicePixelsInside(c.twips);
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QRgb seenColour = seen.colourOfDevicePixel({x, y});
      const std::array<int, 3> p{qRed(seenColour), qGreen(seenColour), qBlue(seenColour)};
      double along = 0;
      double length = 0;
      for (std::size_t ch = 0; ch < 3; ++ch) {
        const int low = std::min(b[ch], i[ch]) - kBlendRounding;
        const int high = std::max(b[ch], i[ch]) + kBlendRounding;
        if ((p[ch] < low || p[ch] > high) && stray.empty()) {
          stray =
              hex(seenColour) + " at device pixel " + std::to_string(x) + ", " + std::to_string(y);
        }
        along += static_cast<double>((p[ch] - b[ch]) * (i[ch] - b[ch]));
        length += static_cast<double>((i[ch] - b[ch]) * (i[ch] - b[ch]));
      }
      inkiest = std::max(inkiest, along / length);
    }
  }
  EXPECT_EQ(stray, "") << c.what << when << ": a pixel neither " << hex(c.ink) << " nor "
                       << c.back.name;
  EXPECT_GE(inkiest, kStemInk) << c.what << when << ": no letter in " << hex(c.ink) << " on "
                               << c.back.name;
}

// The frames, and an option button's rectangle, which is given inside its
// frame.
constexpr Rect kFrame1{1560, 3480, 3855, 735};
constexpr Rect kFrame2{6240, 3480, 2775, 735};
constexpr Rect inFrame(const Rect& frame, const Rect& r) {
  return {frame.left + r.left, frame.top + r.top, r.width, r.height};
}

// At 15 twips a pixel an option button is 17 pixels high and its circle 14,
// one pixel below its top: the corners beside the circle are looked at one
// pixel in from the top and bottom. A child control's edges lie on whole
// pixels, so that pixel is wholly inside.
constexpr QPointF kOptionInset{2, 1};

const Around kFrameAround{kFrameBlueShown, kFrameBlueShown, kFrameBlueShown, kFrameBlueShown};
const Around kBlueAround{kBlueShown, kBlueShown, kBlueShown, kBlueShown};

std::vector<Area> optionButtons() {
  return {
      {"Option1", inFrame(kFrame1, {120, 240, 1095, 255}), kLightBlueShown, kCornersAndFarEnd,
       kFrameAround, kOptionInset},
      {"Option2", inFrame(kFrame1, {1440, 240, 975, 255}), kLightBlueShown, kCornersAndFarEnd,
       kFrameAround, kOptionInset},
      {"Option3", inFrame(kFrame1, {2640, 240, 975, 255}), kLightBlueShown, kCornersAndFarEnd,
       kFrameAround, kOptionInset},
      {"OptMon", inFrame(kFrame2, {240, 240, 975, 255}), kLightBlueShown, kCornersAndFarEnd,
       kFrameAround, kOptionInset},
      {"OptEng", inFrame(kFrame2, {1440, 240, 975, 255}), kLightBlueShown, kCornersAndFarEnd,
       kFrameAround, kOptionInset},
  };
}

// Inside a frame, clear of its options, its caption and its border.
const std::vector<Spot> kInsideFrames{
    {"Frame1 below Option2", {3460, 4100}, kFrameBlueShown},
    {"Frame1 right of Option3", {5295, 3860}, kFrameBlueShown},
    {"Frame2 below OptEng", {8170, 4100}, kFrameBlueShown},
};

const std::vector<Area> kCounters{
    {"txtCountError", {13200, 3480, 615, 375}, kLightBlueShown, kCornersAndFarEnd, kBlueAround},
    {"txtCount", {13200, 3960, 615, 375}, kLightBlueShown, kCornersAndFarEnd, kBlueAround},
};

// Start is sized to its caption, which it draws from its top and left
// edges: its red shows clear of the letters only along its bottom-left, and
// ends within its designed width.
const std::vector<Area> kRedLabels{
    {"Start", {9240, 3600, 720, 225}, kRedShown, kBottomLeft, kBlueAround},
    {"lblExit", {9240, 3960, 720, 225}, kRedShown, kCornersAndFarEnd, kBlueAround},
};

// Key faces and outlines are rounded: they are looked at across the middle
// of their edges. A face's top lies 45 twips below its outline's, too close
// to look between the two: neither the outside of a face's top nor the
// inside of an outline's top is looked at.
constexpr unsigned kSidesAndBottom = kLeftEdge | kFarRightEnd | kBottomEdge;

std::vector<Area> keyboardAtRest() {
  const Around faceOnGrey{kGreyShown, std::nullopt, kGreyShown, kGreyShown};
  const Around faceOnRed{kRedShown, std::nullopt, kRedShown, kRedShown};
  return {
      {"the face of Q",
       {2520, 7125, 495, 480},
       kLightGreyShown,
       kSidesAndBottom | kTopEdge,
       faceOnGrey},
      {"the face of F",
       {5400, 7845, 495, 480},
       kLightGreyShown,
       kSidesAndBottom | kTopEdge,
       faceOnRed},
      {"the face of J",
       {7920, 7845, 495, 480},
       kLightGreyShown,
       kSidesAndBottom | kTopEdge,
       faceOnRed},
      {"the face of Z",
       {3240, 8565, 495, 480},
       kLightGreyShown,
       kSidesAndBottom | kTopEdge,
       faceOnGrey},
      {"the face of the space bar",
       {5640, 9300, 3255, 450},
       kLightGreyShown,
       kSidesAndBottom | kTopEdge,
       faceOnGrey},
      {"the outline of Q", {2400, 7080, 735, 615}, kGreyShown, kSidesAndBottom, kBlueAround},
      {"the outline of F, a home key",
       {5280, 7800, 735, 615},
       kRedShown,
       kSidesAndBottom,
       kBlueAround},
      {"the outline of ;, a home key",
       {10320, 7800, 735, 615},
       kRedShown,
       kSidesAndBottom,
       kBlueAround},
      {"the outline of G", {6120, 7800, 735, 615}, kGreyShown, kSidesAndBottom, kBlueAround},
      {"the outline of Z", {3120, 8535, 735, 615}, kGreyShown, kSidesAndBottom, kBlueAround},
      {"the outline of the space bar",
       {5520, 9240, 3495, 615},
       kGreyShown,
       kSidesAndBottom,
       kBlueAround},
      // Decorative keys carry their caption near the left of their face.
      {"the face of Tab",
       {1410, 7125, 795, 480},
       kLightBlueShown,
       kFarRightEnd | kBottomEdge,
       {std::nullopt, std::nullopt, kGreyShown, kGreyShown}},
      {"the face of Enter",
       {12090, 7845, 1035, 480},
       kLightBlueShown,
       kFarRightEnd | kBottomEdge,
       {std::nullopt, std::nullopt, kGreyShown, kGreyShown}},
      {"the outline of Tab", {1320, 7080, 975, 615}, kGreyShown, kSidesAndBottom, kBlueAround},
      {"the outline of Enter", {12000, 7800, 1215, 615}, kGreyShown, kSidesAndBottom, kBlueAround},
  };
}

class DesignSeen : public testing::ShownWindow {
 protected:
  void startDrill() {
    platform.queueRandom({0.5f});
    clickAt(window.form().Start.rect);
    ASSERT_TRUE(window.timer().isActive());
  }
  void chooseFromMenu(const Control& entry) {
    clickAt(window.form().lblMenu1.rect);
    clickAt(entry.rect);
  }
  // Each size in turn, with what it shows and a note of the size for the
  // failures.
  template <typename Check>
  void atEverySize(Check check) {
    for (const QSize size : kSeenSizes) {
      window.resize(size);
      const SeenWindow seen(window);
      check(seen, " at " + sizeName(size));
    }
  }
};

// The tests below read the screen, not a fresh paint of the window: before
// the repaint that a drill's start asks for has run, the screen still shows
// the target at rest, and reading it paints nothing that would change it.
TEST_F(DesignSeen, TheScreenShowsWhatQtLeftThereNotAFreshPaint) {
  const QPoint faceOfH = window.toPixels(QPointF(7125, 8085)).toPoint();  // clear of its caption
  const testing::PaintCounter paints;
  platform.queueRandom({0.5f});  // H
  clickAt(window.form().Start.rect);
  ASSERT_EQ(window.form().targetSlot, 18);
  const QPoint faceOfHOnDevice = (QPointF(faceOfH) * window.devicePixelRatio()).toPoint();
  EXPECT_EQ(backingStoreOf(window).pixel(faceOfHOnDevice) & 0xFFFFFF, kLightGreyShown.rgb);
  EXPECT_EQ(paints.paints, 0);

  const SeenWindow seen(window);
  EXPECT_GT(paints.paints, 0);  // the counter sees the window's paints
  EXPECT_EQ(seen.colourAt(faceOfH), kGreenShown.rgb);
}

TEST_F(DesignSeen, AtStartUpEveryControlShowsItsDesignedColoursWhereTheDesignPutsIt) {
  std::vector<Area> areas{
      {"lblMenu1", {0, 0, 1215, 375}, kLightBlueShown, kCornersAndFarEnd, kBlueAround},
      {"cmdShow", {12360, 1320, 1455, 495}, kLightBlueShown, kCornersAndFarEnd, kBlueAround},
      {"cmdNoView", {12360, 1920, 1455, 495}, kLightBlueShown, kCornersAndFarEnd, kBlueAround},
      {"lblElapsedTime", {12480, 2880, 1305, 435}, kLightBlueShown, kCornersAndFarEnd, kBlueAround},
      {"ProgressBar1", {1440, 4920, 12495, 375}, kEmptyBarShown, kCornersAndFarEnd, kBlueAround},
  };
  for (const auto* group : {&kCounters, &kRedLabels}) {
    areas.insert(areas.end(), group->begin(), group->end());
  }
  for (const Area& a : optionButtons()) areas.push_back(a);
  for (const Area& a : keyboardAtRest()) areas.push_back(a);

  std::vector<Spot> spots{
      {"the background left of the menu's entries", {500, 1500}, kBlueShown},
      {"the background above the left hand", {3000, 1200}, kBlueShown},
      {"the background between the frames", {5800, 3700}, kBlueShown},
      {"the background right of the counters", {14700, 4000}, kBlueShown},
      {"the background right of the flags", {10500, 4500}, kBlueShown},
      {"the background left of the keyboard", {480, 9000}, kBlueShown},
      {"the background right of the keyboard", {14700, 9000}, kBlueShown},
      {"the margin left of the design", {-800, 5000}, kBlueShown},
      {"the margin right of the design", {15800, 5000}, kBlueShown},
      {"the keyboard's outer panel, left", {1020, 7800}, kNavyShown},
      {"the keyboard's outer panel, right", {14355, 7800}, kNavyShown},
      {"the keyboard's outer panel, bottom", {7000, 10275}, kNavyShown},
      {"the keyboard's inner panel between Tab and Q", {2347, 7380}, kBlueShown},
  };
  spots.insert(spots.end(), kInsideFrames.begin(), kInsideFrames.end());

  const std::vector<Caption> captions{
      {"lblMenu1's caption", {45, 45, 1125, 285}, kLightBlueShown, 0xFFFFFF},
      {"Frame1's caption", {1590, 3480, 1500, 195}, kBlueShown, 0xFFFFFF},
      {"Frame2's caption", {6270, 3480, 1500, 195}, kBlueShown, 0xFFFFFF},
      {"Option1's caption", {2100, 3765, 630, 165}, kLightBlueShown, 0x000000},
      {"OptMon's caption", {6900, 3765, 510, 165}, kLightBlueShown, 0x000000},
      {"Start's caption", {9240, 3600, 360, 225}, kRedShown, 0xFFFFFF},
      {"lblExit's caption", {9330, 3960, 540, 225}, kRedShown, 0xFFFFFF},
      {"cmdShow's caption", {12420, 1380, 1335, 375}, kLightBlueShown, 0x000000},
      {"cmdNoView's caption", {12420, 1980, 1335, 375}, kLightBlueShown, 0x000000},
      {"Label49's caption", {12240, 690, 2430, 300}, kBlueShown, 0xFFFFFF},
      {"the caption of F", {5505, 7905, 300, 300}, kLightGreyShown, 0x000000},
  };

  atEverySize([&](const SeenWindow& seen, const std::string& when) {
    for (const Area& a : areas) expectArea(seen, a, when);
    expectSpots(seen, spots, when);
    for (const Caption& c : captions) expectCaption(seen, c, when);
  });
}

// The fault this guards: the option buttons showed the style's light grey
// while a drill held them disabled.
TEST_F(DesignSeen, WhileADrillLocksThemTheOptionsAndCountersStayLightBlue) {
  startDrill();
  std::vector<Area> areas = optionButtons();
  areas.insert(areas.end(), kCounters.begin(), kCounters.end());
  areas.insert(areas.end(), kRedLabels.begin(), kRedLabels.end());
  atEverySize([&](const SeenWindow& seen, const std::string& when) {
    for (const Area& a : areas) expectArea(seen, a, when + " during a drill");
    expectSpots(seen, kInsideFrames, when + " during a drill");
  });
}

TEST_F(DesignSeen, TheOpenMenuShowsItsEntriesLightBlueWithWhiteCaptions) {
  clickAt(window.form().lblMenu1.rect);
  // The entries overlap by 15 twips: the bottom of one is the outline of the
  // next, whose line may stand half a pixel from its place (shapes are
  // copies that land on whole pixels). The entries are looked at a pixel
  // further in from their bottom.
  const Around entryAround{kBlueShown, std::nullopt, kBlueShown, std::nullopt};
  const QPointF clearOfTheNext{3, 4};
  const std::vector<Area> areas{
      {"lblSubMenu1",
       {0, 360, 2415, 375},
       kLightBlueShown,
       kCornersAndFarEnd,
       entryAround,
       clearOfTheNext},
      {"lblSubMenu2",
       {0, 720, 2415, 375},
       kLightBlueShown,
       kCornersAndFarEnd,
       entryAround,
       clearOfTheNext},
      {"lblSubMenu3",
       {0, 1080, 2415, 375},
       kLightBlueShown,
       kCornersAndFarEnd,
       {kBlueShown, std::nullopt, kBlueShown, kBlueShown}},
  };
  const std::vector<Caption> captions{
      {"lblSubMenu1's caption", {45, 405, 2325, 285}, kLightBlueShown, 0xFFFFFF},
      {"lblSubMenu2's caption", {45, 765, 2325, 285}, kLightBlueShown, 0xFFFFFF},
      {"lblSubMenu3's caption", {45, 1125, 2325, 285}, kLightBlueShown, 0xFFFFFF},
  };
  atEverySize([&](const SeenWindow& seen, const std::string& when) {
    for (const Area& a : areas) expectArea(seen, a, when);
    for (const Caption& c : captions) expectCaption(seen, c, when);
  });
}

// Text1 is disabled, and its practice text keeps its white.
TEST_F(DesignSeen, WordTypingShowsThePracticeTextWhiteOnTheBlackboard) {
  chooseFromMenu(window.form().lblSubMenu1);
  const std::vector<Spot> spots{
      {"Text1 near its bottom-left corner", {4485, 1410}, kBlackShown},
      {"the blackboard left of Text1", {4000, 967}, kBlackShown},
      {"the blackboard below Text1", {7000, 1560}, kBlackShown},
      {"the blackboard's border", {3720, 967}, kYellowShown},
      {"the blackboard's border", {11655, 967}, kYellowShown},
  };
  // The second and third lines, clear of the highlighted first letter and
  // of the scroll bar.
  const Caption text{"Text1's practice text", {4530, 880, 5200, 480}, kBlackShown, 0xFFFFFF};
  atEverySize([&](const SeenWindow& seen, const std::string& when) {
    expectSpots(seen, spots, when);
    expectCaption(seen, text, when);
  });
}

TEST_F(DesignSeen, FreeTypingShowsItsTextBoxBlackWithWhiteText) {
  chooseFromMenu(window.form().lblSubMenu2);
  // Its right edge is its scroll bar; above it lies the hands picture.
  const Area box{"Text2",
                 {5160, 240, 5055, 3135},
                 kBlackShown,
                 kTopLeft | kBottomLeft | kLeftEdge | kBottomEdge,
                 {kBlueShown, std::nullopt, kBlueShown, kBlueShown}};
  const Caption text{"Text2's text", {5250, 300, 3500, 330}, kBlackShown, 0xFFFFFF};
  atEverySize([&](const SeenWindow& seen, const std::string& when) {
    expectArea(seen, box, when);
    expectCaption(seen, text, when);
  });
}

TEST_F(DesignSeen, TheCountersShowTheirCountsBlackOnLightBlue) {
  chooseFromMenu(window.form().lblSubMenu3);  // back: both counters read 0
  const std::vector<Caption> counts{
      {"txtCountError's count", {13260, 3540, 495, 255}, kLightBlueShown, 0x000000},
      {"txtCount's count", {13260, 4020, 495, 255}, kLightBlueShown, 0x000000},
  };
  atEverySize([&](const SeenWindow& seen, const std::string& when) {
    for (const Area& a : kCounters) expectArea(seen, a, when);
    for (const Caption& c : counts) expectCaption(seen, c, when);
  });
}

// A disabled control's caption is greyed as the desktop greys disabled
// text: Fusion's #bebebe, in place of the caption's own colour.
constexpr QRgb kGreyedInk = 0xBEBEBE;

TEST_F(DesignSeen, DisabledCaptionsAreGreyedAsTheDesktopGreysThem) {
  const std::vector<Caption> alwaysDisabled{
      {"Label46's caption", {11760, 3600, 1200, 180}, kBlueShown, kGreyedInk},
      {"Label47's caption", {11760, 4080, 1100, 180}, kBlueShown, kGreyedInk},
  };
  atEverySize([&](const SeenWindow& seen, const std::string& when) {
    for (const Caption& c : alwaysDisabled) expectCaption(seen, c, when);
  });
  startDrill();
  const std::vector<Caption> lockedInADrill{
      {"Start's caption", {9240, 3600, 360, 225}, kRedShown, kGreyedInk},
      {"lblExit's caption", {9330, 3960, 540, 225}, kRedShown, kGreyedInk},
      {"cmdShow's caption", {12420, 1380, 1335, 375}, kLightBlueShown, kGreyedInk},
  };
  // The style greys a disabled option's caption and etches it in white
  // beneath: its black shows nowhere.
  const std::vector<Caption> lockedOptions{
      {"Option1's caption", {2100, 3765, 630, 165}, kLightBlueShown, kGreyedInk},
      {"OptMon's caption", {6900, 3765, 510, 165}, kLightBlueShown, kGreyedInk},
  };
  atEverySize([&](const SeenWindow& seen, const std::string& when) {
    for (const Caption& c : lockedInADrill) expectCaption(seen, c, when + " during a drill");
    for (const Caption& c : lockedOptions) {
      const QRect pixels = seen.devicePixelsInside(c.twips);
      int darkest = 255;
      for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
          darkest = std::min(darkest, qRed(seen.colourOfDevicePixel({x, y})));
        }
      }
      EXPECT_GE(darkest, qRed(c.back.rgb) - kBlendRounding)
          << c.what << when << " during a drill: the enabled black shows";
    }
  });
}

// At 15 twips to a pixel every child control covers exactly the pixels of
// its designed rectangle: not one more, not one fewer.
TEST_F(DesignSeen, EveryChildControlCoversItsDesignedRectangleToThePixel) {
  window.resize(1000, 689);
  QCoreApplication::processEvents();
  const Form& f = window.form();
  const std::vector<std::pair<const Control*, Rect>> designed{
      {&f.Frame1, kFrame1},
      {&f.Option1, inFrame(kFrame1, {120, 240, 1095, 255})},
      {&f.Option2, inFrame(kFrame1, {1440, 240, 975, 255})},
      {&f.Option3, inFrame(kFrame1, {2640, 240, 975, 255})},
      {&f.Frame2, kFrame2},
      {&f.OptMon, inFrame(kFrame2, {240, 240, 975, 255})},
      {&f.OptEng, inFrame(kFrame2, {1440, 240, 975, 255})},
      {&f.cmdShow, {12360, 1320, 1455, 495}},
      {&f.cmdNoView, {12360, 1920, 1455, 495}},
      {&f.txtCountError, {13200, 3480, 615, 375}},
      {&f.txtCount, {13200, 3960, 615, 375}},
      {&f.ProgressBar1, {1440, 4920, 12495, 375}},
  };
  for (const auto& [control, twips] : designed) {
    const QWidget* widget = window.childControls().widgetOf(*control);
    ASSERT_NE(widget, nullptr) << control->name;
    const QRect pixels(twips.left / 15, twips.top / 15, twips.width / 15, twips.height / 15);
    EXPECT_EQ(QRect(widget->mapTo(&window, QPoint()), widget->size()), pixels) << control->name;
  }
}

// The height of a caption's ink: the rows of `area` in which some pixel is
// ink, as `isInk` tells.
template <typename IsInk>
int inkRows(const SeenWindow& seen, const Rect& area, IsInk isInk) {
  const QRect pixels = seen.devicePixelsInside(area);
  int first = -1;
  int last = -1;
  for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
    for (int x = pixels.left(); x <= pixels.right(); ++x) {
      if (!isInk(seen.colourOfDevicePixel({x, y}))) continue;
      if (first < 0) first = y;
      last = y;
      break;
    }
  }
  return first < 0 ? 0 : last - first + 1;
}

// Captions are as high as the design's point sizes make them: a point is 20
// twips, drawn at the window's scale. A caption drawn a tenth smaller is
// two pixels and more lower at this size.
TEST_F(DesignSeen, CaptionsShowAtTheDesignsPointSizes) {
  window.resize(2000, 1378);  // two pixels for every 15 twips
  const SeenWindow seen(window);
  const double pixelsPerPoint = 20.0 * 2 / 15 * window.devicePixelRatio();
  const auto expectedHeight = [&](double points, bool bold, const QString& text) {
    QFont font(displayFamily());
    font.setPixelSize(static_cast<int>(std::lround(points * pixelsPerPoint)));
    font.setBold(bold);
    return QFontMetricsF(font).tightBoundingRect(text).height();
  };
  // The E key's caption, 12 pt bold, black on its light grey face, within
  // the face's border.
  const int keyCaption = inkRows(seen, {4240, 7160, 415, 400}, [](QRgb c) { return qRed(c) < 96; });
  EXPECT_NEAR(keyCaption, expectedHeight(12, true, QStringLiteral("E")), 1.2);
  // Label49, 8.25 pt, white on the window's blue.
  const int label = inkRows(seen, {12240, 600, 2700, 450}, [](QRgb c) { return qRed(c) > 127; });
  EXPECT_NEAR(label, expectedHeight(8.25, false, QStringLiteral("Alt - Товчлуурыг дарж зогсооно.")),
              1.2);
}

}  // namespace
}  // namespace arvan
