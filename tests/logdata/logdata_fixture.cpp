#include "logdata_fixture.h"

#include "core/datetime.h"
#include "core/files.h"
#include "logdata/data_writer.h"

namespace sm::test {

DataRecords Records(std::vector<int64_t> times, const std::vector<Column>& columns) {
  DataRecords r;
  r.times = std::move(times);
  for (const Column& c : columns) {
    DataColumn d{c.id, {}, {}};
    for (double v : c.values) {
      d.values.push_back(std::isnan(v) ? 0.0 : v);
      d.present.push_back(std::isnan(v) ? 0 : 1);
    }
    r.columns.push_back(std::move(d));
  }
  return r;
}

int64_t Utc(int year, int month, int day, int hour, int minute, int second) {
  return (DayNumber(year, month, day) - 25569) * 86400 + hour * 3600 + minute * 60 + second;
}

std::vector<std::string> SiteFolder::WriteDay(const DataRecords& day) const {
  std::vector<std::string> names;
  for (const NamedFile& f : PackDay(proc_id, day)) {
    WriteFileAtomically(path + f.name, f.bytes);
    names.push_back(f.name);
  }
  return names;
}

void SiteFolder::WriteFile(const std::string& name, const std::string& bytes) const {
  WriteFileAtomically(path + name, bytes);
}

SiteFolder MakeSite(const TempDir& dir, const std::string& name, const SiteDescription& site,
                    const std::string& extra_site_ini) {
  SiteFolder f{dir / name + "/", name};
  CreateDirectories(f.path);
  WriteFileAtomically(f.path + "site.ini", "[Site]\r\nProcID=" + name + "\r\n" + extra_site_ini);
  WriteFileAtomically(f.path + name + ".ste", FormatSiteDescription(site));
  return f;
}

SiteDescription Describe(std::vector<SeriesDescription> series, double utc_offset_hours) {
  return SiteDescription{"test logger", utc_offset_hours, std::move(series)};
}

TestContext::TestContext() {
  Environment env;
  env.registry_path = dir / "registry.ini";
  env.data_home = dir / "share";
  env.temp_folder = dir.path();
  ctx = std::make_unique<AppContext>(ui, clock, env);
  ctx->error_log = std::make_unique<TErrorLog>(dir / "SMErrLog.txt", [] { return TErrorLog::Location{}; });
}

TestContext::~TestContext() = default;

std::vector<std::string> TestContext::Logged() const { return ctx->error_log->Lines(); }

}  // namespace sm::test
