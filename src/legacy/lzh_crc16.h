#pragma once
// The CRC-16 that LZH archives store for every entry and level-2 header (polynomial 0x8005,
// reflected, initial value 0).

#include <cstdint>
#include <string_view>

std::uint16_t LzhCrc16(std::string_view bytes, std::uint16_t crc = 0);
