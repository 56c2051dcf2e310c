#include "download/access_list.h"

#include <stdexcept>

#include "download/crypt.h"

namespace sm {
namespace {

// Records are read while the position is below the size minus this.
constexpr size_t kAccessListTailSize = 40;

uint32_t ReadLittleEndian32(std::string_view bytes) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
  return value;
}

void AppendLittleEndian32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

}  // namespace

std::vector<AccessListRecord> ReadAccessList(std::string_view list) {
  std::vector<AccessListRecord> records;
  size_t pos = kAccessListHeaderSize;
  while (list.size() > kAccessListTailSize && pos < list.size() - kAccessListTailSize) {
    if (list.size() - pos < kAccessRecordSize)
      throw std::runtime_error("Access list: record " + std::to_string(records.size() + 1) + " is cut short");
    std::string_view raw = list.substr(pos, kAccessRecordSize);
    AccessListRecord record;
    std::string_view name = raw.substr(0, kAccessUserNameSize);
    record.user = std::string(name.substr(0, name.find('\0')));
    record.text_size = ReadLittleEndian32(raw.substr(kAccessUserNameSize, 4));
    record.block = std::string(raw.substr(kAccessUserNameSize + 4));
    records.push_back(std::move(record));
    pos += kAccessRecordSize;
  }
  return records;
}

std::string WriteAccessList(const std::vector<AccessListRecord>& records) {
  std::string out(kAccessListHeaderSize, '\0');
  for (const AccessListRecord& r : records) {
    if (r.user.size() > kAccessUserNameSize)
      throw std::invalid_argument("Access list: user name \"" + r.user + "\" is longer than " +
                                  std::to_string(kAccessUserNameSize) + " characters");
    if (r.text_size > kAccessRecordBlockSize || r.block.size() > kAccessRecordBlockSize)
      throw std::invalid_argument("Access list: the record of \"" + r.user + "\" is longer than " +
                                  std::to_string(kAccessRecordBlockSize) + " bytes");
    std::string name = r.user;
    name.resize(kAccessUserNameSize, '\0');
    std::string block = r.block;
    block.resize(kAccessRecordBlockSize, '\0');
    out += name;
    AppendLittleEndian32(out, r.text_size);
    out += block;
  }
  return out;
}

std::string DecryptAccessRecord(const AccessListRecord& record, std::string_view password) {
  if (record.text_size > record.block.size() || record.text_size > kAccessRecordBlockSize)
    throw CryptError("Crypt error: access record of " + std::to_string(record.text_size) +
                     " bytes is beyond its block of " + std::to_string(kAccessRecordBlockSize));
  std::string text = record.block.substr(0, record.text_size);
  TCrypt(password).DecryptBuffer(text.data(), text.size());
  // The padding bytes (1 to 8) stay: the comma text reads them as blanks.
  return text;
}

AccessListRecord EncryptAccessRecord(std::string_view user, std::string_view text, std::string_view password) {
  AccessListRecord record;
  record.user = std::string(user);
  record.block = TCrypt(password).EncryptBuffer(text);
  if (record.block.size() > kAccessRecordBlockSize)
    throw std::invalid_argument("Access list: the record text of \"" + record.user + "\" is too long (" +
                                std::to_string(text.size()) + " characters)");
  record.text_size = static_cast<uint32_t>(record.block.size());
  record.block.resize(kAccessRecordBlockSize, '\0');
  return record;
}

}  // namespace sm
