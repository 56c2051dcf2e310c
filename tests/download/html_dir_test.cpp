#include <gtest/gtest.h>

#include <stdexcept>

#include "core/datetime.h"
#include "download/html_dir.h"
#include "download/listing_stamp.h"

namespace sm {
namespace {

const TDateTime kToday = EncodeDateTime(2024, 3, 10, 14, 30, 0);

// A listing in the style that puts the name first, one line per entry in a
// preformatted block.
const char kNameFirstPage[] =
    "<html><head><title>Index of /grelm/data</title></head><body>\n"
    "<pre><a href=\"?C=N;O=D\">Name</a> <a href=\"?C=M;O=A\">Last modified</a> <a href=\"?C=S;O=A\">Size</a>\n"
    "<hr><a href=\"/grelm/\">Parent Directory</a>                             -\n"
    "<a href=\"sub/\">sub/</a>                    15-Jan-2004 15:41    -\n"
    "<a href=\"a.smd\">a.smd</a>                   15-Jan-2004 15:41   12K\n"
    "<a href=\"my%20file.smd\">my file.smd</a>     02-Feb-2005 09:05  1.5M\n"
    "<a href=\"nodate.csv\">nodate.csv</a>\n"
    "</pre><img src=\"/cgi-bin/Count.cgi?df=grelm\"><img src=\"logo.gif\"></body></html>\n";

// A listing in the style that puts the date first and ends lines with <br>.
const char kDateFirstPage[] =
    "<html><body><H1>server - /grelm/</H1><hr>\n"
    "<pre><A HREF=\"/\">[To Parent Directory]</A><br><br>"
    " 15/01/04  9:05       &lt;dir&gt; <A HREF=\"/grelm/a/\">a</A><br>"
    " 16/01/04 10:00        1234 <A HREF=\"http://host/grelm/p/q.smd\">q.smd</A><br>"
    " 01/02/95 10:00 <A HREF=\"/grelm/old.ste\">old.ste</A><br>"
    "</pre><hr></body></html>";

TEST(THTMLDirTest, NameFirstListing) {
  THTMLDir dir;
  ASSERT_EQ(dir.ParseStream(kNameFirstPage, kToday), 4);
  EXPECT_EQ(dir[0].Name, "sub");
  EXPECT_TRUE(dir[0].IsDirectory);
  EXPECT_EQ(dir[1].Name, "a.smd");
  EXPECT_FALSE(dir[1].IsDirectory);
  EXPECT_EQ(dir[1].Modified, EncodeDateTime(2004, 1, 15, 15, 41, 0));
  EXPECT_EQ(dir[1].Size, 12000);
  EXPECT_EQ(dir[2].Name, "my%20file.smd");  // not URL-decoded
  EXPECT_EQ(dir[2].Modified, EncodeDateTime(2005, 2, 2, 9, 5, 0));
  EXPECT_EQ(dir[2].Size, 1500000);
  // No date on its line: today at midnight, size 0 (not the stamp of the
  // line before, although no line break tag separates them).
  EXPECT_EQ(dir[3].Name, "nodate.csv");
  EXPECT_EQ(dir[3].Modified, EncodeDate(2024, 3, 10));
  EXPECT_EQ(dir[3].Size, 0);
  EXPECT_EQ(dir.CgiSources, std::vector<std::string>{"/cgi-bin/Count.cgi?df=grelm"});
  EXPECT_EQ(dir.BadEntries(), 0);
}

TEST(THTMLDirTest, DateFirstListingWithLineBreaks) {
  THTMLDir dir;
  ASSERT_EQ(dir.ParseStream(kDateFirstPage, kToday), 3);
  EXPECT_EQ(dir[0].Name, "a");
  EXPECT_TRUE(dir[0].IsDirectory);
  EXPECT_EQ(dir[0].Modified, EncodeDateTime(2004, 1, 15, 9, 5, 0));
  EXPECT_EQ(dir[0].Size, 0);  // "<dir>" is no number
  EXPECT_EQ(dir[1].Name, "q.smd");
  EXPECT_EQ(dir[1].Size, 1234);
  EXPECT_EQ(dir[1].Modified, EncodeDateTime(2004, 1, 16, 10, 0, 0));
  EXPECT_EQ(dir[2].Name, "old.ste");
  EXPECT_EQ(dir[2].Modified, EncodeDateTime(1995, 2, 1, 10, 0, 0));
}

TEST(THTMLDirTest, LinksBeforeTheParentLinkMakeNoEntries) {
  THTMLDir dir;
  EXPECT_EQ(dir.ParseStream("<a href=\"x.smd\">x</a><a href=\"y/\">y</a>", kToday), 0);
  EXPECT_EQ(dir.ParseStream("<a href=\"x.smd\">x</a><a href=\"/up/\">up</a><a href=\"z.smd\">z</a>", kToday), 1);
  EXPECT_EQ(dir[0].Name, "z.smd");
  // Every HREF counts, not only those of anchors.
  EXPECT_EQ(dir.ParseStream("<a href=\"/\"><link href=\"style.css\">", kToday), 1);
  EXPECT_EQ(dir[0].Name, "style.css");
}

TEST(THTMLDirTest, NamesThatAreNoPlainFileNamesAreRejected) {
  THTMLDir dir;
  const char page[] =
      "<a href=\"/\">up</a>\n"
      "<a href=\"good.smd\">good</a> 15-Jan-2004 15:41 1K\n"
      "<a href=\"../\">..</a> 16-Jan-2004 16:00 9K\n"
      "<a href=\"./\">.</a><a href=\"/\"></a><a href=\"\"></a><a href=\"a\\b.smd\"></a>\n"
      "<a href=\"x&#0;y\">nul in raw text stays harmless</a>\n";
  ASSERT_EQ(dir.ParseStream(page, kToday), 2);
  EXPECT_EQ(dir[0].Name, "good.smd");
  // The date beside ".." does not land on the entry before it.
  EXPECT_EQ(dir[0].Modified, EncodeDateTime(2004, 1, 15, 15, 41, 0));
  EXPECT_EQ(dir[0].Size, 1000);
  EXPECT_EQ(dir[1].Name, "x&#0;y");  // parameters are not decoded
  EXPECT_EQ(dir[1].Modified, EncodeDate(2024, 3, 10));
  EXPECT_EQ(dir.BadEntries(), 5);

  std::string with_nul = "<a href=\"/\"></a><a href=\"a";
  with_nul += '\0';
  with_nul += "b\"></a>";
  EXPECT_EQ(dir.ParseStream(with_nul, kToday), 0);
  EXPECT_EQ(dir.BadEntries(), 1);
}

TEST(THTMLDirTest, OversizedSizeRaisesAndKeepsTheListing) {
  THTMLDir dir;
  ASSERT_EQ(dir.ParseStream(kNameFirstPage, kToday), 4);
  EXPECT_THROW(dir.ParseStream("<a href=\"/\"></a><a href=\"x\"></a> 15-Jan-2004 15:41 2148M", kToday),
               std::overflow_error);
  EXPECT_EQ(dir.Count(), 4);
  EXPECT_EQ(dir.ParseStream("<a href=\"/\"></a><a href=\"x\"></a> 15-Jan-2004 15:41 2147483647", kToday), 1);
  EXPECT_EQ(dir[0].Size, 2147483647);
}

TEST(ListedStampTest, DatesTimesAndSizes) {
  struct Case {
    const char* text;
    bool found;
    TDateTime modified;
    int64_t size;
  };
  const Case cases[] = {
      {"15-JAN-2004 15:41 12K", true, EncodeDateTime(2004, 1, 15, 15, 41, 0), 12000},
      {"  15/01/04 09:05   1234", true, EncodeDateTime(2004, 1, 15, 9, 5, 0), 1234},
      {"01/02/95 10:00", true, EncodeDateTime(1995, 2, 1, 10, 0, 0), 0},
      {"1-JANUARY-90 0:00 1.5K", true, EncodeDateTime(2090, 1, 1, 0, 0, 0), 1500},
      {"29-FEB-2004\t23:59\t12.5", true, EncodeDateTime(2004, 2, 29, 23, 59, 0), 125},
      {"3-MAR-2004 1:02 1.25M", true, EncodeDateTime(2004, 3, 3, 1, 2, 0), 1250000},
      {"3-MAR-2004 1:02 --7", true, EncodeDateTime(2004, 3, 3, 1, 2, 0), 7},
      {"3-MAR-2004 1:02 -7K", true, EncodeDateTime(2004, 3, 3, 1, 2, 0), -7000},
      {"3-MAR-2004 1:02 K", true, EncodeDateTime(2004, 3, 3, 1, 2, 0), 0},
      {"15/13/2004 10:00", false, 0, 0},
      {"29-FEB-2005 10:00", false, 0, 0},
      {"15-JAN-2004", false, 0, 0},
      {"15-JAN-2004 24:00", false, 0, 0},
      {"15-JAN-2004 10:60", false, 0, 0},
      {"15-JAN-200410:00", false, 0, 0},
      {"15-XYZ-2004 10:00", false, 0, 0},
      {"15.5/01/2004 10:00", false, 0, 0},
      {"99999999999999/1/2004 10:00", false, 0, 0},
      {"A 15/01/04 09:05", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const Case& c : cases) {
    auto stamp = ReadListedStamp(c.text);
    ASSERT_EQ(stamp.has_value(), c.found) << c.text;
    if (!stamp) continue;
    EXPECT_EQ(stamp->modified, c.modified) << c.text;
    EXPECT_EQ(stamp->size, c.size) << c.text;
  }
  EXPECT_THROW(ReadListedStamp("1/1/2000 1:00 99999999999999999999999"), std::overflow_error);
  EXPECT_THROW(ReadListedStamp("1/1/2000 1:00 3000M"), std::overflow_error);
  EXPECT_EQ(ReadListedStamp("1/1/2000 1:00 0000000000000000000001K")->size, 1000);
}

}  // namespace
}  // namespace sm
