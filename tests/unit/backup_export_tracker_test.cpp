#include "backup/export_tracker.h"

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/fake_process_runner.h"

namespace {

using Step = backup::ExportTracker::Step;

struct Measurement {
  std::int64_t hundredths;
  bool exporter_ended;
  Step expected;
};

struct Scenario {
  const char* label;
  bool with_exporter;  // false: nobody can tell whether the export still runs
  std::vector<Measurement> measurements;
};

TEST(BackupExportTracker, SuccessiveMeasurements) {
  constexpr Step kRun = Step::kInProgress;
  constexpr Step kDone = Step::kComplete;
  const Scenario scenarios[] = {
      {"same size twice after the editor ended", true, {{3742, true, kRun}, {3742, true, kDone}}},
      {"a first 1.00 MB is no completion", true, {{100, true, kRun}, {100, true, kDone}}},
      {"0.00 MB never completes", true, {{0, true, kRun}, {0, true, kRun}, {0, true, kRun}}},
      {"same size while the editor runs",
       true,
       {{3742, false, kRun}, {3742, false, kRun}, {3742, false, kRun}, {3742, true, kDone}}},
      {"growing, pausing, growing again",
       true,
       {{100, false, kRun}, {2000, false, kRun}, {2000, false, kRun}, {3742, true, kRun},
        {3742, true, kDone}}},
      {"grows from 0.00 MB", true, {{0, false, kRun}, {5, true, kRun}, {5, true, kDone}}},
      {"no exporter counts as ended", false, {{500, false, kRun}, {500, false, kDone}}},
  };
  for (const Scenario& scenario : scenarios) {
    SCOPED_TRACE(scenario.label);
    auto ended = std::make_shared<bool>(false);
    backup::ExportTracker tracker;
    tracker.Arm("Backup", scenario.with_exporter
                              ? std::make_unique<fakes::FakeRunningProcess>(ended)
                              : nullptr);
    for (std::size_t i = 0; i < scenario.measurements.size(); ++i) {
      SCOPED_TRACE(i);
      const Measurement& m = scenario.measurements[i];
      ASSERT_TRUE(tracker.Tracks("Backup"));
      *ended = m.exporter_ended;
      EXPECT_EQ(tracker.Measure(m.hundredths), m.expected);
    }
    // Completion ends the following; until then it goes on.
    EXPECT_EQ(tracker.Tracks("Backup"), scenario.measurements.back().expected == kRun);
  }
}

TEST(BackupExportTracker, ReArmingFollowsTheNewExportFromScratch) {
  auto first_ended = std::make_shared<bool>(false);
  backup::ExportTracker tracker;
  tracker.Arm("Day", std::make_unique<fakes::FakeRunningProcess>(first_ended));
  EXPECT_EQ(tracker.Measure(700), Step::kInProgress);

  tracker.Arm("Day (2)", nullptr);
  EXPECT_FALSE(tracker.Tracks("Day"));
  EXPECT_TRUE(tracker.Tracks("Day (2)"));
  EXPECT_FALSE(tracker.Tracks("day (2)"));  // exact comparison
  // The size of the earlier export does not carry over, nor does its exporter.
  EXPECT_EQ(tracker.Measure(700), Step::kInProgress);
  EXPECT_EQ(tracker.Measure(700), Step::kComplete);
}

TEST(BackupExportTracker, IdleUntilArmed) {
  backup::ExportTracker tracker;
  EXPECT_FALSE(tracker.tracking());
  EXPECT_FALSE(tracker.Tracks(""));
  EXPECT_EQ(tracker.Measure(100), Step::kInProgress);
  EXPECT_EQ(tracker.Measure(100), Step::kInProgress);
  EXPECT_FALSE(tracker.tracking());
}

}  // namespace
