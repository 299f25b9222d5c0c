#include "CliTestSupport.h"

#include "cli/Interruption.h"
#include "cli/RenderJob.h"

#include <gtest/gtest.h>

#include <csignal>
#include <initializer_list>
#include <sstream>

using namespace CliTesting;

// Runs in this process: a signal is raised at a known point, before the render's first block,
// which no timing between two processes could promise.
class InterruptedRender : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override { Interruption::watchForSignals(); }

    void TearDown() override
    {
        Interruption::forget();
        for (const auto signalNumber : { SIGINT, SIGTERM, SIGHUP })
            std::signal (signalNumber, SIG_DFL);
    }

    TemporaryFolder folder;
};

TEST_P (InterruptedRender, StopsWithItsOwnExitCodeAndWritesNothing)
{
    writeAudio (folder / "out.wav", testSignal (2, 44100.0, 0.1), 44100.0, 16);
    const auto existing = contentsOf (folder / "out.wav");

    RenderRequest request;
    request.useDemo = true;
    request.outputPath = folder.path ("out.wav");
    request.plotPath = folder.path ("plot.png");
    request.demoCopyPath = folder.path ("demo.wav");

    std::raise (GetParam());
    std::ostringstream out, errors;
    const auto status = RenderJob::run (request, out, errors);

    EXPECT_EQ (status, CommandLine::interrupted);
    EXPECT_EQ (errors.str(), "dravlen2lite-render: error: interrupted; nothing was written\n");
    EXPECT_EQ (out.str(), "");
    EXPECT_EQ (namesIn (folder.get()), std::vector<std::string>{ "out.wav" });
    EXPECT_EQ (contentsOf (folder / "out.wav"), existing);
}

INSTANTIATE_TEST_SUITE_P (Signals, InterruptedRender, ::testing::Values (SIGINT, SIGTERM, SIGHUP),
                          [] (const ::testing::TestParamInfo<int>& tested) {
                              return tested.param == SIGINT    ? "Interrupt"
                                     : tested.param == SIGTERM ? "Terminate"
                                                               : "HangUp";
                          });
