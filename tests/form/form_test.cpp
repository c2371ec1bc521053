// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers

#include "form/form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace arvan {
namespace {

// The practice text as designed, typed in here: its seven given names are
// тэмүүжин, сарангэрэл, болормаа, ганбаатар, долгор, нарантуяа and ёндон.
constexpr std::string_view kTypedPracticeText =
    "хурдан түргэн тэмүүжин сарангэрэл өндөг зандан хийрхэл цангир цийрэгзэн янгир үүргэвч "
    "болормаа вандангын цийдэм пин ганбаатар морь долгор нарантуяа ёндон цоодол нүүдэлчин онол "
    "саятан цахилдаг санамсаргүй уухай хөөрхий зайлуул сэтгүүл сонин ном чацаргана долоогоно "
    "жимс улаагана тархи унага жирх живх санаачлага горьдлого хүсэлт талархал илгээмж үнэлгээ "
    "зорилго сараавчин дотор урхи занги хэлхээ холбоо заранга ном гаравч хотовч зарагдах "
    "цүлхэнцэг долоовор урхи социализм коммунизм фирм пин пан пөн гүл цүл гирх жив жов жөв гүр "
    "гар гур чүн чан чун түн тан түн цүр цар цор\r\n";

using testing::kExpectedKeys;

constexpr Colour kBlue = 16711680;
constexpr Colour kNavy = 8388608;
constexpr Colour kLightBlue = 16744576;
constexpr Colour kRed = 255;
constexpr Colour kWhite = 16777215;

// Characters of UTF-8 text, as the window shows them.
std::vector<std::string> characters(std::string_view text) {
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    chars.emplace_back(text.substr(i, n));
    i += n;
  }
  return chars;
}

struct Expected {
  const Control* control;
  std::string_view name;
  Rect rect;
  std::string_view caption;
  bool visible;
};

void expectDesigned(const std::vector<Expected>& table) {
  for (const Expected& e : table) {
    SCOPED_TRACE(std::string(e.name));
    EXPECT_EQ(e.control->name, e.name);
    EXPECT_EQ(e.control->rect, e.rect);
    EXPECT_EQ(e.control->caption, e.caption);
    EXPECT_EQ(e.control->visible, e.visible);
  }
}

TEST(DesignedWindow, MenuTitleAndHiddenEntries) {
  const Form f;
  expectDesigned({
      {&f.lblMenu1, "lblMenu1", {0, 0, 1215, 375}, " Дасгал", true},
      {&f.ShapeMenu1, "ShapeMenu1", {0, 0, 1215, 375}, "", true},
      {&f.lblSubMenu1, "lblSubMenu1", {0, 360, 2415, 375}, "   Үг харж бичих", false},
      {&f.ShapeSubMenu1, "ShapeSubMenu1", {0, 360, 2415, 375}, "", false},
      {&f.lblSubMenu2, "lblSubMenu2", {0, 720, 2415, 375}, " Текст бичих", false},
      {&f.ShapeSubMenu2, "ShapeSubMenu2", {0, 720, 2415, 375}, "", false},
      {&f.lblSubMenu3, "lblSubMenu3", {0, 1080, 2415, 375}, "            Буцах", false},
      {&f.ShapeSubMenu3, "ShapeSubMenu3", {0, 1080, 2415, 375}, "", false},
  });
  EXPECT_EQ(f.lblSubMenu1.backColour, kLightBlue);
  EXPECT_EQ(f.lblSubMenu2.alignment, Alignment::Centre);
  EXPECT_EQ(f.ShapeSubMenu3.borderColour, kNavy);
  EXPECT_FALSE(f.ShapeSubMenu3.opaque);
}

