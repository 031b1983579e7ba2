#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/registry_settings.h"
#include "fakes/scan_fixture.h"
#include "platform/memory_registry.h"
#include "repair/preferences.h"
#include "scan/scan_area.h"

namespace {

using platform::kCurrentUser;
using namespace std::string_literals;

constexpr char kKey[] = "Software\\SuiteTest\\Settings";

class SettingsTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

  // Type and data of a value of the settings key; nullopt when missing.
  std::optional<std::pair<std::uint32_t, std::string>> Stored(const std::string& name) {
    platform::KeyHandle key = 0;
    if (registry.Open(kCurrentUser, common::kSettingsKey, platform::kKeyRead, &key)) {
      return std::nullopt;
    }
    std::uint32_t type = 0;
    std::string data;
    const long status = registry.QueryValue(key, name, &type, &data);
    registry.Close(key);
    if (status != platform::kOk) return std::nullopt;
    return std::make_pair(type, data);
  }

  platform::MemoryRegistry registry;
};

TEST_F(SettingsTest, GetRegStringReadsOnlyText) {
  registry.SetString(kCurrentUser, kKey, "plain", "abc");
  registry.SetString(kCurrentUser, kKey, "blanks", "1  ");
  registry.SetString(kCurrentUser, kKey, "nul", "a\0b"s);
  registry.SetString(kCurrentUser, kKey, "empty", "");
  registry.SetString(kCurrentUser, kKey, "expand", "%x%", platform::kRegExpandSz);
  registry.SetDword(kCurrentUser, kKey, "dword", 1);
  const std::pair<const char*, const char*> cases[] = {
      {"plain", "abc"}, {"blanks", "1  "}, {"nul", "a"},         {"empty", ""},
      {"expand", "def"}, {"dword", "def"}, {"missing", "def"},
  };
  for (const auto& [name, expected] : cases) {
    EXPECT_EQ(common::GetRegString(registry, kCurrentUser, kKey, name, "def"), expected) << name;
  }
  EXPECT_EQ(common::GetRegString(registry, kCurrentUser, "Software\\SuiteTest\\None", "plain",
                                 "def"),
            "def");
}

TEST_F(SettingsTest, SaveRegStringCreatesTheKeyAndWritesExactlyTheText) {
  common::SaveRegString(registry, kCurrentUser, common::kSettingsKey, "v", "1  ");
  EXPECT_EQ(Stored("v"), std::make_pair(std::uint32_t{platform::kRegSz}, "1  "s));
  common::SaveRegString(registry, kCurrentUser, common::kSettingsKey, "v", "");
  EXPECT_EQ(Stored("v"), std::make_pair(std::uint32_t{platform::kRegSz}, ""s));
  // A key that cannot be made is no error.
  common::SaveRegString(registry, 0, "x", "v", "1");
}

