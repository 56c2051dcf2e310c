// The file cipher, checked against a second computation that shares none of
// its code: OpenSSL's low-level MD5 and RC2 routines with the padding done
// here by hand, and the published RC2 test vectors. A mistake made the same
// way when enciphering and deciphering cannot pass.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/md5.h>
#include <openssl/rc2.h>

#include <gtest/gtest.h>

#include <string>

#include "core/files.h"
#include "download/crypt.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  return bytes;
}

std::string ToHex(std::string_view bytes) {
  static const char* digits = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) {
    hex.push_back(digits[c >> 4]);
    hex.push_back(digits[c & 15]);
  }
  return hex;
}

const unsigned char* U(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }

// The reference: MD5 of the key, its first 5 bytes and 11 zero bytes as a
// 16-byte RC2 key with 40 effective bits, CBC from a zero IV, PKCS#5.
std::string ReferenceEncipher(const std::string& key, const std::string& plain) {
  unsigned char digest[MD5_DIGEST_LENGTH];
  MD5(U(key), key.size(), digest);
  unsigned char rc2_key[16] = {};
  std::copy(digest, digest + 5, rc2_key);
  RC2_KEY schedule;
  RC2_set_key(&schedule, 16, rc2_key, 40);
  std::string padded = plain;
  const size_t pad = 8 - plain.size() % 8;
  padded.append(pad, static_cast<char>(pad));
  std::string out(padded.size(), '\0');
  unsigned char iv[8] = {};
  RC2_cbc_encrypt(U(padded), reinterpret_cast<unsigned char*>(out.data()), static_cast<long>(padded.size()), &schedule,
                  iv, RC2_ENCRYPT);
  return out;
}

std::string Trailer(uint32_t length) {
  return std::string{static_cast<char>(length & 0xFF), static_cast<char>(length >> 8 & 0xFF),
                     static_cast<char>(length >> 16 & 0xFF), static_cast<char>(length >> 24)};
}

// RFC 2268, section 5: key, effective key bits, plaintext, ciphertext.
struct Rc2Vector {
  const char* key;
  int bits;
  const char* plain;
  const char* cipher;
};
const Rc2Vector kRc2Vectors[] = {
    {"0000000000000000", 63, "0000000000000000", "ebb773f993278eff"},
    {"ffffffffffffffff", 64, "ffffffffffffffff", "278b27e42e2f0d49"},
    {"3000000000000000", 64, "1000000000000001", "30649edf9be7d2c2"},
    {"88", 64, "0000000000000000", "61a8a244adacccf0"},
    {"88bca90e90875a", 64, "0000000000000000", "6ccf4308974c267f"},
    {"88bca90e90875a7f0f79c384627bafb2", 64, "0000000000000000", "1a807d272bbe5db1"},
    {"88bca90e90875a7f0f79c384627bafb2", 128, "0000000000000000", "2269552ab0f85ca6"},
};

TEST(Rc2CbcTest, PublishedVectorsHoldForTheReferenceAndOurCipher) {
  CipherLibrary library;
  for (const Rc2Vector& v : kRc2Vectors) {
    SCOPED_TRACE(std::string(v.key) + "/" + std::to_string(v.bits));
    const std::string key = FromHex(v.key), plain = FromHex(v.plain);
    // One block from a zero IV: CBC is the bare block cipher.
    RC2_KEY schedule;
    RC2_set_key(&schedule, static_cast<int>(key.size()), U(key), v.bits);
    std::string reference(8, '\0');
    RC2_ecb_encrypt(U(plain), reinterpret_cast<unsigned char*>(reference.data()), &schedule, RC2_ENCRYPT);
    EXPECT_EQ(ToHex(reference), v.cipher);

    Rc2Cbc rc2(library, key, v.bits);
    std::string block = plain;
    rc2.Encrypt(reinterpret_cast<unsigned char*>(block.data()), block.size());
    EXPECT_EQ(ToHex(block), v.cipher);
    rc2.Decrypt(reinterpret_cast<unsigned char*>(block.data()), block.size());
    EXPECT_EQ(block, plain);
  }
}

