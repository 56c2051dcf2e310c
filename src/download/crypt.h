// The file cipher of the download server. An enciphered file is RC2-CBC
// ciphertext (zero IV, PKCS#5 padding) followed by a 4-byte little-endian
// plain length L. The RC2 key is the first 5 bytes of the MD5 of the key
// text followed by 11 zero bytes, with an effective key length of 40 bits.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "download/cipher_library.h"

namespace sm {

// Access lists, the server index and the template file.
inline constexpr std::string_view kAccessListKey = "pamtoxqelbur";
// The provisioning file sminit.dat.
inline constexpr std::string_view kProvisioningKey = "zutkabemo42fy";

constexpr size_t kCryptTrailerSize = 4;

// One key, for one file or record; made, used and dropped at once.
class TCrypt {
 public:
  // Throws CryptError when the cryptographic library fails.
  explicit TCrypt(std::string_view key);
  ~TCrypt();
  TCrypt(const TCrypt&) = delete;
  TCrypt& operator=(const TCrypt&) = delete;

  // Deciphers `size` bytes in place as one whole message and returns the
  // plain length. Padding that does not check out (a wrong key) is not an
  // error: the deciphered bytes stay and the whole size is returned. An
  // empty key leaves the bytes alone. Throws CryptError for a size that is
  // not whole blocks.
  size_t DecryptBuffer(char* data, size_t size) const;

  // The plain bytes of an enciphered file's bytes. Refuses (CryptError,
  // message starting with `error_prefix`) a file shorter than the trailer,
  // a ciphertext of partial blocks and an L beyond the ciphertext.
  std::string DecryptBytes(std::string enciphered, std::string_view error_prefix = "Crypt error") const;
  // Writes the plain file whole or not at all, replacing any file there.
  void DecryptFile(const std::string& enciphered_path, const std::string& plain_path) const;
  // The plain bytes; the enciphered file is deleted afterwards when asked
  // and the deciphering succeeded.
  std::string DecryptToStream(const std::string& enciphered_path, bool delete_input) const;

  // The other direction, for the server side and for tests: ciphertext with
  // its padding (the plain bytes unchanged for an empty key).
  std::string EncryptBuffer(std::string_view plain) const;
  // Ciphertext followed by the trailer.
  std::string EncryptBytes(std::string_view plain) const;
  void EncryptFile(const std::string& plain_path, const std::string& enciphered_path) const;

 private:
  std::unique_ptr<CipherLibrary> library_;
  std::unique_ptr<Rc2Cbc> rc2_;  // none for an empty key
};

// The key a command-line user means: the words "access" and "provisioning"
// stand for the two fixed keys, anything else is the key itself.
std::string KeyFromWord(std::string_view word);

}  // namespace sm
