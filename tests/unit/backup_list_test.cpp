#include "backup/backup_list.h"

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include "fakes/fake_process_runner.h"
#include "fakes/fixed_locale_format.h"
#include "fakes/listed_file_system.h"
#include "fakes/map_text_source.h"

namespace backup {

inline bool operator==(const BackupRow& a, const BackupRow& b) {
  return a.name == b.name && a.date == b.date && a.size == b.size;
}
inline void PrintTo(const BackupRow& row, std::ostream* out) {
  *out << "{" << row.name << " | " << row.date << " | " << row.size << "}";
}

}  // namespace backup

namespace {

using backup::BackupRow;
using platform::FileEntry;

constexpr char kFolder[] = "C:\\Tool\\Backups";
constexpr std::uint64_t kMb = 1024 * 1024;

class BackupListTest : public testing::Test {
 protected:
  backup::BackupListing List(backup::ExportTracker* tracker = nullptr) {
    return backup::ListBackups(files_, locale_, texts_, kFolder, tracker);
  }

  fakes::ListedFileSystem files_;
  fakes::FixedLocaleFormat locale_{","};
  fakes::MapTextSource texts_{{{"RBC_5", "MB"}, {"RBC_6", "Exporting..."}}};
};

TEST_F(BackupListTest, OneRowPerRegFileInListingOrder) {
  files_.SetListing(kFolder, {
                                 {"Zeta.reg", 2 * kMb, 30, false},
                                 {"notes.txt", 10, 31, false},
                                 {"Old.REG", 39216742, 32, false},
                                 {"Nested.reg", 0, 33, true},  // a folder
                                 {"My.Registry.reg", kMb / 8, 34, false},
                                 {"a.reg.reg", 0, 35, false},
                             });
  const backup::BackupListing listing = List();
  EXPECT_EQ(listing.rows, (std::vector<BackupRow>{
                              {"Zeta", "date 30", "2 MB"},
                              {"Old", "date 32", "37,4 MB"},
                              {"My.Registry", "date 34", "0,12 MB"},
                              {"a.reg", "date 35", "0 MB"},
                          }));
  EXPECT_FALSE(listing.export_completed);
}

TEST_F(BackupListTest, MissingOrEmptyFolderListsNothing) {
  EXPECT_TRUE(List().rows.empty());
  files_.AddFolder(kFolder);
  EXPECT_TRUE(List().rows.empty());
}

TEST_F(BackupListTest, FollowsTheExportUntilItsFileStandsStillAndTheEditorEnded) {
  auto ended = std::make_shared<bool>(false);
  backup::ExportTracker tracker;
  tracker.Arm("Today", std::make_unique<fakes::FakeRunningProcess>(ended));

  // Right after the start the file is often not there yet.
  files_.SetListing(kFolder, {{"Older.reg", kMb, 1, false}});
  EXPECT_EQ(List(&tracker).rows.size(), 1u);

  struct Refresh {
    std::uint64_t size;
    bool editor_ended;
    const char* size_column;
    bool completed;
  };
  const Refresh refreshes[] = {
      {kMb, false, "Exporting...", false},  // first measurement, the armed 1.00 MB alike
      {3 * kMb, false, "Exporting...", false},
      {3 * kMb, false, "Exporting...", false},  // standing still, editor still busy
      {3 * kMb, true, "3 MB", true},
      {3 * kMb, true, "3 MB", false},  // followed no more
  };
  for (const Refresh& refresh : refreshes) {
    SCOPED_TRACE(refresh.size_column);
    *ended = refresh.editor_ended;
    files_.SetListing(kFolder, {{"Older.reg", kMb, 1, false}, {"Today.reg", refresh.size, 2, false},
                                {"today.reg.bak", 5, 3, false}});
    const backup::BackupListing listing = List(&tracker);
    EXPECT_EQ(listing.rows, (std::vector<BackupRow>{{"Older", "date 1", "1 MB"},
                                                   {"Today", "date 2", refresh.size_column}}));
    EXPECT_EQ(listing.export_completed, refresh.completed);
  }
  // Texts are looked up per refresh, not per row.
  const auto& asked = texts_.requested();
  EXPECT_EQ(std::count(asked.begin(), asked.end(), "RBC_5"), 6);
}

TEST_F(BackupListTest, OnlyTheRowOfExactlyTheFollowedNameIsMeasured) {
  backup::ExportTracker tracker;
  tracker.Arm("today", nullptr);
  files_.SetListing(kFolder, {{"Today.reg", kMb, 1, false}});
  for (int refresh = 0; refresh < 3; ++refresh) {
    EXPECT_EQ(List(&tracker).rows, (std::vector<BackupRow>{{"Today", "date 1", "1 MB"}}));
  }
  EXPECT_TRUE(tracker.Tracks("today"));
}

}  // namespace