TEST_F(SettingsTest, SkipCdLanOnlyAStoredOneChecks) {
  const std::uint32_t sz = platform::kRegSz;
  const struct {
    const char* name;
    std::optional<std::string> stored;  // REG_SZ text; nullopt: nothing stored
    bool dword;
    bool checked;
    std::string after;
  } cases[] = {
      {"zero", "0", false, false, "0"},  {"one", "1", false, true, "1"},
      {"one, blanks", "1  ", false, true, "1  "},  // nothing written
      {"two", "2", false, false, "0"},   {"word", "abc", false, false, "0"},
      {"dword", std::nullopt, true, false, "0"},
      {"missing", std::nullopt, false, false, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform::MemoryRegistry fresh;
    if (c.stored) fresh.SetString(kCurrentUser, common::kSettingsKey, "chkSkipCDLan", *c.stored);
    if (c.dword) fresh.SetDword(kCurrentUser, common::kSettingsKey, "chkSkipCDLan", 1);
    EXPECT_EQ(repair::LoadSkipCdLan(fresh), c.checked);
    EXPECT_EQ(common::GetRegString(fresh, kCurrentUser, common::kSettingsKey, "chkSkipCDLan",
                                   "(none)"),
              c.after);
  }
  repair::SaveSkipCdLan(registry, true);
  EXPECT_EQ(Stored("chkSkipCDLan"), std::make_pair(sz, "1"s));
  repair::SaveSkipCdLan(registry, false);
  EXPECT_EQ(Stored("chkSkipCDLan"), std::make_pair(sz, "0"s));
}

std::string States(const std::vector<scan::ScanArea>& areas) {
  std::string states;
  for (const scan::ScanArea& area : areas) states += area.checked ? '1' : '0';
  return states;
}

TEST_F(SettingsTest, LoadLocationsAlwaysGivesEightAreas) {
  fakes::MapTextSource texts = fakes::EnglishTexts();
  const std::pair<std::optional<std::string>, const char*> cases[] = {
      {std::nullopt, "11111111"},
      {"1;0;1;1;1;1;1;0", "10111110"},
      {"1;1;1;1;1;0;1;1  ", "11111011"},  // trailing blanks as stored
      {"0;0", "00111111"},                 // missing pieces stay checked
      {"x;2; 0 ;;1;0;1;1;1", "10011011"},  // unreadable pieces stay checked
      {"", "11111111"},
  };
  for (const auto& [stored, expected] : cases) {
    platform::MemoryRegistry fresh;
    if (stored) fresh.SetString(kCurrentUser, common::kSettingsKey, "LocState", *stored);
    const std::vector<scan::ScanArea> areas = scan::LoadLocations(fresh, texts);
    EXPECT_EQ(States(areas), expected) << stored.value_or("(none)");
    EXPECT_EQ(areas[7].code, "COM");
  }
  registry.SetDword(kCurrentUser, common::kSettingsKey, "LocState", 0);
  EXPECT_EQ(States(scan::LoadLocations(registry, texts)), "11111111");
  EXPECT_EQ(Stored("Locations"), std::nullopt);  // loading writes nothing
}

TEST_F(SettingsTest, SaveFileTypesWritesThreeJoinedTexts) {
  fakes::MapTextSource texts;
  for (int id = 98; id <= 105; ++id) {
    texts.Set("HIVECARE_REGCLEANER_STRING_" + std::to_string(id),
              "D" + std::to_string(id) + (id < 105 ? ";" : ""));
  }
  std::vector<scan::ScanArea> areas = scan::LoadLocations(registry, texts);
  areas[5].checked = false;  // Bad Font References
  scan::SaveFileTypes(registry, areas);

  std::vector<std::string> written;
  platform::KeyHandle key = 0;
  ASSERT_EQ(registry.Open(kCurrentUser, common::kSettingsKey, platform::kKeyRead, &key), 0);
  platform::RegValue value;
  for (std::uint32_t i = 0; registry.EnumValue(key, i, &value) == platform::kOk; ++i) {
    EXPECT_EQ(value.type, platform::kRegSz);
    written.push_back(value.name + "=" + value.data);
  }
  registry.Close(key);
  EXPECT_EQ(written,
            (std::vector<std::string>{
                "Locations=HKEY_CURRENT_USER;HKEY_USERS;HKEY_LOCAL_MACHINE;Invalid Shared Dll's;"
                "Vitual Device Derives;Bad Font References;Invalid File Associations;"
                "ActiveX and COM",
                "LocDesc=D98;D99;D100;D101;D102;D103;D104;D105",
                "LocState=1;1;1;1;1;0;1;1",
            }));
  EXPECT_EQ(States(scan::LoadLocations(registry, texts)), "11111011");

  scan::SaveFileTypes(registry, {});
  EXPECT_EQ(Stored("Locations")->second, "");
  EXPECT_EQ(Stored("LocDesc")->second, "");
  EXPECT_EQ(Stored("LocState")->second, "");
}

}  // namespace
