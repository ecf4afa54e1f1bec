#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/errors.h"
#include "platform/programs.h"
#include "support/product_sim.h"
#include "support/test_hive.h"

namespace tw::simtest {

// A scratch folder, the stand-in logging into it and running plainly (no
// forced exit code, no delay), and the platform's program starter.
class StandInTest : public testing::Test {
 protected:
  test::ScratchFolder folder;
  const std::string log = folder.File("sim.log");
  ScopedEnvironment logTo{"TELLWICK_SIM_LOG", log};
  ScopedEnvironment noForcedExit{"TELLWICK_SIM_EXIT", std::nullopt};
  ScopedEnvironment noSleep{"TELLWICK_SIM_SLEEP_MS", std::nullopt};
  std::unique_ptr<ProgramStarter> starter = CreateProgramStarter();

  // The error of starting `file` waited for or detached; nothing when it started.
  std::optional<std::string> StartError(const std::string& file, bool detached) {
    try {
      if (detached)
        starter->StartDetached(file, "/SILENT");
      else
        starter->Start(file, "/SILENT");
    } catch (const LaunchError& error) {
      return error.what();
    }
    return std::nullopt;
  }
};

}  // namespace tw::simtest
