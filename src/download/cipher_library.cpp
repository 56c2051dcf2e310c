#include "download/cipher_library.h"

#include <openssl/core_names.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/params.h>
#include <openssl/provider.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace sm {
namespace {

// The library's own error number and text, then its queue is emptied so a
// later failure does not report this one.
[[noreturn]] void ThrowLibraryError(const std::string& what) {
  unsigned long code = ERR_get_error();
  std::string message = "Crypt error: " + what;
  if (code != 0) {
    char text[256];
    ERR_error_string_n(code, text, sizeof text);
    message += " (" + std::to_string(code) + ": " + text + ")";
  }
  ERR_clear_error();
  throw CryptError(message);
}

struct CipherCtxFree {
  void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CipherCtx = std::unique_ptr<EVP_CIPHER_CTX, CipherCtxFree>;

struct MdFree {
  void operator()(EVP_MD* md) const { EVP_MD_free(md); }
};

}  // namespace

CipherLibrary::CipherLibrary() {
  context_ = OSSL_LIB_CTX_new();
  if (!context_) ThrowLibraryError("cannot create a library context");
  default_provider_ = OSSL_PROVIDER_load(context_, "default");
  legacy_provider_ = OSSL_PROVIDER_load(context_, "legacy");
  if (!default_provider_ || !legacy_provider_) {
    const bool legacy_missing = default_provider_ != nullptr;
    if (default_provider_) OSSL_PROVIDER_unload(default_provider_);
    OSSL_LIB_CTX_free(context_);
    ThrowLibraryError(legacy_missing ? "cannot load the \"legacy\" provider (RC2)"
                                     : "cannot load the \"default\" provider");
  }
}

CipherLibrary::~CipherLibrary() {
  OSSL_PROVIDER_unload(legacy_provider_);
  OSSL_PROVIDER_unload(default_provider_);
  OSSL_LIB_CTX_free(context_);
}

Md5Digest Md5(const CipherLibrary& library, std::string_view bytes) {
  std::unique_ptr<EVP_MD, MdFree> md(EVP_MD_fetch(library.context(), "MD5", nullptr));
  if (!md) ThrowLibraryError("MD5 is not available");
  Md5Digest digest{};
  unsigned int size = 0;
  if (!EVP_Digest(bytes.data(), bytes.size(), digest.data(), &size, md.get(), nullptr) || size != digest.size())
    ThrowLibraryError("MD5 failed");
  return digest;
}

Rc2Cbc::Rc2Cbc(const CipherLibrary& library, std::string_view key, int effective_bits)
    : key_size_(key.size()), effective_bits_(effective_bits) {
  if (key.empty() || key.size() > key_.size()) throw CryptError("Crypt error: RC2 key of " + std::to_string(key.size()) + " bytes");
  std::memcpy(key_.data(), key.data(), key.size());
  cipher_ = EVP_CIPHER_fetch(library.context(), "RC2-CBC", nullptr);
  if (!cipher_) ThrowLibraryError("RC2-CBC is not available");
}

Rc2Cbc::~Rc2Cbc() {
  OPENSSL_cleanse(key_.data(), key_.size());
  EVP_CIPHER_free(cipher_);
}

void Rc2Cbc::Decrypt(unsigned char* data, size_t size) const { Run(data, size, false); }
void Rc2Cbc::Encrypt(unsigned char* data, size_t size) const { Run(data, size, true); }

void Rc2Cbc::Run(unsigned char* data, size_t size, bool encrypt) const {
  if (size % kRc2BlockSize != 0)
    throw CryptError("Crypt error: " + std::to_string(size) + " bytes are not whole 8-byte blocks");
  CipherCtx ctx(EVP_CIPHER_CTX_new());
  if (!ctx) ThrowLibraryError("cannot create a cipher context");
  const int enc = encrypt ? 1 : 0;
  // The key length and the effective key bits must be set before the key
  // is: RC2 expands the key with both.
  unsigned int bits = static_cast<unsigned int>(effective_bits_);
  OSSL_PARAM params[] = {OSSL_PARAM_construct_uint(OSSL_CIPHER_PARAM_RC2_KEYBITS, &bits), OSSL_PARAM_construct_end()};
  static constexpr unsigned char kZeroIv[kRc2BlockSize] = {};
  if (!EVP_CipherInit_ex2(ctx.get(), cipher_, nullptr, nullptr, enc, nullptr) ||
      !EVP_CIPHER_CTX_set_key_length(ctx.get(), static_cast<int>(key_size_)) ||
      !EVP_CIPHER_CTX_set_params(ctx.get(), params) ||
      !EVP_CipherInit_ex2(ctx.get(), nullptr, key_.data(), kZeroIv, enc, nullptr) ||
      !EVP_CIPHER_CTX_set_padding(ctx.get(), 0))
    ThrowLibraryError("cannot set up RC2");
  // EVP takes lengths as int: feed large buffers in slices.
  constexpr size_t kSlice = size_t{1} << 30;
  for (size_t done = 0; done < size;) {
    const size_t slice = std::min(kSlice, size - done);
    int out = 0;
    if (!EVP_CipherUpdate(ctx.get(), data + done, &out, data + done, static_cast<int>(slice)) ||
        static_cast<size_t>(out) != slice)
      ThrowLibraryError("RC2 failed");
    done += slice;
  }
  int tail = 0;
  unsigned char rest[kRc2BlockSize];
  if (!EVP_CipherFinal_ex(ctx.get(), rest, &tail) || tail != 0) ThrowLibraryError("RC2 failed");
}

}  // namespace sm
