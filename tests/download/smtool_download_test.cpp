// smtool's cipher, scrambler and transfer commands, run as a user runs them.
#include <gtest/gtest.h>

#include "core/files.h"
#include "core/ini_reg.h"
#include "download/crypt.h"
#include "download/name_scrambler.h"
#include "loopback_server.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace sm {
namespace {

class SmtoolDownloadTest : public ::testing::Test {
 protected:
  SmtoolDownloadTest() {
    // One attempt per fetch keeps the failing cases short.
    TIniReg(home / "registry.ini", "Settings").WriteInteger("HTTPGetRetries", 0);
  }
  test::ToolResult Run(const std::vector<std::string>& args) {
    // Never a proxy between the tool and the loopback server.
    std::vector<std::string> env = test::PrivateHomeEnvironment(home.path());
    env.push_back("http_proxy=http://127.0.0.1:9");
    return test::RunProgram(SMTOOL_PATH, args, env);
  }
  test::TempDir home;
};

TEST_F(SmtoolDownloadTest, EncryptAndDecryptWithKeyWords) {
  const std::string plain = home.Write("grelm.txt", "GRELM\r\nhost,/grelm,1\r\n");
  auto enc = Run({"encrypt", plain, home / "grelm.dat", "--key", "access"});
  ASSERT_EQ(enc.exit_code, 0) << enc.err;
  EXPECT_EQ(test::Slurp(home / "grelm.dat"), TCrypt(kAccessListKey).EncryptBytes(test::Slurp(plain)));
  auto dec = Run({"decrypt", home / "grelm.dat", home / "back.txt", "--key", "access"});
  ASSERT_EQ(dec.exit_code, 0) << dec.err;
  EXPECT_EQ(test::Slurp(home / "back.txt"), test::Slurp(plain));

  // Any other text is the key itself.
  ASSERT_EQ(Run({"encrypt", plain, home / "site.enc", "--key=farm key"}).exit_code, 0);
  EXPECT_EQ(TCrypt("farm key").DecryptToStream(home / "site.enc", false), test::Slurp(plain));
  ASSERT_EQ(Run({"encrypt", plain, home / "prov.enc", "--key", "provisioning"}).exit_code, 0);
  EXPECT_EQ(TCrypt(kProvisioningKey).DecryptToStream(home / "prov.enc", false), test::Slurp(plain));
}

TEST_F(SmtoolDownloadTest, DecryptRefusesABrokenFileAndWritesNothing) {
  const std::string broken = home.Write("broken.enc", std::string(16, 'x') + std::string("\xff\0\0\0", 4));
  auto r = Run({"decrypt", broken, home / "out", "--key", "access"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "smtool: Crypt error: plain length 255 is beyond the 16 enciphered bytes\n");
  EXPECT_FALSE(FileExists(home / "out"));
  EXPECT_EQ(Run({"decrypt", broken, home / "out"}).exit_code, 2);  // no key
  EXPECT_EQ(Run({"decrypt", broken, "--key", "k"}).exit_code, 2);
}

TEST_F(SmtoolDownloadTest, ScrambleAndUnscramble) {
  EXPECT_EQ(Run({"scramble", "Acc.Dat"}).out, "tee.fts\n");
  EXPECT_EQ(Run({"unscramble", "tee.fts"}).out, "acc.dat\n");
  EXPECT_EQ(Run({"scramble", "My File"}).out, "My File\n");
  EXPECT_EQ(Run({"scramble"}).exit_code, 2);
}

TEST_F(SmtoolDownloadTest, ListAndGetAgainstALoopbackServer) {
  test::LoopbackServer server;
  server.server().Get("/grelm/data/", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(
        "<a href=\"/grelm/\">Parent</a><br>"
        "<a href=\"sub/\">sub</a> 15-Jan-2004 15:41 -<br>"
        "<a href=\"a b.smd\">a b.smd</a> 16-Jan-2004 09:05 12K<br>"
        "<a href=\"../\">..</a><br>",
        "text/html");
  });
  server.server().Get("/grelm/data/x.smd", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("payload", "application/octet-stream");
  });
  server.Start();
  auto list = Run({"list", server.Url() + "/grelm/data"});
  ASSERT_EQ(list.exit_code, 0) << list.err;
  EXPECT_EQ(list.out,
            "name,dir,size,time\n"
            "sub,true,0,\"2004-01-15 15:41\"\n"
            "\"a b.smd\",false,12000,\"2004-01-16 09:05\"\n");
  EXPECT_EQ(list.err, "smtool: 1 link(s) skipped: not a plain file name\n");

  auto get = Run({"get", server.Url() + "/grelm/data/x.smd", home / "x.smd"});
  ASSERT_EQ(get.exit_code, 0) << get.err;
  EXPECT_EQ(test::Slurp(home / "x.smd"), "payload");

  auto missing = Run({"get", server.Url() + "/grelm/data/none.smd", home / "none.smd"});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.err, "smtool: Http: Server Error: HTTPGet Error 404: Not Found\n");
  EXPECT_FALSE(FileExists(home / "none.smd"));
}

}  // namespace
}  // namespace sm
