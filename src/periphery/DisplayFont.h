#pragma once
// The character tables of the read-out cells. Codes 128..255 lie outside the
// tables; they show the middle bar (the "-" of each style), the same mark the
// segment tables already use for characters they cannot draw, so a stray byte
// stands out instead of vanishing.

#include <array>
#include <cstdint>

// Seven segments: bit 0 top, 1 middle, 2 bottom, 3 upper left, 4 upper right,
// 5 lower left, 6 lower right.
std::uint16_t SevenSegmentBits(unsigned char c);

// Sixteen segments, bit 0 the top left half through bit 15 the bottom right half.
std::uint16_t SixteenSegmentBits(unsigned char c);

// 5 x 7 matrix: seven rows from the top, bit 4 the leftmost column.
using TMatrixRows = std::array<std::uint8_t, 7>;
const TMatrixRows& MatrixRows(unsigned char c);
