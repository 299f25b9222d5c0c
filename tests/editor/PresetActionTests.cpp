#include "EditorFixture.h"

using namespace EditorTesting;

namespace
{
// A preset with every parameter at its default but the transient amount (in percent).
juce::String presetText (float transients)
{
    return juce::String ("Dravlen2Lite\n8\npowerId\n1\ntransientsId\n") + juce::String (transients / 100.0f)
           + "\ntransientsPowerId\n1\nmultibandId\n0.5\nmultibandPowerId\n1\nparallelId\n0.5\nparallelPowerId\n1\n"
             "gainId\n0.5\n";
}

class PresetActionTest : public EditorFixture
{
protected:
    juce::File writePreset (const juce::File& file, float transients)
    {
        file.getParentDirectory().createDirectory();
        file.replaceWithText (presetText (transients), false, false, "\n");
        return file;
    }
};
} // namespace

TEST_F (PresetActionTest, EmptyFolderStepsNowhere)
{
    for (const auto kind : { ZLMPresetButton::previous, ZLMPresetButton::next })
    {
        press (kind);
        EXPECT_EQ (shownPresetName(), "Default");
    }
}

TEST_F (PresetActionTest, NextAndPreviousStepThroughTheFolderAndWrap)
{
    writePreset (presetFolder / "Soft.zlm2", 25.0f);
    writePreset (presetFolder / "Bank/Hard.zlm2", 100.0f);
    const std::map<juce::String, float> amounts{ { "Soft", 25.0f }, { "Hard", 100.0f } };

    juce::StringArray forward;

    for (int i = 0; i < 3; ++i)
    {
        press (ZLMPresetButton::next);
        forward.add (shownPresetName());
        ASSERT_EQ (amounts.count (shownPresetName()), 1u) << shownPresetName();
        EXPECT_EQ (value (ParameterIds::transients), amounts.at (shownPresetName()));
    }

    EXPECT_NE (forward[0], forward[1]);
    EXPECT_EQ (forward[2], forward[0]);

    press (ZLMPresetButton::previous);
    EXPECT_EQ (shownPresetName(), forward[1]);
}

TEST_F (PresetActionTest, LoadAsksForAPresetFileInThePresetFolder)
{
    press (ZLMPresetButton::load);
    ASSERT_EQ (dialogRequests.size(), 1u);
    const auto& request = dialogRequests[0];
    EXPECT_EQ (request.title, "Load preset");
    EXPECT_EQ (request.initialLocation, presetFolder.get());
    EXPECT_EQ (request.filePattern, "*.zlm2");
    EXPECT_EQ (request.flags, juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles);
}

TEST_F (PresetActionTest, LoadFromOutsideTheFolderAppliesTheFileAndShowsItsName)
{
    TemporaryFolder elsewhere;
    const auto file = writePreset (elsewhere / "Punchy.zlm2", 75.0f);

    press (ZLMPresetButton::load);
    answerDialog (file);
    EXPECT_EQ (value (ParameterIds::transients), 75.0f);
    EXPECT_EQ (shownPresetName(), "Punchy");

    // No listed preset of that name: stepping has nowhere to go from it.
    writePreset (presetFolder / "Other.zlm2", 0.0f);
    press (ZLMPresetButton::next);
    EXPECT_EQ (shownPresetName(), "Punchy");
}

TEST_F (PresetActionTest, CancelledOrImpossibleLoadsChangeNothing)
{
    set (ParameterIds::transients, 25.0f);
    TemporaryFolder elsewhere;
    const juce::File answers[]{ juce::File(), elsewhere.get(), elsewhere / "Gone.zlm2" };

    for (const auto& answer : answers)
    {
        SCOPED_TRACE (answer.getFullPathName());
        press (ZLMPresetButton::load);
        answerDialog (answer);
        EXPECT_EQ (value (ParameterIds::transients), 25.0f);
        EXPECT_EQ (shownPresetName(), "Default");
    }

    EXPECT_TRUE (errors.isEmpty());
}

