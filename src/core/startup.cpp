#include "core/startup.h"

#include "core/files.h"
#include "core/text.h"
#include "core/version.h"

namespace sm {

void StartProgramState(AppContext& ctx, const FormatSettings& locale, ProgramRole role) {
  const bool window = role == ProgramRole::Window;
  ctx.folders.program = WithTrailingSlash(ctx.env.program_folder);
  ctx.folders.temp = WithTrailingSlash(ctx.env.temp_folder);
  if (window) {
    ctx.folders.desktop_data = EstablishDesktopDataFolder(ctx.env, ctx.ui);
    MoveDroppedFile(ctx.folders.desktop_data, "sminit.dat", ctx.folders.program);
  } else {
    ctx.folders.desktop_data = DesktopDataFolder(ctx.env);
  }

  ctx.settings = std::make_unique<TIniReg>(ctx.env.registry_path, "Settings");
  TIniReg& settings = *ctx.settings;
  ctx.startup = StartupSettings::Read(settings);

  ctx.folders.main_log_dir = EstablishMainLogDir(settings, ctx.ui, DefaultMainLogDir(ctx.env));
  if (window)
    ctx.error_log = std::make_unique<TErrorLog>(ctx.folders.main_log_dir + "SMErrLog.txt",
                                                [&ctx] { return ctx.log_location; });
  ctx.stored_status.Load(settings, ctx.Today());
  if (window && settings.ReadString("ProgDir", "") != ctx.folders.program)
    settings.WriteString("ProgDir", ctx.folders.program);

  ctx.formats.InitFormats(locale);
  ctx.formats.UseFixedFormats();

  std::string version = VersionInfoString("FileVersion");
  ctx.version_changed = settings.ReadString("Version", "") != version;
  if (window && ctx.version_changed) settings.WriteString("Version", version);

  if (window) MoveDroppedFile(ctx.folders.desktop_data, "smt.dat", ctx.folders.main_log_dir);
  std::string template_path = ctx.folders.main_log_dir + "smt.dat";
  if (FileExists(template_path)) ctx.global_template = std::make_unique<IniFile>(template_path);
  ctx.first_idle_check_pending = window;
}

void ShutdownProgramState(AppContext& ctx, const std::function<void()>& release_upper) {
  ctx.formats.RestoreLocaleFormats(true, ctx.startup.iso_formatting);
  ctx.http.reset();
  if (ctx.settings) {
    try {
      ctx.stored_status.Save(*ctx.settings);
    } catch (const std::exception& e) {
      ReportError(ctx, e.what(), 200);
    }
  }
  ctx.settings.reset();
  ctx.global_template.reset();
  if (release_upper) release_upper();
  if (ctx.error_log) {
    try {
      ctx.error_log->Close(ctx.clock.Now(), ctx.formats.LocaleFormats());
    } catch (const std::exception& e) {
      ctx.error_log.reset();
      ctx.ui.ShowPlainMessage(e.what());
    }
    ctx.error_log.reset();
  }
}

}  // namespace sm