TEST(DesignedWindow, ExerciseAreaHandsAndOptionGroups) {
  const Form f;
  expectDesigned({
      {&f.Image6, "Image6", {5520, 120, 4455, 3255}, "", true},
      {&f.ShapeSambar, "ShapeSambar", {3720, 240, 7935, 1455}, "", false},
      {&f.Text1, "Text1", {4440, 480, 6015, 975}, std::string(kTypedPracticeText), false},
      {&f.Text2, "Text2", {5160, 240, 5055, 3135}, "Алив бичээд байгаарай\r\n", false},
      {&f.ZGar[0], "ZGar", {3840, 1800, 1185, 1185}, "", true},
      {&f.ZGar[3], "ZGar3", {3840, 1800, 1215, 1215}, "", false},
      {&f.BGar[0], "BGar", {10320, 1800, 1215, 1215}, "", true},
      {&f.BGar[5], "BGar5", {10320, 1800, 1215, 1215}, "", false},
      {&f.Frame1, "Frame1", {1560, 3480, 3855, 735}, "Хурдны сонголт", true},
      {&f.Option1, "Option1", {120, 240, 1095, 255}, "Хурдан", true},
      {&f.Option2, "Option2", {1440, 240, 975, 255}, "Дунд", true},
      {&f.Option3, "Option3", {2640, 240, 975, 255}, "Удаан", true},
      {&f.Frame2, "Frame2", {6240, 3480, 2775, 735}, "Гарны сонголт", true},
      {&f.OptMon, "OptMon", {240, 240, 975, 255}, "Монгол", true},
      {&f.OptEng, "OptEng", {1440, 240, 975, 255}, "Англи", true},
      {&f.Dalbaa1, "Dalbaa1", {6600, 4320, 210, 375}, "", true},
      {&f.Dalbaa2, "Dalbaa2", {6720, 4320, 315, 375}, "", true},
      {&f.Dalbaa3, "Dalbaa3", {7030, 4320, 210, 375}, "", true},
      {&f.ImgEng, "ImgEng", {8040, 4320, 495, 495}, "", true},
      {&f.cmdShow, "cmdShow", {12360, 1320, 1455, 495}, "Үсгээ харж бичих", true},
      {&f.cmdNoView, "cmdNoView", {12360, 1920, 1455, 495}, "Үсгээ харахгүй бичиж сурах", true},
  });
  EXPECT_EQ(f.ShapeSambar.backColour, 0u);
  EXPECT_EQ(f.ShapeSambar.borderColour, 65535u);
  EXPECT_EQ(f.ShapeSambar.borderWidth, 3);
  EXPECT_TRUE(f.Text1.multiLine && f.Text2.multiLine);
  EXPECT_TRUE(f.Text2.bordered);
  EXPECT_FALSE(f.Text1.bordered);
  EXPECT_EQ(f.Frame1.backColour, kBlue);
  EXPECT_EQ(f.Option2.backColour, kLightBlue);
  EXPECT_EQ(f.Dalbaa2.backColour, kNavy);
  EXPECT_EQ(f.Dalbaa3.backColour, kRed);
  for (const Control* option : {&f.Option1, &f.Option2, &f.Option3, &f.OptMon, &f.OptEng}) {
    EXPECT_EQ(option->value, 0) << option->name;
  }
  EXPECT_EQ(f.frameOf(f.Option3), &f.Frame1);
  EXPECT_EQ(f.frameOf(f.OptEng), &f.Frame2);
}

