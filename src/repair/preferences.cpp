#include "repair/preferences.h"

#include "common/registry_settings.h"
#include "common/strings.h"

namespace repair {

namespace {
constexpr char kSkipCdLan[] = "chkSkipCDLan";
}  // namespace

bool LoadSkipCdLan(platform::Registry& registry) {
  // Only "1" checks the box; anything else the system never writes counts as "0".
  const bool checked = common::Trim(common::GetRegString(registry, platform::kCurrentUser,
                                                         common::kSettingsKey, kSkipCdLan, "0")) ==
                       "1";
  if (!checked) SaveSkipCdLan(registry, false);
  return checked;
}

void SaveSkipCdLan(platform::Registry& registry, bool checked) {
  common::SaveRegString(registry, platform::kCurrentUser, common::kSettingsKey, kSkipCdLan,
                        checked ? "1" : "0");
}

}  // namespace repair
