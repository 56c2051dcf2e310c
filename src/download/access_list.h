// A site's access list (acc.dat, deciphered): an 8-byte header, then one
// 76-byte record per user: the user name in 21 bytes (ended by a zero byte
// or filling the field), a 32-bit little-endian length n, and a 51-byte
// block whose first n bytes are the record text enciphered with the user's
// password. The text is comma text: "STATUS", access flags, data key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sm {

constexpr size_t kAccessListHeaderSize = 8;
constexpr size_t kAccessUserNameSize = 21;
constexpr size_t kAccessRecordBlockSize = 51;
constexpr size_t kAccessRecordSize = kAccessUserNameSize + 4 + kAccessRecordBlockSize;

struct AccessListRecord {
  std::string user;
  uint32_t text_size = 0;  // n
  std::string block;       // kAccessRecordBlockSize bytes
};

// The records of a deciphered access list, read while the read position is
// below the size minus 40. A record that runs past the end of the list is
// refused with std::runtime_error; n is checked when the text is deciphered.
std::vector<AccessListRecord> ReadAccessList(std::string_view list);
// The list's bytes with a zero header. Throws std::invalid_argument for a
// user name longer than its field or a record text beyond its block.
std::string WriteAccessList(const std::vector<AccessListRecord>& records);

// The record text: the first n bytes of the block deciphered with the
// password. Refuses (CryptError) an n beyond the block.
std::string DecryptAccessRecord(const AccessListRecord& record, std::string_view password);
// A record for a user whose text is enciphered with the password.
AccessListRecord EncryptAccessRecord(std::string_view user, std::string_view text, std::string_view password);

}  // namespace sm
