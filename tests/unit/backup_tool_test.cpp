#include "backup/backup_tool.h"

#include <functional>

#include <gtest/gtest.h>

#include "fakes/fake_process_runner.h"
#include "fakes/fixed_locale_format.h"
#include "fakes/map_text_source.h"
#include "fakes/scripted_message_boxes.h"
#include "platform/memory_file_system.h"

namespace {

// Message box styles and answers, by their Windows numbers.
constexpr unsigned kQuestion = 0x21;     // MB_OKCANCEL | MB_ICONQUESTION
constexpr unsigned kExclamation = 0x30;  // MB_OK | MB_ICONEXCLAMATION
constexpr unsigned kInformation = 0x40;  // MB_OK | MB_ICONINFORMATION
constexpr int kIdCancel = 2;

constexpr char kProgramFolder[] = "D:\\My Tools";
constexpr char kBackups[] = "D:\\My Tools\\Backups";
constexpr char kEditor[] = "C:\\WINDOWS\\regedit.exe";
constexpr char kToday[] = "Windows Registry Backup 9-12-2010";
const backup::Date kDate{9, 12, 2010};

class BackupToolTest : public testing::Test {
 protected:
  BackupToolTest() {
    files_.AddFolder(kProgramFolder);
    tool_.SetOwner(&window_, "Registry Backup");
  }

  std::string Backup(const std::string& name) const {
    return std::string(kBackups) + "\\" + name + ".reg";
  }
  // The boxes shown so far, as "text/style", each over the tool's window.
  std::vector<std::string> Boxes() const {
    std::vector<std::string> texts;
    for (const auto& box : boxes_.shown) {
      EXPECT_EQ(box.owner, &window_);
      EXPECT_EQ(box.title, "Registry Backup");
      texts.push_back(box.text + "/" + std::to_string(box.style));
    }
    return texts;
  }

