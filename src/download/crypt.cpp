#include "download/crypt.h"

#include <cstdint>
#include <cstring>

#include "core/files.h"

namespace sm {
namespace {

constexpr size_t kDerivedKeyBytes = 5;  // 40 bits of the digest
constexpr size_t kRc2KeyBytes = 16;     // the rest is zero salt
constexpr int kEffectiveKeyBits = 40;

uint32_t ReadLittleEndian32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

std::string LittleEndian32(uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i) & 0xFF);
  return bytes;
}

// PKCS#5: the last byte p (1..8) and p bytes of p at the end.
size_t PaddingSize(const unsigned char* data, size_t size) {
  if (size == 0) return 0;
  const unsigned p = data[size - 1];
  if (p < 1 || p > kRc2BlockSize || p > size) return 0;
  for (size_t i = size - p; i < size; ++i)
    if (data[i] != p) return 0;
  return p;
}

}  // namespace

TCrypt::TCrypt(std::string_view key) {
  if (key.empty()) return;
  library_ = std::make_unique<CipherLibrary>();
  const Md5Digest digest = Md5(*library_, key);
  std::string rc2_key(kRc2KeyBytes, '\0');
  std::memcpy(rc2_key.data(), digest.data(), kDerivedKeyBytes);
  rc2_ = std::make_unique<Rc2Cbc>(*library_, rc2_key, kEffectiveKeyBits);
}

TCrypt::~TCrypt() = default;

size_t TCrypt::DecryptBuffer(char* data, size_t size) const {
  if (!rc2_) return size;
  auto* bytes = reinterpret_cast<unsigned char*>(data);
  rc2_->Decrypt(bytes, size);
  return size - PaddingSize(bytes, size);
}

std::string TCrypt::DecryptBytes(std::string enciphered, std::string_view error_prefix) const {
  const std::string prefix(error_prefix);
  if (enciphered.size() < kCryptTrailerSize) throw CryptError(prefix + ": zero filesize");
  const size_t cipher_size = enciphered.size() - kCryptTrailerSize;
  const uint32_t plain_size = ReadLittleEndian32(enciphered.data() + cipher_size);
  if (rc2_ && cipher_size % kRc2BlockSize != 0)
    throw CryptError(prefix + ": the enciphered part (" + std::to_string(cipher_size) +
                     " bytes) is not a whole number of 8-byte blocks");
  // Checked before deciphering: L may never reach past the deciphered bytes.
  if (plain_size > cipher_size)
    throw CryptError(prefix + ": plain length " + std::to_string(plain_size) + " is beyond the " +
                     std::to_string(cipher_size) + " enciphered bytes");
  DecryptBuffer(enciphered.data(), cipher_size);
  enciphered.resize(plain_size);
  return enciphered;
}

void TCrypt::DecryptFile(const std::string& enciphered_path, const std::string& plain_path) const {
  const std::string plain = DecryptBytes(ReadFileBytes(enciphered_path), "Crypt error");
  WriteFileAtomically(plain_path, plain);
}

std::string TCrypt::DecryptToStream(const std::string& enciphered_path, bool delete_input) const {
  std::string plain = DecryptBytes(ReadFileBytes(enciphered_path), "Crypt error (mem)");
  if (delete_input) DeleteFile(enciphered_path);
  return plain;
}

std::string TCrypt::EncryptBuffer(std::string_view plain) const {
  if (!rc2_) return std::string(plain);
  const size_t padding = kRc2BlockSize - plain.size() % kRc2BlockSize;
  std::string bytes(plain);
  bytes.append(padding, static_cast<char>(padding));
  rc2_->Encrypt(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size());
  return bytes;
}

std::string TCrypt::EncryptBytes(std::string_view plain) const {
  if (plain.size() > UINT32_MAX) throw CryptError("Crypt error: file too large for the format");
  return EncryptBuffer(plain) + LittleEndian32(static_cast<uint32_t>(plain.size()));
}

void TCrypt::EncryptFile(const std::string& plain_path, const std::string& enciphered_path) const {
  WriteFileAtomically(enciphered_path, EncryptBytes(ReadFileBytes(plain_path)));
}

std::string KeyFromWord(std::string_view word) {
  if (word == "access") return std::string(kAccessListKey);
  if (word == "provisioning") return std::string(kProvisioningKey);
  return std::string(word);
}

}  // namespace sm