TEST(Rc2CbcTest, Md5KnownAnswers) {
  CipherLibrary library;
  auto hex = [&](std::string_view text) {
    Md5Digest d = Md5(library, text);
    return ToHex(std::string_view(reinterpret_cast<const char*>(d.data()), d.size()));
  };
  EXPECT_EQ(hex(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
}

TEST(TCryptTest, AgreesWithTheReferenceInBothDirections) {
  const std::string keys[] = {std::string(kAccessListKey), std::string(kProvisioningKey), "guestpass", "k"};
  const std::string plains[] = {"", "A", "1234567", "12345678", "123456789", std::string(100, 'x') + "\r\nend\0z"};
  for (const std::string& key : keys) {
    TCrypt crypt(key);
    for (const std::string& plain : plains) {
      SCOPED_TRACE(key + " / " + std::to_string(plain.size()));
      const std::string reference = ReferenceEncipher(key, plain);
      EXPECT_EQ(ToHex(crypt.EncryptBuffer(plain)), ToHex(reference));
      EXPECT_EQ(crypt.DecryptBytes(reference + Trailer(static_cast<uint32_t>(plain.size()))), plain);
    }
  }
}

TEST(TCryptTest, FixedVectorOfTheAccessListKey) {
  // Kept literally so that a change to the reference cannot hide a change
  // to the format.
  const std::string plain = "STATUS,2,secret";
  EXPECT_EQ(ToHex(ReferenceEncipher(std::string(kAccessListKey), plain)), ToHex(TCrypt(kAccessListKey).EncryptBuffer(plain)));
  EXPECT_EQ(ToHex(TCrypt(kAccessListKey).EncryptBuffer(plain)), "e36421d21497769284669e7982b43e22");
}

TEST(TCryptTest, DecryptBufferReturnsThePlainLengthAndKeepsBytesOnBadPadding) {
  TCrypt crypt("guestpass");
  std::string buffer = ReferenceEncipher("guestpass", "ten bytes!");
  ASSERT_EQ(buffer.size(), 16u);
  EXPECT_EQ(crypt.DecryptBuffer(buffer.data(), buffer.size()), 10u);
  EXPECT_EQ(buffer.substr(0, 10), "ten bytes!");

  // A wrong key raises nothing: the garbled bytes stay, all of them.
  std::string garbled = ReferenceEncipher("guestpass", "ten bytes!");
  const size_t n = TCrypt("wrongpass").DecryptBuffer(garbled.data(), garbled.size());
  EXPECT_LE(n, 16u);
  EXPECT_NE(garbled.substr(0, 10), "ten bytes!");

  std::string partial(12, 'x');
  EXPECT_THROW(crypt.DecryptBuffer(partial.data(), partial.size()), CryptError);
  // No key: nothing to decipher.
  EXPECT_EQ(TCrypt("").DecryptBuffer(partial.data(), partial.size()), 12u);
  EXPECT_EQ(partial, std::string(12, 'x'));
}

TEST(TCryptTest, FileLayoutCutsToTheTrailerLength) {
  test::TempDir dir;
  // 16 bytes of ciphertext and L = 10.
  const std::string in = dir.Write("in.enc", ReferenceEncipher("k", "0123456789") + Trailer(10));
  TCrypt("k").DecryptFile(in, dir / "out");
  EXPECT_EQ(test::Slurp(dir / "out"), "0123456789");
  // A shorter L keeps fewer bytes.
  dir.Write("short.enc", ReferenceEncipher("k", "0123456789") + Trailer(4));
  EXPECT_EQ(TCrypt("k").DecryptToStream(dir / "short.enc", false), "0123");
  // The empty file of the format: no ciphertext at all.
  dir.Write("empty.enc", Trailer(0));
  EXPECT_EQ(TCrypt("").DecryptToStream(dir / "empty.enc", false), "");
}

TEST(TCryptTest, WrongKeyGivesGarbledBytesOfTheTrailerLength) {
  test::TempDir dir;
  const std::string plain = "[Site]\r\nName=Farm\r\n";
  dir.Write("in.enc", TCrypt("right").EncryptBytes(plain));
  const std::string out = TCrypt("wrong").DecryptToStream(dir / "in.enc", false);
  EXPECT_EQ(out.size(), plain.size());
  EXPECT_NE(out, plain);
}

TEST(TCryptTest, BrokenFilesAreRefusedAndNothingIsWritten) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string message;  // of DecryptFile
  };
  const Case cases[] = {
      {"shorter than the trailer", "abc", "Crypt error: zero filesize"},
      {"L beyond the ciphertext", ReferenceEncipher("k", "0123456789") + Trailer(17),
       "Crypt error: plain length 17 is beyond the 16 enciphered bytes"},
      {"huge L", ReferenceEncipher("k", "x") + Trailer(0xFFFFFFFF),
       "Crypt error: plain length 4294967295 is beyond the 8 enciphered bytes"},
      {"partial block", std::string(13, 'c') + Trailer(5),
       "Crypt error: the enciphered part (13 bytes) is not a whole number of 8-byte blocks"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempDir dir;
    const std::string in = dir.Write("in.enc", c.bytes);
    const std::string out = dir.Write("out", "old contents");
    try {
      TCrypt("k").DecryptFile(in, out);
      ADD_FAILURE() << "no error";
    } catch (const CryptError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
    EXPECT_EQ(test::Slurp(out), "old contents");
    EXPECT_EQ(ListFiles(dir.path(), "*").size(), 2u);  // no temporary left behind

    try {
      TCrypt("k").DecryptToStream(in, true);
      ADD_FAILURE() << "no error";
    } catch (const CryptError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Crypt error (mem): ", 0), 0u) << e.what();
    }
    EXPECT_TRUE(FileExists(in));  // the input stays for a refused file
  }
}

TEST(TCryptTest, DecryptToStreamDeletesTheInputWhenAsked) {
  test::TempDir dir;
  const std::string in = dir.Write("in.enc", TCrypt(kAccessListKey).EncryptBytes("index"));
  EXPECT_EQ(TCrypt(kAccessListKey).DecryptToStream(in, false), "index");
  EXPECT_TRUE(FileExists(in));
  EXPECT_EQ(TCrypt(kAccessListKey).DecryptToStream(in, true), "index");
  EXPECT_FALSE(FileExists(in));
}

TEST(TCryptTest, EncryptFileRoundTripsLargeFilesAndEmptyKeys) {
  test::TempDir dir;
  std::string big;
  for (int i = 0; i < 200000; ++i) big.push_back(static_cast<char>(i * 7 % 251));
  const std::string plain = dir.Write("plain", big);
  for (const char* key : {"pamtoxqelbur", ""}) {
    TCrypt(key).EncryptFile(plain, dir / "enc");
    TCrypt(key).DecryptFile(dir / "enc", dir / "back");
    EXPECT_EQ(test::Slurp(dir / "back"), big) << key;
  }
  // No key: the bytes travel as they are, with the trailer.
  EXPECT_EQ(TCrypt("").EncryptBytes("abc"), "abc" + Trailer(3));
}

TEST(TCryptTest, KeyWords) {
  EXPECT_EQ(KeyFromWord("access"), "pamtoxqelbur");
  EXPECT_EQ(KeyFromWord("provisioning"), "zutkabemo42fy");
  EXPECT_EQ(KeyFromWord("Access"), "Access");
}

}  // namespace
}  // namespace sm