TEST(DesignedWindow, DrillControlsAndInformationLabels) {
  const Form f;
  expectDesigned({
      {&f.Start, "Start", {9240, 3600, 720, 225}, "Эхлэх", true},
      {&f.lblExit, "lblExit", {9240, 3960, 720, 225}, "Гарах", true},
      {&f.lblElapsedTime, "lblElapsedTime", {12480, 2880, 1305, 435}, "Time", true},
      {&f.Label46, "Label46", {11760, 3600, 1290, 180}, "Буруу дарагдсан", true},
      {&f.txtCountError, "txtCountError", {13200, 3480, 615, 375}, "", true},
      {&f.Label47, "Label47", {11760, 4080, 1155, 180}, "Зөв дарагдсан ", true},
      {&f.txtCount, "txtCount", {13200, 3960, 615, 375}, "", true},
      {&f.ProgressBar1, "ProgressBar1", {1440, 4920, 12495, 375}, "", true},
      {&f.Label49, "Label49", {12240, 720, 2430, 180}, "Alt - Товчлуурыг дарж зогсооно.", true},
      {&f.Label50,
       "Label50",
       {960, 2400, 2655, 615},
       "Компьпютер дээр 10 хуруугаар хурдан бичиж сурахад тань энэхүү  програм туслах болно",
       true},
  });
  EXPECT_EQ(f.Start.backColour, kRed);
  EXPECT_EQ(f.Start.foreColour, kWhite);
  EXPECT_EQ(f.lblExit.backColour, kRed);
  EXPECT_EQ(f.lblElapsedTime.backColour, kLightBlue);
  EXPECT_EQ(f.Label46.backColour, kBlue);
  EXPECT_FALSE(f.Label47.opaque);
  EXPECT_EQ(f.ProgressBar1.value, 0);
  EXPECT_EQ(f.timSeconds.interval, 100);
  // Disabled as designed and for good.
  for (const Control* c :
       {&f.Text1, &f.Text2, &f.Label46, &f.Label47, &f.ImgEng, &f.Image1, &f.Image8}) {
    EXPECT_FALSE(c->enabled) << c->name;
  }
}

TEST(DesignedWindow, KeyboardPanelsKeysLabelsAndCircles) {
  const Form f;
  EXPECT_EQ(f.Shape4.rect, (Rect{960, 5400, 13455, 4935}));
  EXPECT_EQ(f.Shape4.backColour, kNavy);
  EXPECT_EQ(f.Shape3.rect, (Rect{1080, 5520, 13215, 4695}));
  EXPECT_EQ(f.Shape3.backColour, kBlue);
  EXPECT_EQ(f.Shape3.borderColour, kWhite);

  const std::set<int> spaced{10, 11, 22, 23, 31, 32, 33};
  const std::string_view spacedCaptions[] = {"{ [", "] }", ": ;", "\"  ", "< ,", "> .", "? /"};
  int nthSpaced = 0;
  for (int slot = 0; slot < 35; ++slot) {
    SCOPED_TRACE("slot " + std::to_string(slot));
    const auto i = static_cast<std::size_t>(slot);
    EXPECT_EQ(f.button[i].rect, testing::expectedOutline(slot));
    EXPECT_EQ(f.button[i].backColour, testing::expectedRestOutline(slot));
    EXPECT_EQ(f.button[i].borderStyle, 1);
    EXPECT_EQ(f.Back[i].rect, testing::expectedFace(slot));
    EXPECT_EQ(f.Back[i].backColour, testing::kRestFace);
    EXPECT_TRUE(f.Back[i].visible);
    EXPECT_EQ(f.fore[i].rect, testing::expectedHighlight(slot));
    EXPECT_EQ(f.fore[i].backColour, testing::kYellowHighlight);
    EXPECT_FALSE(f.fore[i].visible);
    if (slot == 34) continue;
    const Control& label = f.keyLabel[i];
    EXPECT_EQ(label.name, kExpectedKeys[i].label);
    EXPECT_EQ((Point{label.rect.left, label.rect.top}), testing::expectedLabelRest(slot));
    EXPECT_EQ(label.caption,
              spaced.contains(slot) ? spacedCaptions[nthSpaced++] : kExpectedKeys[i].english);
    EXPECT_EQ(label.font, (Font{12, true}));
    EXPECT_FALSE(label.opaque);
  }
  const int circleLefts[] = {2640, 3480, 4320, 5160, 7680, 8520, 9360, 10200};
  for (int n = 0; n < 8; ++n) {
    const Control& ring = f.toirog[static_cast<std::size_t>(n)];
    EXPECT_EQ(ring.name, "toirog" + std::to_string(n + 1));
    EXPECT_EQ(ring.rect, (Rect{circleLefts[n], 7680, 975, 855}));
    EXPECT_EQ(ring.borderColour, kRed);
    EXPECT_EQ(ring.borderWidth, 2);
    EXPECT_FALSE(ring.visible);
  }
}

