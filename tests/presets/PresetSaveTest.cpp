#include "PresetTestSupport.h"

#include <sys/resource.h>

#include <csignal>

using namespace PresetTesting;

namespace
{
class PresetSave : public PresetFixture
{
protected:
    // Whatever happens, the list and the shown name are left as they were.
    void expectListAndLabelUnchanged (const std::vector<std::string>& list)
    {
        EXPECT_EQ (presets.presetList, list);
        EXPECT_EQ (presets.presetCount, static_cast<int> (list.size()));
        EXPECT_EQ (presets.labelText, "Default");
    }
};

// A file size limit makes every write beyond it fail, the way a full disk does.
class FileSizeLimit
{
public:
    explicit FileSizeLimit (rlim_t bytes)
    {
        getrlimit (RLIMIT_FSIZE, &previous);
        previousHandler = std::signal (SIGXFSZ, SIG_IGN);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        active = setrlimit (RLIMIT_FSIZE, &limited) == 0;
    }

    ~FileSizeLimit()
    {
        setrlimit (RLIMIT_FSIZE, &previous);
        std::signal (SIGXFSZ, previousHandler);
    }

    bool active = false;

private:
    rlimit previous{};
    void (*previousHandler) (int) = nullptr;
};
} // namespace

TEST_F (PresetSave, SavingOverAnExistingFileReplacesItCompletely)
{
    const auto path = folder.write ("Mine.zlm2", std::string (4000, 'x'));
    ASSERT_TRUE (presets.savePreset (path));

    EXPECT_EQ (readFile (path), presets.renderPreset());
    EXPECT_EQ (namesIn (folder.path()), std::vector<std::string>{ "Mine.zlm2" });
}

TEST_F (PresetSave, SavingToAPlaceThatCannotBeWrittenChangesNothing)
{
    const auto existing = folder.write ("Existing.zlm2", "Dravlen2Lite\n0\n");
    presets.createList();
    const auto list = presets.presetList;

    const struct
    {
        const char* what;
        std::string path;
    } cases[] = {
        { "folder that does not exist", folder / "Missing/New.zlm2" },
        { "target that is a folder", folder.makeFolder ("Folder.zlm2") },
        { "path ending in a slash", folder.path() + "/" },
        { "empty path", "" },
    };

    for (const auto& item : cases)
    {
        SCOPED_TRACE (item.what);
        EXPECT_FALSE (presets.savePreset (item.path));
        EXPECT_EQ (namesIn (folder.path()), (std::vector<std::string>{ "Existing.zlm2", "Folder.zlm2" }));
        EXPECT_EQ (readFile (existing), "Dravlen2Lite\n0\n");
        expectListAndLabelUnchanged (list);
    }
}

TEST_F (PresetSave, AFailedWriteLeavesTheOldFileWhole)
{
    const std::string old = "Dravlen2Lite\n0\n";
    const auto path = folder.write ("Mine.zlm2", old);

    {
        const FileSizeLimit limit (16);
        ASSERT_TRUE (limit.active);
        EXPECT_FALSE (presets.savePreset (path));
    }

    EXPECT_EQ (readFile (path), old);
    EXPECT_EQ (namesIn (folder.path()), std::vector<std::string>{ "Mine.zlm2" }) << "no temporary file stays behind";

    EXPECT_TRUE (presets.savePreset (path)) << "the same save succeeds once there is room";
}

TEST_F (PresetSave, SavedPresetIsListedAfterARescanAndStepsFromItsName)
{
    folder.write ("Other.zlm2", presetText ({}, "0"));
    presets.createList();

    const auto path = folder / "Warm.zlm2";
    presets.currentPresetPath = path;
    ASSERT_TRUE (presets.savePreset (path));
    presets.labelText = presets.getLabelText (path);
    presets.createList();

    ASSERT_EQ (presets.presetCount, 2);
    EXPECT_EQ (presets.labelText, "Warm");

    presets.nextPreset();
    EXPECT_EQ (presets.labelText, "Other");
    presets.nextPreset();
    EXPECT_EQ (presets.labelText, "Warm");
}
