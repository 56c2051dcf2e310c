#include <gtest/gtest.h>

#include "core/convert_file_dates.h"
#include "core/files.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

FormatState DayMonthYearLocale() {
  FormatSettings locale;
  locale.short_date = "dd/mm/yyyy";
  locale.date_separator = '/';
  FormatState state;
  state.InitFormats(locale);
  state.UseFixedFormats();
  return state;
}

TEST(ConvertFileDates, RewritesLocaleDatesOnlyInDataLines) {
  test::TempDir dir;
  dir.Write("b1.bch", "14/06/2003,Temp,Feed\r\n14/06/2003,21.5,3\n2003-06-15,22,4\r\nnot a date,1\r\n\r\n");
  dir.Write("other.txt", "h\r\n14/06/2003\r\n");
  FormatState formats = DayMonthYearLocale();
  ConvertFileDates(dir.path(), "bch", formats, false, 2026);
  EXPECT_EQ(ReadLines(dir / "b1.bch"),
            (std::vector<std::string>{"14/06/2003,Temp,Feed", "2003-06-14,21.5,3", "2003-06-15,22,4", "not a date,1", ""}));
  EXPECT_EQ(test::Slurp(dir / "other.txt"), "h\r\n14/06/2003\r\n");
  EXPECT_TRUE(formats.FixedInForce());
}

TEST(ConvertFileDates, IsoFormattingKeepsLocaleOutOfReach) {
  test::TempDir dir;
  dir.Write("b1.bch", "head\r\n14/06/2003,1\r\n");
  FormatState formats = DayMonthYearLocale();
  ConvertFileDates(dir.path(), "bch", formats, true, 2026);
  EXPECT_EQ(ReadLines(dir / "b1.bch")[1], "14/06/2003,1");
}

}  // namespace
}  // namespace sm
