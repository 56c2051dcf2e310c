#include <gtest/gtest.h>

#include "core/comma_text.h"
#include "download/access_list.h"
#include "download/crypt.h"

namespace sm {
namespace {

TEST(AccessListTest, RecordsRoundTripThroughTheLayout) {
  const std::vector<AccessListRecord> written = {
      EncryptAccessRecord("someone", "STATUS,2,key-one", "pw1"),
      EncryptAccessRecord("YoegNzls", "STATUS,6,\"data key\"", "guestpass"),
      EncryptAccessRecord(std::string(21, 'u'), "STATUS,2,k", "pw3"),  // fills its field
  };
  const std::string list = WriteAccessList(written);
  ASSERT_EQ(list.size(), 8 + 3 * 76u);
  const std::vector<AccessListRecord> read = ReadAccessList(list);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[1].user, "YoegNzls");
  EXPECT_EQ(read[2].user, std::string(21, 'u'));
  EXPECT_EQ(SplitCommaText(DecryptAccessRecord(read[1], "guestpass")),
            (std::vector<std::string>{"STATUS", "6", "data key"}));
  EXPECT_EQ(SplitCommaText(DecryptAccessRecord(read[0], "pw1"))[2], "key-one");
  // A wrong password is not detected here; the text does not read back.
  EXPECT_NE(SplitCommaText(DecryptAccessRecord(read[0], "wrong"))[0], "STATUS");
}

TEST(AccessListTest, RecordTextBeyondItsBlockIsRefused) {
  AccessListRecord record = EncryptAccessRecord("u", "STATUS,2,k", "pw");
  record.text_size = 52;
  EXPECT_THROW(DecryptAccessRecord(record, "pw"), CryptError);
  // Also when it comes from a list's bytes.
  std::string list = WriteAccessList({EncryptAccessRecord("u", "STATUS,2,k", "pw")});
  list[8 + 21] = static_cast<char>(200);
  EXPECT_THROW(DecryptAccessRecord(ReadAccessList(list).at(0), "pw"), CryptError);
  // The largest text that fits: 51 bytes of block hold at most 48 of ciphertext.
  EXPECT_NO_THROW(EncryptAccessRecord("u", std::string(47, 'x'), "pw"));
  EXPECT_THROW(EncryptAccessRecord("u", std::string(48, 'x'), "pw"), std::invalid_argument);
}

TEST(AccessListTest, ReadsWhileThePositionIsBelowTheSizeLessForty) {
  const std::string one = WriteAccessList({EncryptAccessRecord("u", "STATUS,2,k", "pw")});
  // Up to 40 bytes behind the last record are not a record.
  EXPECT_EQ(ReadAccessList(one + std::string(40, '\0')).size(), 1u);
  // More would start a record that runs past the end: refused, not read.
  EXPECT_THROW(ReadAccessList(one + std::string(41, '\0')), std::runtime_error);
  EXPECT_TRUE(ReadAccessList(std::string(8, '\0')).empty());
  EXPECT_TRUE(ReadAccessList("").empty());
}

}  // namespace
}  // namespace sm
