#include <gtest/gtest.h>

#include <string>

#include "platform/memory_registry.h"
#include "scan/registry_reader.h"

namespace {

using namespace std::string_literals;
using platform::MemoryRegistry;

constexpr const char* kKey = "Software\\SuiteTest";

class RegistryReaderTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

  // The values of kKey as EnumValueText gives them, in order.
  std::vector<scan::ValueText> EnumerateAll() {
    std::vector<scan::ValueText> values;
    const platform::KeyHandle key = reader.OpenRegKey(platform::kCurrentUser, kKey);
    const scan::KeyCounts counts = reader.QueryKeyCounts(key);
    for (std::uint32_t i = 0; i < counts.values; ++i) values.push_back(reader.EnumValueText(key, i));
    reader.CloseRegKey(key);
    return values;
  }

  MemoryRegistry registry;
  scan::RegistryReader reader{registry};
};

struct Rendering {
  std::uint32_t type;
  std::string data;
  const char* enumerated;  // EnumValueText
  const char* read;        // ReadValueText
};

TEST_F(RegistryReaderTest, RendersEveryType) {
  const Rendering cases[] = {
      {platform::kRegSz, "C:\\a.exe", "C:\\a.exe", "C:\\a.exe"},
      {platform::kRegSz, "C:\\a.exe\0junk"s, "C:\\a.exe", "C:\\a.exe"},
      {platform::kRegSz, "", "", ""},
      {platform::kRegExpandSz, "%SystemRoot%\\x.dll", "%SystemRoot%\\x.dll", "%SystemRoot%\\x.dll"},
      {platform::kRegMultiSz, "first\0second\0\0"s, "first", "first"},
      {platform::kRegDword, "\xFF\xFF\xFF\xFF", "-1", "-1"},
      {platform::kRegDword, "\x07\0\0\0"s, "7", "7"},
      {platform::kRegDword, "\x01\x02", "513", "513"},         // short data, zero-padded
      {platform::kRegDword, "\x01\x02\x03\x04\x05", "", ""},   // too long for 32 bits
      {platform::kRegBinary, "\x0A\x1F\x00\xFF"s, "", "0A 1F 00 FF"},
      {platform::kRegBinary, "", "", ""},
      {platform::kRegNone, "C:\\a.exe", "", ""},
      {11, "\x01\0\0\0\0\0\0\0"s, "", ""},  // REG_QWORD
  };
  for (const Rendering& c : cases) {
    registry.SetRaw(platform::kCurrentUser, kKey, "v", c.type, c.data);
    const std::vector<scan::ValueText> values = EnumerateAll();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "v");
    EXPECT_EQ(values[0].type, c.type);
    EXPECT_EQ(values[0].text, c.enumerated) << "type " << c.type;
    EXPECT_EQ(reader.ReadValueText(platform::kCurrentUser, kKey, "v"), c.read) << "type " << c.type;
  }
}

TEST_F(RegistryReaderTest, TrimmedValueNamesAreReadAgainByThatName) {
  registry.SetString(platform::kCurrentUser, kKey, " Alone ", "C:\\x.exe");
  registry.SetString(platform::kCurrentUser, kKey, " Tool ", "C:\\x.exe");
  registry.SetString(platform::kCurrentUser, kKey, "Tool", "C:\\y.exe");
  registry.SetString(platform::kCurrentUser, kKey, "Long ", "C:\\x.exe");
  registry.SetString(platform::kCurrentUser, kKey, "Long", "C:\\much\\longer.exe");
  registry.SetDword(platform::kCurrentUser, kKey, "Count ", 1);
  registry.SetDword(platform::kCurrentUser, kKey, "Count", 7);
  registry.SetString(platform::kCurrentUser, kKey, "Cut\0tail"s, "C:\\x.exe");

  const std::vector<scan::ValueText> values = EnumerateAll();
  ASSERT_EQ(values.size(), 8u);
  const std::pair<const char*, const char*> expected[] = {
      {"Alone", ""},           // no value of the trimmed name
      {"Tool", "C:\\y.exe"},   // the data of the value "Tool"
      {"Tool", "C:\\y.exe"},
      {"Long", ""},            // the other value's data does not fit
      {"Long", "C:\\much\\longer.exe"},
      {"Count", "7"},
      {"Count", "7"},
      {"Cut", ""},
  };
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(values[i].name, expected[i].first) << i;
    EXPECT_EQ(values[i].text, expected[i].second) << i;
  }
}

