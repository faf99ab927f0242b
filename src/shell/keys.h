// The keys the game asks for by number: Windows virtual-key numbers, which
// the media layer's keyboard queries take (the bindings in KeyCodes hold the
// same numbers).
#pragma once

#include <cstdint>

constexpr int32_t VkEnter = 13;
constexpr int32_t VkEscape = 27;
constexpr int32_t VkSpace = 32;
constexpr int32_t VkLeftArrow = 37;
constexpr int32_t VkRightArrow = 39;
constexpr int32_t VkA = 65;
constexpr int32_t VkC = 67;
constexpr int32_t VkK = 75;
constexpr int32_t VkL = 76;
constexpr int32_t VkX = 88;
constexpr int32_t VkZ = 90;
constexpr int32_t VkF1 = 112;
constexpr int32_t VkF2 = 113;
constexpr int32_t VkF3 = 114;
constexpr int32_t VkF4 = 115;
constexpr int32_t VkF5 = 116;
constexpr int32_t VkF6 = 117;
constexpr int32_t VkF12 = 123;