TEST_F (PresetActionTest, ForeignFileShowsTheErrorAndKeepsTheName)
{
    TemporaryFolder elsewhere;
    const auto foreign = elsewhere / "notes.zlm2";
    foreign.replaceWithText ("Something else\n8\n");
    set (ParameterIds::transients, 25.0f);

    press (ZLMPresetButton::load);
    answerDialog (foreign);
    EXPECT_EQ (errors, juce::StringArray ("Error: This is not a Dravlen2Lite preset!"));
    EXPECT_EQ (value (ParameterIds::transients), 25.0f);
    EXPECT_EQ (shownPresetName(), "Default");
}

TEST_F (PresetActionTest, SaveWritesThePresetShowsItsNameAndListsIt)
{
    set (ParameterIds::transients, 75.0f);
    press (ZLMPresetButton::save);
    ASSERT_EQ (dialogRequests.size(), 1u);
    EXPECT_EQ (dialogRequests[0].title, "Save preset");
    EXPECT_EQ (dialogRequests[0].initialLocation, presetFolder.get());
    EXPECT_EQ (dialogRequests[0].filePattern, "*.zlm2");
    EXPECT_EQ (dialogRequests[0].flags, juce::FileBrowserComponent::saveMode
                                            | juce::FileBrowserComponent::canSelectFiles
                                            | juce::FileBrowserComponent::warnAboutOverwriting);

    answerDialog (presetFolder / "Warm.zlm2");
    EXPECT_TRUE ((presetFolder / "Warm.zlm2").existsAsFile());
    EXPECT_EQ (shownPresetName(), "Warm");

    // The new preset takes part in stepping at once: it is the only one, so next reloads it.
    set (ParameterIds::transients, 0.0f);
    press (ZLMPresetButton::next);
    EXPECT_EQ (shownPresetName(), "Warm");
    EXPECT_EQ (value (ParameterIds::transients), 75.0f);
}

TEST_F (PresetActionTest, SaveAddsTheSuffixTheDialogLeftOut)
{
    press (ZLMPresetButton::save);
    answerDialog (presetFolder / "Cold");
    EXPECT_TRUE ((presetFolder / "Cold.zlm2").existsAsFile());
    EXPECT_FALSE ((presetFolder / "Cold").exists());
    EXPECT_EQ (shownPresetName(), "Cold");
    EXPECT_TRUE (replaceQuestions.isEmpty());
}

TEST_F (PresetActionTest, SaveAsksBeforeReplacingTheSuffixedFile)
{
    const auto existing = writePreset (presetFolder / "Cold.zlm2", 0.0f);
    set (ParameterIds::transients, 100.0f);

    for (const auto replace : { false, true })
    {
        SCOPED_TRACE (replace ? "replace" : "keep");
        press (ZLMPresetButton::save);
        answerDialog (presetFolder / "Cold");
        ASSERT_EQ (replaceQuestions.getLast(), existing);
        ASSERT_TRUE (pendingConfirmation != nullptr);
        std::exchange (pendingConfirmation, nullptr) (replace);

        EXPECT_EQ (existing.loadFileAsString() == presetText (0.0f), ! replace);
        EXPECT_EQ (shownPresetName(), replace ? "Cold" : "Default");
    }
}

TEST_F (PresetActionTest, CancelledOrFailedSaveChangesNothing)
{
    press (ZLMPresetButton::save);
    answerDialog (juce::File());
    EXPECT_EQ (shownPresetName(), "Default");
    EXPECT_TRUE (presetFolder.get().findChildFiles (juce::File::findFilesAndDirectories, true).isEmpty());

    press (ZLMPresetButton::save);
    answerDialog (presetFolder / "Missing folder/Warm.zlm2");
    EXPECT_EQ (shownPresetName(), "Default");
    EXPECT_FALSE ((presetFolder / "Missing folder").exists());
}

TEST_F (PresetActionTest, AnswerAfterTheEditorClosedIsIgnored)
{
    press (ZLMPresetButton::save);
    auto lateAnswer = std::exchange (pendingDialog, nullptr);
    editorInstance.reset();
    lateAnswer (presetFolder / "Late.zlm2");
    EXPECT_FALSE ((presetFolder / "Late.zlm2").exists());
}

TEST_F (PresetActionTest, ReopenedEditorShowsDefault)
{
    writePreset (presetFolder / "Soft.zlm2", 25.0f);
    press (ZLMPresetButton::next);
    EXPECT_EQ (shownPresetName(), "Soft");

    openEditor();
    EXPECT_EQ (shownPresetName(), "Default");
}
