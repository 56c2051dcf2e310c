// CRC-32 (the common polynomial 0xEDB88320) guarding each part of a data
// file against damage.
#pragma once

#include <cstdint>
#include <string_view>

namespace sm {

uint32_t Crc32(std::string_view bytes);

}  // namespace sm
