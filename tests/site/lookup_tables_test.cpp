#include <gtest/gtest.h>

#include "site/lookup_tables.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

TEST(LookupTables, UnsortedRowsKeepTheirValues) {
  test::TempDir dir;
  dir.Write("smcdata/growth.smc", "Day,Weight,\"Feed per day\"\r\n12,0.5,60\r\n-3,0.1,10\r\n11,0.45,55\r\n\r\n");
  dir.Write("smcdata/keys.smc", "Key\r\n1\r\n");
  dir.Write("smcdata/notes.txt", "ignored");
  LookupTables tables = LoadLookupTables(dir / "smcdata");
  ASSERT_EQ(tables.files.size(), 2u);
  ASSERT_EQ(tables.series.size(), 2u);  // a header of one item gives no series
  EXPECT_EQ(tables.files[0]->keys, (std::vector<int32_t>{-3, 11, 12}));
  const TSMCSeries* weight = tables.Find("WEIGHT");
  const TSMCSeries* feed = tables.Find("Feed per day");
  ASSERT_TRUE(weight && feed);
  EXPECT_EQ(feed->column, 3);
  struct Case {
    double x;
    float weight;
  } cases[] = {{11.6, 0.45f}, {12.5, 0.5f}, {-3.7, 0.1f}, {-2.5, -1}, {13, -1}, {1e12, -1}};
  for (const auto& c : cases) EXPECT_EQ(weight->ValueAt(c.x), c.weight) << c.x;
  EXPECT_EQ(feed->ValueAt(11), 55);
}

TEST(LookupTables, BadLinesNameFileAndLine) {
  struct Case {
    const char* text;
    const char* message_end;
  } cases[] = {
      {"Day,W\r\n1,2\r\nx,3\r\n", "line 3: \"x\" is not a whole number"},
      {"Day,W\r\n1,abc\r\n", "line 2: \"abc\" is not a number"},
      {"Day,W,V\r\n1,2\r\n", "line 2: fewer items than the header's 3"},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    std::string path = dir.Write("t.smc", c.text);
    LookupTables tables;
    try {
      LoadLookupTable(path, tables);
      ADD_FAILURE() << c.text;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "Lookup table " + path + " " + c.message_end);
    }
    EXPECT_TRUE(tables.files.empty());
  }
}

}  // namespace
}  // namespace sm
