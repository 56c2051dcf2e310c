// Enciphered files and access lists come from the network: any bytes must
// either decipher to exactly L bytes or be refused with CryptError, and
// enciphering any bytes must decipher back to them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

#include "download/access_list.h"
#include "download/crypt.h"

namespace {

// Made once: each TCrypt loads the cipher providers.
struct Keys {
  sm::TCrypt none{""};
  sm::TCrypt short_key{"k"};
  sm::TCrypt access{sm::kAccessListKey};
};

uint32_t TrailerLength(const std::string& bytes) {
  uint32_t l = 0;
  for (int i = 3; i >= 0; --i) l = l << 8 | static_cast<unsigned char>(bytes[bytes.size() - 4 + i]);
  return l;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const Keys* keys = new Keys;
  if (size == 0) return 0;
  const sm::TCrypt& crypt = data[0] % 3 == 0 ? keys->none : data[0] % 3 == 1 ? keys->short_key : keys->access;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  try {
    const std::string plain = crypt.DecryptBytes(bytes);
    if (plain.size() != TrailerLength(bytes)) __builtin_trap();
  } catch (const sm::CryptError&) {
  }

  if (crypt.DecryptBytes(crypt.EncryptBytes(bytes)) != bytes) __builtin_trap();

  try {
    for (const sm::AccessListRecord& r : sm::ReadAccessList(bytes)) {
      try {
        const std::string text = sm::DecryptAccessRecord(r, "guestpass");
        if (text.size() != r.text_size) __builtin_trap();
      } catch (const sm::CryptError&) {
      }
    }
  } catch (const std::runtime_error&) {
  }
  return 0;
}
