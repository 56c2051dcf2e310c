// Little-endian integers and variable-length integers for the binary data
// files. The reader never reads past its end: a short or garbled buffer
// ends in DataFileError, never in a wild read.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sm {

// A data file that cannot be read; the text says why (without the file name,
// which the caller knows).
class DataFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline uint64_t ZigZag(int64_t v) { return (static_cast<uint64_t>(v) << 1) ^ static_cast<uint64_t>(v >> 63); }
inline int64_t UnZigZag(uint64_t v) { return static_cast<int64_t>(v >> 1) ^ -static_cast<int64_t>(v & 1); }

class ByteWriter {
 public:
  void U8(uint8_t v) { out_.push_back(static_cast<char>(v)); }
  void U16(uint16_t v) { Little(v, 2); }
  void U32(uint32_t v) { Little(v, 4); }
  void U64(uint64_t v) { Little(v, 8); }
  void VarUint(uint64_t v) {
    while (v >= 0x80) {
      out_.push_back(static_cast<char>((v & 0x7F) | 0x80));
      v >>= 7;
    }
    out_.push_back(static_cast<char>(v));
  }
  void VarInt(int64_t v) { VarUint(ZigZag(v)); }
  void Bytes(std::string_view b) { out_.append(b); }

  std::string& Buffer() { return out_; }
  size_t Size() const { return out_.size(); }

 private:
  void Little(uint64_t v, int n) {
    for (int i = 0; i < n; ++i) out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  }
  std::string out_;
};

class ByteReader {
 public:
  ByteReader(std::string_view bytes, const char* what) : p_(bytes), what_(what) {}

  bool AtEnd() const { return pos_ == p_.size(); }
  size_t Remaining() const { return p_.size() - pos_; }
  size_t Position() const { return pos_; }

  uint8_t U8() {
    Need(1);
    return static_cast<uint8_t>(p_[pos_++]);
  }
  uint16_t U16() { return static_cast<uint16_t>(Little(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Little(4)); }
  uint64_t U64() { return Little(8); }
  uint64_t VarUint() {
    // Most values are one byte.
    if (pos_ < p_.size() && !(static_cast<uint8_t>(p_[pos_]) & 0x80)) return static_cast<uint8_t>(p_[pos_++]);
    uint64_t v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      uint8_t b = U8();
      if (shift == 63 && b > 1) Fail("number out of range");
      v |= static_cast<uint64_t>(b & 0x7F) << shift;
      if (!(b & 0x80)) return v;
    }
    Fail("number out of range");
  }
  int64_t VarInt() { return UnZigZag(VarUint()); }
  std::string_view Bytes(size_t n) {
    Need(n);
    std::string_view b = p_.substr(pos_, n);
    pos_ += n;
    return b;
  }

  [[noreturn]] void Fail(const std::string& why) const { throw DataFileError("damaged (" + std::string(what_) + ": " + why + ")"); }

 private:
  void Need(size_t n) const {
    if (n > Remaining()) Fail("ends early");
  }
  uint64_t Little(int n) {
    Need(static_cast<size_t>(n));
    uint64_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<uint64_t>(static_cast<uint8_t>(p_[pos_ + i])) << (8 * i);
    pos_ += static_cast<size_t>(n);
    return v;
  }

  std::string_view p_;
  size_t pos_ = 0;
  const char* what_;
};

}  // namespace sm
