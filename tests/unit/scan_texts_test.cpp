#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/map_text_source.h"
#include "scan/kept_texts.h"
#include "scan/scan_area.h"

namespace {

std::string Id(int number) { return "HIVECARE_REGCLEANER_STRING_" + std::to_string(number); }

TEST(KeptTexts, LoadsInTheWindowsOrder) {
  fakes::MapTextSource texts;
  for (int number = 0; number <= 400; ++number) texts.Set(Id(number), "text " + std::to_string(number));
  const scan::KeptTexts kept = scan::KeptTexts::Load(texts);

  std::vector<std::string> order;
  for (int number = 3; number <= 15; ++number) order.push_back(Id(number));
  for (int number : {93, 305, 18, 19, 20, 21, 22, 23, 24}) order.push_back(Id(number));
  EXPECT_EQ(texts.requested(), order);

  EXPECT_EQ(kept.reason[0], "text 3");
  EXPECT_EQ(kept.reason[12], "text 15");
  EXPECT_EQ(kept.reason[13], "");
  EXPECT_EQ(kept.reason[60], "");
  EXPECT_EQ(kept.stop_caption, "text 93");
  EXPECT_EQ(kept.idle_caption, "text 305");
  EXPECT_EQ(kept.no_area, "text 18");
  EXPECT_EQ(kept.panel1_prefix, "text 19");
  EXPECT_EQ(kept.count_suffix, "text 20");
  EXPECT_EQ(kept.panel2_prefix, "text 21");
  EXPECT_EQ(kept.scan_done_link, "text 22");
  EXPECT_EQ(kept.edit_question, "text 23");
  EXPECT_EQ(kept.delete_question, "text 24");
}

TEST(ScanAreas, TheCatalogueInListOrder) {
  fakes::MapTextSource texts;
  const char* descriptions[] = {
      "Stores information about currently loged-in user;",
      "Stores information about all users;",
      "Stores globle information about the computer;",
      "Find orphaned references to shared system .dll files;",
      "Find invalid references to virtual device drivers;",
      "Find invalid font references;",
      "Find invalid file association links;",
      "Find invalid Typelib/CLSID/Interface",
  };
  for (int i = 0; i < 8; ++i) texts.Set(Id(98 + i), descriptions[i]);

  const std::vector<scan::ScanArea> areas = scan::DefaultScanAreas(texts);
  const std::vector<std::pair<std::string, std::string>> catalogue = {
      {"HKCU", "HKEY_CURRENT_USER"},
      {"HKU", "HKEY_USERS"},
      {"HKLM", "HKEY_LOCAL_MACHINE"},
      {"DLL", "Invalid Shared Dll's"},
      {"VDD", "Vitual Device Derives"},
      {"FONT", "Bad Font References"},
      {"IFA", "Invalid File Associations"},
      {"COM", "ActiveX and COM"},
  };
  ASSERT_EQ(areas.size(), catalogue.size());
  for (std::size_t i = 0; i < areas.size(); ++i) {
    EXPECT_EQ(areas[i].code, catalogue[i].first);
    EXPECT_EQ(areas[i].name, catalogue[i].second);
    EXPECT_TRUE(areas[i].checked);
  }
  EXPECT_EQ(areas[0].description, "Stores information about currently loged-in user");
  EXPECT_EQ(areas[7].description, "Find invalid Typelib/CLSID/Interface");
}

TEST(ScanAreas, AllEightWithoutTexts) {
  fakes::MapTextSource texts;
  const std::vector<scan::ScanArea> areas = scan::DefaultScanAreas(texts);
  ASSERT_EQ(areas.size(), 8u);
  EXPECT_EQ(areas[7].code, "COM");
  EXPECT_EQ(areas[7].description, "");
}

}  // namespace