const DecorativeKey* decorativeKey(const Form& f, std::string_view caption, int left) {
  for (const DecorativeKey& key : f.decorativeKeys) {
    if (key.outline.rect.left == left && key.symbol.caption == caption) return &key;
  }
  return nullptr;
}

TEST(DesignedWindow, FiftyTwoDecorativeKeysWithTheirNamesAndCaptions) {
  const Form f;
  std::multiset<std::string> names, captions;
  for (const DecorativeKey& key : f.decorativeKeys) {
    names.insert(std::string(key.outline.name));
    names.insert(std::string(key.face.name));
    names.insert(std::string(key.symbol.name));
    if (key.symbol.kind == ControlKind::Label) captions.insert(key.symbol.caption);
    EXPECT_EQ(key.outline.backColour, testing::kGreyOutline);
    EXPECT_EQ(key.face.backColour, kLightBlue);
  }
  std::multiset<std::string> expectedNames{
      "Shape2", "Shape11", "Shape23", "Shape39", "Shape41", "Shape43", "Shape45", "Shape48",
      "Shape1", "Shape36", "Shape38", "Shape40", "Shape42", "Shape44", "Shape46", "Shape47",
      "Image2", "Image3",  "Image4",  "Image5",  "Image7",  "Image9",  "Image10"};
  for (int n = 49; n <= 136; ++n) expectedNames.insert("Shape" + std::to_string(n));
  for (int n = 1; n <= 45; ++n) expectedNames.insert("Label" + std::to_string(n));
  EXPECT_EQ(names, expectedNames);
  EXPECT_EQ(
      captions,
      (std::multiset<std::string>{
          "Esc",  "F1",    "F2",    "F3",        "F4",   "F5",    "F6",     "F7",        "F8",
          "F9",   "F10",   "F11",   "F12",       "Num",  "Pause", "Insert", "Delete",    "~",
          "1",    "2",     "3",     "4",         "5",    "6",     "7",      "8",         "9",
          "0",    "_",     "+ =",   "Backspace", "Home", "Tab",   "PgUp",   "Caps Lock", "Enter",
          "PgDn", "Shift", "Shift", "End",       "Fn",   "Ctrl",  "Alt",    "Alt",       "Ctrl"}));

  struct Sample {
    std::string_view caption;
    Rect outline, face;
    Font font;
  };
  for (const Sample& s : {
           Sample{"Esc", {1320, 5760, 615, 495}, {1395, 5805, 465, 360}, {9, true}},
           Sample{"Delete", {13200, 5760, 855, 495}, {13260, 5805, 705, 360}, {8.25, true}},
           Sample{"~", {1320, 6360, 735, 615}, {1410, 6405, 555, 480}, {12, true}},
           Sample{"1", {2160, 6360, 735, 615}, {2280, 6405, 555, 480}, {11.25, true}},
           Sample{"Backspace", {12240, 6360, 975, 615}, {12330, 6405, 795, 480}, {6.75, true}},
           Sample{"PgDn", {13320, 7800, 735, 615}, {13440, 7845, 555, 480}, {8.25, true}},
           Sample{"Shift", {1350, 8520, 1695, 615}, {1440, 8565, 1515, 480}, {9, true}},
           Sample{"Shift", {11550, 8520, 855, 615}, {11640, 8565, 675, 480}, {8.25, true}},
       }) {
    SCOPED_TRACE(std::string(s.caption));
    const DecorativeKey* key = decorativeKey(f, s.caption, s.outline.left);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->outline.rect, s.outline);
    EXPECT_EQ(key->face.rect, s.face);
    EXPECT_EQ(key->symbol.font, s.font);
    const int right = key->symbol.rect.left - s.outline.left;
    const int down = key->symbol.rect.top - s.outline.top;
    EXPECT_TRUE(right >= 120 && right <= 360) << right;
    EXPECT_TRUE(down >= 120 && down <= 180) << down;
  }
  const std::pair<std::string_view, Rect> symbols[] = {
      {"Image2", {12600, 8640, 495, 375}}, {"Image3", {12600, 9360, 495, 375}},
      {"Image4", {11760, 9360, 495, 375}}, {"Image5", {13440, 9360, 495, 375}},
      {"Image10", {3960, 9330, 495, 375}}, {"Image7", {4830, 9330, 495, 390}},
      {"Image9", {9240, 9330, 495, 375}},
  };
  for (const auto& [name, rect] : symbols) {
    int found = 0;
    for (const DecorativeKey& key : f.decorativeKeys) {
      if (key.symbol.name == name) {
        ++found;
        EXPECT_EQ(key.symbol.rect, rect) << name;
        EXPECT_EQ(key.symbol.kind, ControlKind::Image) << name;
      }
    }
    EXPECT_EQ(found, 1) << name;
  }
}

