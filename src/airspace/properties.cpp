#include "airspace/properties.h"

namespace sm {

PropertyValues ReadProperties(const TAirspace& airspace) {
  PropertyValues values;
  for (const std::string& name : airspace.scope.constant_names())
    values.emplace_back(name, airspace.site().site_ini.ReadString(airspace.name, name, "1"));
  return values;
}

void WriteProperties(TAirspace& airspace, const PropertyValues& values) {
  IniFile& ini = airspace.site().site_ini;
  for (const auto& [name, value] : values) ini.WriteString(airspace.name, name, value);
  ini.Save();
}

}  // namespace sm