TEST_F(RegistryReaderTest, FailedReadsGiveNothing) {
  registry.AddKey(platform::kCurrentUser, kKey);
  const platform::KeyHandle key = reader.OpenRegKey(platform::kCurrentUser, kKey);
  ASSERT_NE(key, 0u);
  const scan::ValueText past_end = reader.EnumValueText(key, 0);
  EXPECT_EQ(past_end.type, 0u);
  EXPECT_EQ(past_end.name, "");
  EXPECT_EQ(reader.EnumSubKeyName(key, 0), "");
  reader.CloseRegKey(key);

  EXPECT_EQ(reader.OpenRegKey(platform::kCurrentUser, "Software\\Missing"), 0u);
  EXPECT_EQ(reader.QueryKeyCounts(0).values, 0u);
  EXPECT_EQ(reader.ReadValueText(platform::kCurrentUser, kKey, "missing"), "");
  EXPECT_EQ(reader.ReadValueText(platform::kCurrentUser, "Software\\Missing", ""), "");

  registry.SetString(platform::kCurrentUser, kKey, std::string(261, 'n'), "C:\\x.exe");
  EXPECT_EQ(EnumerateAll()[0].type, 0u) << "a name beyond 260 characters cannot be enumerated";
}

TEST_F(RegistryReaderTest, SubKeyNamesAreTrimmed) {
  registry.AddKey(platform::kCurrentUser, "Software\\SuiteTest\\ Spaced ");
  const platform::KeyHandle key = reader.OpenRegKey(platform::kCurrentUser, kKey);
  EXPECT_EQ(reader.QueryKeyCounts(key).subkeys, 1u);
  EXPECT_EQ(reader.EnumSubKeyName(key, 0), "Spaced");
  reader.CloseRegKey(key);
}

TEST_F(RegistryReaderTest, AccessDecidesWhatOpens) {
  registry.SetString(platform::kCurrentUser, "Software\\ReadOnly", "v", "text");
  registry.SetAccess(platform::kCurrentUser, "Software\\ReadOnly", MemoryRegistry::Access::kReadOnly);
  registry.SetAccess(platform::kCurrentUser, "Software\\Closed", MemoryRegistry::Access::kNone);

  // The scan asks for write rights as well; the other routines take what is allowed.
  EXPECT_EQ(reader.OpenRegKey(platform::kCurrentUser, "Software\\ReadOnly"), 0u);
  EXPECT_EQ(reader.ReadValueText(platform::kCurrentUser, "Software\\ReadOnly", "v"), "text");

  EXPECT_TRUE(reader.RegKeyExists(platform::kCurrentUser, "Software\\ReadOnly"));
  EXPECT_TRUE(reader.RegKeyExists(platform::kCurrentUser, "Software\\Closed"));
  EXPECT_TRUE(reader.RegKeyExists(platform::kCurrentUser, ""));
  EXPECT_FALSE(reader.RegKeyExists(platform::kCurrentUser, "Software\\Missing"));
}

TEST_F(RegistryReaderTest, EmptyPathOpensTheRoot) {
  registry.SetString(platform::kUsers, "", "top", "C:\\x.exe");
  const platform::KeyHandle key = reader.OpenRegKey(platform::kUsers, "");
  ASSERT_NE(key, 0u);
  EXPECT_EQ(reader.EnumValueText(key, 0).text, "C:\\x.exe");
  reader.CloseRegKey(key);
}

}  // namespace