TEST(PracticeText, EightyFiveWordsIn572CharactersOfTypedLetters) {
  const Form f;
  const std::vector<std::string> chars = characters(f.Text1.caption);
  ASSERT_EQ(chars.size(), 572u);
  EXPECT_EQ(chars[570], "\r");
  EXPECT_EQ(chars[571], "\n");

  std::set<std::string> typed;
  for (const auto& key : kExpectedKeys) typed.insert(std::string(key.typed));
  std::vector<std::string> words{""};
  for (std::size_t i = 0; i < 570; ++i) {
    EXPECT_TRUE(typed.contains(chars[i])) << "character " << i + 1 << " " << chars[i];
    if (chars[i] == " ") {
      words.emplace_back();
    } else {
      words.back() += chars[i];
    }
  }
  ASSERT_EQ(words.size(), 85u);
  // ө, ү and ё are among its letters.
  for (const char* letter : {"ө", "ү", "ё"}) {
    EXPECT_TRUE(std::find(chars.begin(), chars.end(), letter) != chars.end()) << letter;
  }
  for (const char* missing : {"е", "щ"}) {
    EXPECT_TRUE(std::find(chars.begin(), chars.end(), missing) == chars.end()) << missing;
  }
  // Words 3, 4, 12, 16, 18, 19 and 20 are given names of persons, shown here as "*".
  std::string masked;
  for (std::size_t w = 0; w < 85; ++w) {
    const bool name = w == 2 || w == 3 || w == 11 || w == 15 || (w >= 17 && w <= 19);
    EXPECT_FALSE(words[w].empty()) << "word " << w + 1;
    masked += (w == 0 ? "" : " ") + (name ? std::string("*") : words[w]);
  }
  EXPECT_EQ(masked,
            "хурдан түргэн * * өндөг зандан хийрхэл цангир цийрэгзэн янгир үүргэвч * вандангын "
            "цийдэм пин * морь * * * цоодол нүүдэлчин онол саятан цахилдаг санамсаргүй уухай "
            "хөөрхий зайлуул сэтгүүл сонин ном чацаргана долоогоно жимс улаагана тархи унага "
            "жирх живх санаачлага горьдлого хүсэлт талархал илгээмж үнэлгээ зорилго сараавчин "
            "дотор урхи занги хэлхээ холбоо заранга ном гаравч хотовч зарагдах цүлхэнцэг "
            "долоовор урхи социализм коммунизм фирм пин пан пөн гүл цүл гирх жив жов жөв гүр "
            "гар гур чүн чан чун түн тан түн цүр цар цор");
}

}  // namespace
}  // namespace arvan
