#include "keyboard/key_slots.h"

namespace arvan {
namespace {

constexpr FingerPicture left(int finger) { return {Hand::Left, finger}; }
constexpr FingerPicture right(int finger) { return {Hand::Right, finger}; }
constexpr FingerPicture kThumbs{Hand::BothThumbs, 1};

struct Row {
  int firstSlot;
  int lastSlot;
  int outlineLeft;
  int outlineTop;
  int faceLeft;
  int faceTop;
  int highlightTop;
  int labelLeft;
  int labelTop;
};

constexpr int kKeyPitch = 840;
constexpr int kOutlineWidth = 735;
constexpr int kOutlineHeight = 615;
constexpr int kFaceWidth = 495;
constexpr int kFaceHeight = 480;
constexpr int kZRowLoweredOutlineTop = 8535;  // slots 24 and 26

constexpr std::array<Row, 4> kRows{{
    {0, 12, 2400, 7080, 2520, 7125, 7155, 2640, 7200},
    {13, 23, 2760, 7800, 2880, 7845, 7875, 3000, 7920},
    {24, 33, 3120, 8520, 3240, 8565, 8595, 3360, 8640},
    {34, 34, 5520, 9240, 5640, 9300, 9360, 0, 0},
}};

constexpr Rect kSpaceBarOutline{5520, 9240, 3495, 615};
constexpr Rect kSpaceBarFace{5640, 9300, 3255, 450};

const Row& rowFor(int slot) { return kRows[static_cast<std::size_t>(rowOfSlot(slot) - 1)]; }

}  // namespace

// clang-format off
const std::array<KeySlot, kSlotCount> kKeySlots{{
    // code label     English Mongol design  shown-En shown-Mn typed home   ring finger      home key
    {81,  "Q",           "Q",  "Ф", "Q",     "Q",     "Ф", "ф", 13,           1, left(5),  false},
    {87,  "W",           "W",  "Ц", "W",     "W",     "Ц", "ц", 14,           2, left(4),  false},
    {69,  "E",           "E",  "У", "E",     "E",     "У", "у", 15,           3, left(3),  false},
    {82,  "R",           "R",  "Ж", "R",     "R",     "Ж", "ж", 16,           4, left(2),  false},
    {84,  "T",           "T",  "Э", "T",     "T",     "Э", "э", 16,           4, left(2),  false},
    {89,  "Y",           "Y",  "Н", "Y",     "Y",     "Н", "н", 19,           5, right(2), false},
    {85,  "U",           "U",  "Г", "U",     "U",     "Г", "г", 19,           5, right(2), false},
    {73,  "I",           "I",  "Ш", "I",     "I",     "Ш", "ш", 20,           6, right(3), false},
    {79,  "O",           "O",  "Ү", "O",     "O",     "Ү", "ү", 21,           7, right(4), false},
    {80,  "P",           "P",  "З", "P",     "P",     "З", "з", 22,           8, right(5), false},
    {219, "Haalt1",      "{[", "К", "{ [",   "{ [",   "к", "к", 22,           8, right(5), false},
    {221, "Haalt2",      "]}", "Ъ", "] }",   "] }",   "ъ", "ъ", 22,           8, right(5), false},
    {220, "BosooZuraas", "|",  "—", "|",     "|",     "—", "",  22,           8, right(5), false},
    {65,  "A",           "A",  "Й", "A",     "A",     "Й", "й", std::nullopt, 0, left(5),  true},
    {83,  "S",           "S",  "Ы", "S",     "S",     "Ы", "ы", std::nullopt, 0, left(4),  true},
    {68,  "D",           "D",  "Б", "D",     "D",     "Б", "б", std::nullopt, 0, left(3),  true},
    {70,  "F",           "F",  "Ө", "F",     "F",     "Ө", "ө", std::nullopt, 0, left(2),  true},
    {71,  "G",           "G",  "А", "G",     "G",     "А", "а", 16,           4, left(2),  false},
    {72,  "H",           "H",  "Х", "H",     "H",     "Х", "х", 19,           5, right(2), false},
    {74,  "J",           "J",  "Р", "J",     "J",     "Р", "р", std::nullopt, 0, right(2), true},
    {75,  "K",           "K",  "О", "K",     "K",     "О", "о", std::nullopt, 0, right(3), true},
    {76,  "L",           "L",  "Л", "L",     "L",     "Л", "л", std::nullopt, 0, right(4), true},
    {186, "ZegTaslal",   ":;", "Д", ": ;",   ": ;",   "Д", "д", std::nullopt, 0, right(5), true},
    {222, "Apostrop",    "'",  "П", "\"  ",  "\"",    "П", "п", 22,           8, right(5), false},
    {90,  "Z",           "Z",  "Я", "Z",     "Z",     "Я", "я", 13,           1, left(5),  false},
    {88,  "X",           "X",  "Ч", "X",     "X",     "Ч", "ч", 14,           2, left(4),  false},
    {67,  "C",           "C",  "Ё", "C",     "C",     "Ё", "ё", 15,           3, left(3),  false},
    {86,  "V",           "V",  "С", "V",     "V",     "С", "с", 16,           4, left(2),  false},
    {66,  "B",           "B",  "М", "B",     "B",     "М", "м", 16,           4, left(2),  false},
    {78,  "N",           "N",  "И", "N",     "N",     "И", "и", 19,           5, right(2), false},
    {77,  "M",           "M",  "Т", "M",     "M",     "Т", "т", 19,           5, right(2), false},
    {188, "Ih",          "<,", "Ь", "< ,",   "<,",    "Ь", "ь", 20,           6, right(3), false},
    {190, "Baga",        ">.", "В", "> .",   ">.",    "В", "в", 21,           7, right(4), false},
    {191, "Asuult",      "?/", "Ю", "? /",   "?/",    "Ю", "ю", 22,           8, right(5), false},
    {32,  "",            "",   "",  "",      "",      "",  " ", std::nullopt, 0, kThumbs,  false},
}};
// clang-format on

std::optional<int> slotForKeyCode(int keyCode) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (kKeySlots[static_cast<std::size_t>(slot)].keyCode == keyCode) return slot;
  }
  return std::nullopt;
}

int rowOfSlot(int slot) {
  if (slot <= 12) return 1;
  if (slot <= 23) return 2;
  if (slot <= 33) return 3;
  return 4;
}

Rect outlineRect(int slot) {
  if (slot == kSpaceBarSlot) return kSpaceBarOutline;
  const Row& row = rowFor(slot);
  const int i = slot - row.firstSlot;
  const bool lowered = slot == 24 || slot == 26;
  return {row.outlineLeft + kKeyPitch * i, lowered ? kZRowLoweredOutlineTop : row.outlineTop,
          kOutlineWidth, kOutlineHeight};
}

Rect faceRect(int slot) {
  if (slot == kSpaceBarSlot) return kSpaceBarFace;
  const Row& row = rowFor(slot);
  const int i = slot - row.firstSlot;
  return {row.faceLeft + kKeyPitch * i, row.faceTop, kFaceWidth, kFaceHeight};
}

Rect highlightRect(int slot) {
  Rect r = faceRect(slot);
  r.top = rowFor(slot).highlightTop;
  return r;
}

Point labelRestPosition(int slot) {
  const Row& row = rowFor(slot);
  const int i = slot - row.firstSlot;
  return {row.labelLeft + kKeyPitch * i, row.labelTop};
}

Colour restOutlineColour(int slot) {
  return kKeySlots[static_cast<std::size_t>(slot)].isHomeKey ? kRed : kGrey;
}

}  // namespace arvan
