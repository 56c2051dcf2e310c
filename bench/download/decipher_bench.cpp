// Deciphering speed on a 50 MB file: the program's file path (read,
// decipher, write atomically with fsync), the same in memory, and
// `openssl enc -d` on the same ciphertext. Prints MB/s and the ratios.
//   download_bench [--benchmark_repetitions=N]
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "core/files.h"
#include "download/crypt.h"

namespace {

constexpr size_t kFileBytes = 50u * 1000u * 1000u;
constexpr double kMegabytes = kFileBytes / 1e6;

struct Files {
  std::string folder, enciphered, ciphertext_only, plain_out, rc2_key_hex;

  Files() {
    std::string pattern = (std::filesystem::temp_directory_path() / "smbench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    folder = pattern;
    enciphered = folder + "/data.enc";
    ciphertext_only = folder + "/data.rc2";
    plain_out = folder + "/data.plain";
    std::string plain(kFileBytes, '\0');
    std::mt19937_64 random(20240310);
    for (size_t i = 0; i + 8 <= plain.size(); i += 8) {
      const uint64_t v = random();
      std::memcpy(plain.data() + i, &v, 8);
    }
    const sm::TCrypt crypt(sm::kAccessListKey);
    const std::string bytes = crypt.EncryptBytes(plain);
    sm::WriteFileAtomically(enciphered, bytes);
    sm::WriteFileAtomically(ciphertext_only, std::string_view(bytes).substr(0, bytes.size() - sm::kCryptTrailerSize));
    // The same 16-byte RC2 key for openssl (it cannot set 40 effective key
    // bits, which changes the key schedule only, not the work per byte).
    sm::CipherLibrary library;
    const sm::Md5Digest d = sm::Md5(library, sm::kAccessListKey);
    char hex[3];
    for (int i = 0; i < 16; ++i) {
      std::snprintf(hex, sizeof hex, "%02x", i < 5 ? d[i] : 0);
      rc2_key_hex += hex;
    }
  }
  ~Files() { std::filesystem::remove_all(folder); }
};

Files& TheFiles() {
  static Files files;
  return files;
}

void BM_DecryptFile(benchmark::State& state) {
  Files& f = TheFiles();
  for (auto _ : state) sm::TCrypt(sm::kAccessListKey).DecryptFile(f.enciphered, f.plain_out);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}
BENCHMARK(BM_DecryptFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecryptInMemory(benchmark::State& state) {
  Files& f = TheFiles();
  const std::string bytes = sm::ReadFileBytes(f.enciphered);
  for (auto _ : state) {
    std::string plain = sm::TCrypt(sm::kAccessListKey).DecryptBytes(bytes);
    benchmark::DoNotOptimize(plain.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}
BENCHMARK(BM_DecryptInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpensslEncDecipher(benchmark::State& state) {
  Files& f = TheFiles();
  const std::string command = "openssl enc -d -rc2-cbc -provider legacy -provider default -nopad -K " + f.rc2_key_hex +
                              " -iv 0000000000000000 -in " + f.ciphertext_only + " -out " + f.plain_out;
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("openssl enc failed");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}
BENCHMARK(BM_OpensslEncDecipher)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every file and access record gets its own TCrypt, which loads the
// cipher providers into a fresh library context.
void BM_CreateTCrypt(benchmark::State& state) {
  for (auto _ : state) {
    sm::TCrypt crypt(sm::kAccessListKey);
    benchmark::DoNotOptimize(&crypt);
  }
}
BENCHMARK(BM_CreateTCrypt)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per run for the closing comparison.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> seconds;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      // The mean of repetitions when there are some (it comes last), else
      // the run itself.
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "mean")
        seconds[r.run_name.function_name] = r.GetAdjustedRealTime() / 1000.0;
      else if (r.run_type == Run::RT_Iteration)
        seconds[r.run_name.function_name] = r.real_accumulated_time / static_cast<double>(r.iterations);
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto& s = reporter.seconds;
  for (const auto& [name, secs] : s)
    if (name != "BM_CreateTCrypt") std::printf("%-24s %8.1f MB/s\n", name.c_str(), kMegabytes / secs);
  if (s.count("BM_OpensslEncDecipher")) {
    const double openssl = s.at("BM_OpensslEncDecipher");
    for (const char* name : {"BM_DecryptFile", "BM_DecryptInMemory"})
      if (s.count(name)) std::printf("%s / openssl enc -d speed ratio: %.2f\n", name, openssl / s.at(name));
  }
  benchmark::Shutdown();
  return 0;
}
