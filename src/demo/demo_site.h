// Generates the demonstration site: a farm simulated day by day, its
// records written through the logging library's writers, and the files
// that describe it (site.ini, the template smt.dat, smuser.ini, a lookup
// table, a model file and stored batches).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sm::demo {

constexpr int kMaxDemoDays = 3660;

struct DemoOptions {
  std::string main_dir;  // the Main Logging Directory; created when missing
  std::string site_name = "Demo1";
  int days = 120;        // 1 to kMaxDemoDays
  int64_t end_day = 0;   // whole day number of the last day
  uint64_t seed = 1;
  bool force = false;    // replace a site already in the folder
};

struct DemoResult {
  std::string site_folder;    // no trailing "/"
  std::string template_path;  // the smt.dat written
  bool template_in_site = false;  // the Main Logging Directory's own smt.dat was left alone
  int64_t first_day = 0, end_day = 0;
  size_t airspaces = 0, series = 0;
  size_t data_files = 0;
  uint64_t data_bytes = 0;
  std::vector<std::string> batch_files;  // names in the batches folder
  std::string model_file;                // name in the model folder
};

// Throws std::runtime_error for bad options, a folder already holding a
// site.ini (without force) and files that cannot be written. The same
// options give the same files, byte for byte.
DemoResult GenerateDemoSite(const DemoOptions& options);

}  // namespace sm::demo