  int window_ = 0;
  platform::MemoryFileSystem files_;
  fakes::FakeProcessRunner runner_;
  fakes::ScriptedMessageBoxes boxes_;
  fakes::MapTextSource texts_{{{"RBC_3", "Delete it?"},
                               {"RBC_4", "Restore it?"},
                               {"RBC_5", "MB"},
                               {"RBC_6", "Exporting..."},
                               {"RBC_7", "Backup complete."},
                               {"RBC_8", "No Backups folder."},
                               {"RBC_9", "No registry editor."}}};
  fakes::FixedLocaleFormat locale_;
  backup::BackupTool tool_{files_, runner_, boxes_, texts_, locale_, kProgramFolder};
};

using Strings = std::vector<std::string>;

TEST_F(BackupToolTest, FirstBackupMakesTheFolderAndExportsHidden) {
  EXPECT_EQ(tool_.backup_folder(), kBackups);
  EXPECT_TRUE(tool_.StartBackup(kDate));

  EXPECT_EQ(files_.QueryFolder(kBackups), platform::FolderState::kExists);
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(runner_.starts[0].application, kEditor);
  EXPECT_EQ(runner_.starts[0].command_line,
            "\"C:\\WINDOWS\\regedit.exe\" /e "
            "\"D:\\My Tools\\Backups\\Windows Registry Backup 9-12-2010.reg\"");
  EXPECT_TRUE(tool_.tracker().Tracks(kToday));
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(BackupToolTest, SecondBackupOfTheDayGetsTheNextFreeName) {
  ASSERT_TRUE(tool_.StartBackup(kDate));
  files_.AddFile(Backup(kToday), "REGEDIT4");  // what the first export wrote
  ASSERT_TRUE(tool_.StartBackup(kDate));

  ASSERT_EQ(runner_.starts.size(), 2u);
  EXPECT_EQ(runner_.starts[1].command_line,
            "\"C:\\WINDOWS\\regedit.exe\" /e "
            "\"D:\\My Tools\\Backups\\Windows Registry Backup 9-12-2010 (2).reg\"");
  EXPECT_TRUE(tool_.tracker().Tracks(std::string(kToday) + " (2)"));
  EXPECT_FALSE(tool_.tracker().Tracks(kToday));
}

TEST_F(BackupToolTest, FolderThatCannotBeMadeIsToldAndNothingStarts) {
  files_.AddUnreadable(kProgramFolder);
  EXPECT_FALSE(tool_.StartBackup(kDate));
  EXPECT_TRUE(runner_.starts.empty());
  EXPECT_FALSE(tool_.tracker().tracking());
  EXPECT_EQ(Boxes(), (Strings{"No Backups folder./" + std::to_string(kExclamation)}));
}

TEST_F(BackupToolTest, EditorThatCannotStartIsToldAndTheLastExportStaysFollowed) {
  ASSERT_TRUE(tool_.StartBackup(kDate));
  files_.AddFile(Backup(kToday));
  runner_.fail = true;
  EXPECT_FALSE(tool_.StartBackup(kDate));
  EXPECT_EQ(runner_.starts.size(), 2u);
  EXPECT_TRUE(tool_.tracker().Tracks(kToday));
  EXPECT_EQ(Boxes(), (Strings{"No registry editor./" + std::to_string(kExclamation)}));
}

TEST_F(BackupToolTest, RestoreImportsTheChosenFileAfterOk) {
  files_.AddFile(Backup("My.Registry"));
  EXPECT_TRUE(tool_.Restore("My.Registry"));
  EXPECT_EQ(Boxes(), (Strings{"Restore it?/" + std::to_string(kQuestion)}));
  ASSERT_EQ(runner_.starts.size(), 1u);
  EXPECT_EQ(runner_.starts[0].application, kEditor);
  EXPECT_EQ(runner_.starts[0].command_line,
            "\"C:\\WINDOWS\\regedit.exe\" \"D:\\My Tools\\Backups\\My.Registry.reg\"");

  runner_.fail = true;
  EXPECT_FALSE(tool_.Restore("My.Registry"));
  EXPECT_EQ(Boxes().back(), "No registry editor./" + std::to_string(kExclamation));
}

TEST_F(BackupToolTest, DeleteRemovesOnlyTheChosenFileAfterOk) {
  files_.AddFile(Backup("My.Registry"));
  files_.AddFile(Backup("My"));
  EXPECT_TRUE(tool_.Delete("My.Registry"));
  EXPECT_EQ(Boxes(), (Strings{"Delete it?/" + std::to_string(kQuestion)}));
  EXPECT_FALSE(files_.FileExists(Backup("My.Registry")));
  EXPECT_TRUE(files_.FileExists(Backup("My")));
  // A file already gone is no error: the row goes all the same.
  EXPECT_TRUE(tool_.Delete("My.Registry"));
  EXPECT_TRUE(runner_.starts.empty());
}

TEST_F(BackupToolTest, NoSelectionOrCancelChangesNothing) {
  using Operation = std::function<bool(backup::BackupTool&, const std::string&)>;
  const std::pair<const char*, Operation> operations[] = {
      {"restore", [](backup::BackupTool& tool, const std::string& name) { return tool.Restore(name); }},
      {"delete", [](backup::BackupTool& tool, const std::string& name) { return tool.Delete(name); }},
  };
  files_.AddFile(Backup("Kept"));
  for (const auto& [label, operation] : operations) {
    SCOPED_TRACE(label);
    boxes_.shown.clear();
    EXPECT_FALSE(operation(tool_, ""));
    EXPECT_TRUE(boxes_.shown.empty());

    boxes_.answers = {kIdCancel};
    EXPECT_FALSE(operation(tool_, "Kept"));
    EXPECT_EQ(boxes_.shown.size(), 1u);
    EXPECT_TRUE(files_.FileExists(Backup("Kept")));
    EXPECT_TRUE(runner_.starts.empty());
  }
}

TEST_F(BackupToolTest, RefreshFollowsTheExportThatListDoesNot) {
  files_.AddFile(Backup("Older"), std::string(1024 * 1024, 'x'), 5);
  ASSERT_TRUE(tool_.StartBackup(kDate));
  files_.AddFile(Backup(kToday), std::string(512 * 1024, 'x'), 6);

  const auto sizes = [](const backup::BackupListing& listing) {
    std::vector<std::string> texts;
    for (const auto& row : listing.rows) texts.push_back(row.name + ": " + row.size);
    return texts;
  };
  const std::string in_progress = std::string(kToday) + ": Exporting...";
  const std::string finished = std::string(kToday) + ": 0.5 MB";

  EXPECT_EQ(sizes(tool_.List()), (Strings{"Older: 1 MB", finished}));
  EXPECT_EQ(sizes(tool_.Refresh()), (Strings{"Older: 1 MB", in_progress}));
  EXPECT_EQ(sizes(tool_.Refresh()), (Strings{"Older: 1 MB", in_progress}));  // editor busy
  *runner_.ended = true;
  const backup::BackupListing done = tool_.Refresh();
  EXPECT_TRUE(done.export_completed);
  EXPECT_EQ(sizes(done), (Strings{"Older: 1 MB", finished}));
  EXPECT_FALSE(tool_.tracker().tracking());
  EXPECT_TRUE(Boxes().empty());  // the window announces, after its rows

  tool_.AnnounceCompletion();
  EXPECT_EQ(Boxes(), (Strings{"Backup complete./" + std::to_string(kInformation)}));
}

}  // namespace
