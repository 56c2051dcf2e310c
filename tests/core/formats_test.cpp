#include <gtest/gtest.h>

#include "core/formats.h"

namespace sm {
namespace {

FormatSettings DayMonthYear() {
  FormatSettings fs;
  fs.short_date = "dd/mm/yyyy";
  fs.date_separator = '/';
  fs.short_time = "hh:mm";
  fs.long_time = "hh:mm:ss";
  fs.decimal_separator = ',';
  return fs;
}

TEST(Formats, FormatDateTimeTokens) {
  TDateTime t = EncodeDateTime(2003, 6, 4, 7, 5, 9);
  const FormatSettings fixed = FixedFormats();
  struct Case {
    const char* format;
    const char* text;
  } cases[] = {
      {"yyyy-mm-dd", "2003-06-04"},
      {"hh:mm", "07:05"},
      {"hh:mm:ss", "07:05:09"},
      {"d/m/yy", "4-6-03"},
      {"yyyy-mm-dd hh:nn", "2003-06-04 07:05"},
      {"h:nn am/pm", "7:05 am"},
      {"'at' hh", "at 07"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, t, fixed), c.text) << c.format;
  EXPECT_EQ(DateToStr(t, DayMonthYear()), "04/06/2003");
  EXPECT_EQ(FormatDateTime("h:nn ampm", EncodeTime(0, 30, 0), fixed), "12:30 AM");
}

TEST(Formats, ParseDatesInTheSetsOrder) {
  const FormatSettings dmy = DayMonthYear();
  EXPECT_EQ(TryStrToDate("14/06/2003", dmy), EncodeDate(2003, 6, 14));
  EXPECT_EQ(TryStrToDate("14/6/03", dmy), EncodeDate(2003, 6, 14));
  EXPECT_EQ(TryStrToDate("2003-06-14", FixedFormats()), EncodeDate(2003, 6, 14));
  EXPECT_EQ(TryStrToDate("14/06", dmy, 2010), EncodeDate(2010, 6, 14));
  for (const char* bad : {"14/06/2003", "2003-13-01", "2003-02-30", "", "2003--01", "x2003-01-01", "2003-01-01x"})
    EXPECT_FALSE(TryStrToDate(bad, FixedFormats())) << bad;
  EXPECT_EQ(TryStrToDateTime("2003-06-14 12:30", FixedFormats()), EncodeDateTime(2003, 6, 14, 12, 30, 0));
  EXPECT_EQ(TryStrToTime("1:05 pm", FixedFormats()), EncodeTime(13, 5, 0));
  EXPECT_FALSE(TryStrToTime("24:00", FixedFormats()));
}

TEST(Formats, StrftimeTranslation) {
  EXPECT_EQ(FormatFromStrftime("%d/%m/%Y"), "dd/mm/yyyy");
  EXPECT_EQ(FormatFromStrftime("%m/%d/%y"), "mm/dd/yy");
  EXPECT_EQ(FormatFromStrftime("%H:%M:%S"), "hh:nn:ss");
  EXPECT_EQ(FormatFromStrftime("%r"), "hh:nn:ss am/pm");
}

TEST(Formats, SwitchBetweenFixedAndLocale) {
  FormatState state;
  state.InitFormats(DayMonthYear());
  EXPECT_EQ(state.Current(), DayMonthYear());
  EXPECT_EQ(state.FileFormats(), FixedFormats());

  state.UseFixedFormats();
  EXPECT_TRUE(state.FixedInForce());
  EXPECT_EQ(state.Current(), FixedFormats());
  state.UseFixedFormats();  // a second call must not overwrite the saved set
  state.RestoreLocaleFormats(false, false);
  EXPECT_EQ(state.Current(), DayMonthYear());

  // With ISOFormatting the user keeps the fixed formats; only a forced
  // restore (shut-down) brings the locale's back.
  state.UseFixedFormats();
  state.RestoreLocaleFormats(false, true);
  EXPECT_EQ(state.Current(), FixedFormats());
  state.RestoreLocaleFormats(true, true);
  EXPECT_EQ(state.Current(), DayMonthYear());
  EXPECT_FALSE(state.FixedInForce());
}

TEST(Formats, PlainCLocalesGiveTheFixedSet) {
  for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
    setenv("LC_ALL", name, 1);
    EXPECT_EQ(FormatsFromEnvironmentLocale(), FixedFormats()) << name;
  }
  unsetenv("LC_ALL");
}

}  // namespace
}  // namespace sm
