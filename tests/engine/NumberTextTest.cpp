// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "platform/Colour.h"
#include "platform/NumberText.h"

using platform::PaddedNumberText;
using platform::PlainNumberText;

TEST(PlainNumberText, WritesReadoutsWithoutBlankOrExponent) {
  EXPECT_EQ(PlainNumberText(30), "30");
  EXPECT_EQ(PlainNumberText(29.87), "29.87");
  EXPECT_EQ(PlainNumberText(29.5), "29.5");
  EXPECT_EQ(PlainNumberText(-1), "-1");
  EXPECT_EQ(PlainNumberText(-0.0), "0");
  EXPECT_EQ(PlainNumberText(866), "866");
  EXPECT_EQ(PlainNumberText(5.25), "5.25");
  EXPECT_EQ(PlainNumberText(1e20), "100000000000000000000");
  EXPECT_EQ(PlainNumberText(0.00001), "0.00001");
  EXPECT_EQ(PlainNumberText(123456789.123456789), "123456789.123457");
}

TEST(PlainNumberText, NeverWritesANonFiniteValue) {
  EXPECT_EQ(PlainNumberText(std::numeric_limits<double>::quiet_NaN()), "0");
  EXPECT_EQ(PlainNumberText(std::numeric_limits<double>::infinity()), "0");
}

TEST(PaddedNumberText, LeadsNonNegativeNumbersWithABlank) {
  EXPECT_EQ(PaddedNumberText(2), " 2");
  EXPECT_EQ(PaddedNumberText(0), " 0");
  EXPECT_EQ(PaddedNumberText(-3), "-3");
}

TEST(Palette, HoldsTheSixteenColours) {
  using platform::RGB;
  const platform::Rgb expected[16] = {
      RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
      RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
      RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
      RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255)};
  for (int n = 0; n < 16; ++n) EXPECT_EQ(platform::PaletteColor(n), expected[n]) << n;
  EXPECT_EQ(RGB(192, 192, 192), 0xC0C0C0U);
  EXPECT_EQ(RGB(255, 0, 0), 0x0000FFU);  // red in the low byte
}
