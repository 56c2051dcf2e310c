// Listing pages come from the network: any bytes must parse without a
// crash, and every entry must carry a name safe to use as a file name.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "core/datetime.h"
#include "download/html_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view page(reinterpret_cast<const char*>(data), size);
  sm::THTMLDir dir;
  try {
    dir.ParseStream(page, sm::EncodeDate(2024, 3, 10));
  } catch (const std::overflow_error&) {
    if (dir.Count() != 0) __builtin_trap();  // a refused page leaves the listing as it was
    return 0;
  }
  for (const sm::THTMLDirEntry& e : dir.Entries()) {
    if (!sm::IsSafeListedName(e.Name)) __builtin_trap();
    if (e.Size > 2147483647 || e.Size < -2147483647) __builtin_trap();
  }
  return 0;
}
