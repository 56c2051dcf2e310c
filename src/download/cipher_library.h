// The cryptographic primitives under the file cipher: MD5 and RC2 in CBC
// mode, taken from OpenSSL through a library context of our own. RC2 lives
// in OpenSSL's "legacy" provider, which we load into that context only, so
// the rest of the process keeps OpenSSL's defaults.
#pragma once

#include <openssl/types.h>

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace sm {

// Any failure of the file cipher: a broken enciphered file or a failure of
// the cryptographic library.
class CryptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CipherLibrary {
 public:
  // Throws CryptError when a provider cannot be loaded.
  CipherLibrary();
  ~CipherLibrary();
  CipherLibrary(const CipherLibrary&) = delete;
  CipherLibrary& operator=(const CipherLibrary&) = delete;

  OSSL_LIB_CTX* context() const { return context_; }

 private:
  OSSL_LIB_CTX* context_ = nullptr;
  OSSL_PROVIDER* default_provider_ = nullptr;
  OSSL_PROVIDER* legacy_provider_ = nullptr;
};

using Md5Digest = std::array<unsigned char, 16>;
Md5Digest Md5(const CipherLibrary& library, std::string_view bytes);

constexpr size_t kRc2BlockSize = 8;

// RC2-CBC with an all-zero initialisation vector over whole blocks, without
// padding; a key of any length with its own effective key length in bits.
class Rc2Cbc {
 public:
  Rc2Cbc(const CipherLibrary& library, std::string_view key, int effective_bits);
  ~Rc2Cbc();
  Rc2Cbc(const Rc2Cbc&) = delete;
  Rc2Cbc& operator=(const Rc2Cbc&) = delete;

  // In place; `size` must be a multiple of the block size.
  void Decrypt(unsigned char* data, size_t size) const;
  void Encrypt(unsigned char* data, size_t size) const;

 private:
  void Run(unsigned char* data, size_t size, bool encrypt) const;

  EVP_CIPHER* cipher_ = nullptr;
  std::array<unsigned char, 128> key_{};
  size_t key_size_ = 0;
  int effective_bits_ = 0;
};

}  // namespace sm
