// logdata_make_site FOLDER [DAYS [SERIES [STEP]]]: writes a generated site
// for the benchmarks and the pandas comparison.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "site_generator.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: logdata_make_site FOLDER [DAYS [SERIES [STEP]]]\n");
    return 2;
  }
  sm::bench::GeneratedSite site;
  site.folder = argv[1];
  if (argc > 2) site.days = std::atoi(argv[2]);
  if (argc > 3) site.series = std::atoi(argv[3]);
  if (argc > 4) site.step_seconds = std::atoi(argv[4]);
  try {
    sm::bench::GenerateSite(site);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "logdata_make_site: %s\n", e.what());
    return 1;
  }
  return 0;
}
