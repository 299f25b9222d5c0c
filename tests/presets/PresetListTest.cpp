#include "PresetTestSupport.h"

#include "presets/DirectoryScan.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>

using namespace PresetTesting;

namespace
{
class PresetList : public PresetFixture
{
protected:
    std::vector<std::string> sortedList()
    {
        auto list = presets.presetList;
        std::sort (list.begin(), list.end());
        return list;
    }

    void link (const std::string& target, const std::string& relative)
    {
        ASSERT_EQ (symlink (target.c_str(), (folder / relative).c_str()), 0);
    }
};

std::ptrdiff_t positionOf (const std::vector<std::string>& list, const std::string& path)
{
    return std::find (list.begin(), list.end(), path) - list.begin();
}
} // namespace

TEST_F (PresetList, ListsPresetFilesOfTheWholeTreeAndNothingElse)
{
    const auto a = folder.write ("A.zlm2", "");
    folder.write ("notes.txt", "");
    folder.write ("B.ZLM2", "");
    const auto c = folder.write ("Sub/C.zlm2", "");
    const auto hidden = folder.write (".hidden/H.zlm2", "");
    const auto noDot = folder.write ("Deep/er/Nodotzlm2", "");
    folder.write ("ab", "");
    folder.write ("Sub/readme.md", "");
    link (a, "Link.zlm2");
    link (folder / "Sub", "LinkedFolder");
    link (folder / "Missing.zlm2", "Dangling.zlm2");
    ASSERT_EQ (mkfifo ((folder / "Pipe.zlm2").c_str(), 0600), 0);

    presets.createList();

    EXPECT_EQ (presets.presetCount, 4);
    EXPECT_EQ (sortedList(), (std::vector<std::string>{ hidden, a, noDot, c }));
}

TEST_F (PresetList, PathsJoinFolderAndNameWithOneSlash)
{
    folder.write ("Top.zlm2", "");
    folder.write ("Sub/Inner.zlm2", "");

    PresetManager withSlash (parameters(), folder.path() + "/");
    EXPECT_EQ (withSlash.presetFolder, folder.path() + "/");
    EXPECT_EQ (presets.presetFolder, folder.path() + "/");

    for (auto* manager : { &presets, &withSlash })
    {
        manager->createList();
        auto list = manager->presetList;
        std::sort (list.begin(), list.end());
        EXPECT_EQ (list, (std::vector<std::string>{ folder / "Sub/Inner.zlm2", folder / "Top.zlm2" }));
    }
}

TEST_F (PresetList, SubfolderPresetsStandWhereTheSubfolderWasListed)
{
    for (const auto* name : { "A.zlm2", "M.zlm2", "Z.zlm2", "Sub/C.zlm2", "Sub/D.zlm2", "Sub/E.zlm2" })
        folder.write (name, "");

    presets.createList();
    ASSERT_EQ (presets.presetCount, 6);

    std::vector<std::ptrdiff_t> inner;
    for (const auto* name : { "Sub/C.zlm2", "Sub/D.zlm2", "Sub/E.zlm2" })
        inner.push_back (positionOf (presets.presetList, folder / name));

    std::sort (inner.begin(), inner.end());
    EXPECT_EQ (inner.back() - inner.front(), 2) << "the subfolder's presets are listed together";
}

TEST_F (PresetList, MissingFolderGivesAnEmptyListAndIsNotCreated)
{
    const auto missing = folder / "ZLM/presets/Dravlen2Lite";
    PresetManager absent (parameters(), missing);
    absent.showError = presets.showError;

    EXPECT_EQ (absent.presetCount, 0);
    EXPECT_TRUE (absent.presetList.empty());
    EXPECT_FALSE (exists (folder / "ZLM"));

    setAwayFromDefaults();
    const auto before = values();
    absent.nextPreset();
    absent.previousPreset();
    EXPECT_EQ (values(), before);
    EXPECT_EQ (absent.labelText, "Default");
    EXPECT_TRUE (absent.currentPresetPath.empty());
}

TEST_F (PresetList, CountingAddsToTheGivenCount)
{
    folder.write ("A.zlm2", "");
    folder.write ("Sub/B.zlm2", "");

    int count = 5;
    presets.findListSize (presets.presetFolder, count);
    EXPECT_EQ (count, 7);
}

TEST_F (PresetList, FillingKeepsToTheCountedNumber)
{
    folder.write ("A.zlm2", "");
    presets.createList();
    ASSERT_EQ (presets.presetCount, 1);

    // A file that appears between counting and filling is dropped.
    folder.write ("B.zlm2", "");
    std::vector<std::string> list (1);
    int index = 0;
    presets.fillList (presets.presetFolder, list, index);
    EXPECT_EQ (index, 1);
    EXPECT_EQ (list.size(), 1u);
    EXPECT_FALSE (list[0].empty());

    // A file that vanishes in between leaves its place empty.
    presets.createList();
    ASSERT_EQ (presets.presetCount, 2);
    unlink ((folder / "B.zlm2").c_str());
    std::vector<std::string> shorter (2);
    index = 0;
    presets.fillList (presets.presetFolder, shorter, index);
    EXPECT_EQ (index, 1);
    EXPECT_EQ (shorter[0], folder / "A.zlm2");
    EXPECT_TRUE (shorter[1].empty());
}

TEST (PresetScan, ClassifiesEntriesByTheirListedTypeOrElseByLstat)
{
    const TemporaryFolder folder;
    const auto file = folder.write ("file.zlm2", "");
    const auto sub = folder.makeFolder ("sub");
    ASSERT_EQ (symlink (file.c_str(), (folder / "fileLink").c_str()), 0);
    ASSERT_EQ (symlink (sub.c_str(), (folder / "folderLink").c_str()), 0);

    using DirectoryScan::EntryKind;
    const struct
    {
        const char* what;
        unsigned char listedType;
        std::string path;
        EntryKind kind;
    } cases[] = {
        { "listed file", DT_REG, folder / "gone", EntryKind::file },
        { "listed folder", DT_DIR, folder / "gone", EntryKind::folder },
        { "listed link", DT_LNK, file, EntryKind::other },
        { "listed fifo", DT_FIFO, file, EntryKind::other },
        { "unknown file", DT_UNKNOWN, file, EntryKind::file },
        { "unknown folder", DT_UNKNOWN, sub, EntryKind::folder },
        { "unknown link to a file", DT_UNKNOWN, folder / "fileLink", EntryKind::other },
        { "unknown link to a folder", DT_UNKNOWN, folder / "folderLink", EntryKind::other },
        { "unknown and gone", DT_UNKNOWN, folder / "gone", EntryKind::other },
    };

    for (const auto& item : cases)
    {
        SCOPED_TRACE (item.what);
        EXPECT_EQ (DirectoryScan::classifyEntry (item.listedType, item.path), item.kind);
    }
}

TEST (PresetNames, OnlyNamesEndingInTheExactSuffixArePresets)
{
    TemplateEffectAudioProcessor processor;
    const PresetManager presets (processor.getParameterManager(), "");

    const struct
    {
        const char* name;
        bool isPreset;
    } cases[] = {
        { "Big Drums.zlm2", true },
        { "Big Drumszlm2", true },
        { "zlm2", true },
        { ".zlm2", true },
        { "Big Drums.ZLM2", false },
        { "Big Drums.zlm", false },
        { "a.zlm2.txt", false },
        { "a.zlm2 ", false },
        { "lm2", false },
        { "", false },
        { "ab", false },
    };

    for (const auto& item : cases)
    {
        SCOPED_TRACE (item.name);
        EXPECT_EQ (presets.isCorrectSuffix (item.name), item.isPreset);
    }
}

TEST (PresetNames, ShownNameIsTheFileNameWithoutItsSuffix)
{
    TemplateEffectAudioProcessor processor;
    const PresetManager presets (processor.getParameterManager(), "");

    const struct
    {
        const char* path;
        const char* shown;
    } cases[] = {
        { "/home/u/.local/share/ZLM/presets/Dravlen2Lite/Big Drums.zlm2", "Big Drums" },
        { "/home/u/.local/share/ZLM/presets/Dravlen2Lite/Mastering/Gentle.zlm2", "Gentle" },
        { "/home/u/.local/share/ZLM/presets/Dravlen2Lite/Big Drumszlm2", "Big Drum" },
        { "/home/u/.local/share/ZLM/presets/Dravlen2Lite/.zlm2", "" },
        { "Kick.zlm2", "Kick" },
        { "x.zlm2", "x" },
        { "a.b.zlm2", "a.b" },
        { "/folder.v2/Snare.zlm2", "Snare" },
        { "/Warm.txt", "War" }, // any suffix of the same length is cut the same way
        { ".zlm2", "" },
        { "ab", "" },
        { "", "" },
    };

    for (const auto& item : cases)
    {
        SCOPED_TRACE (item.path);
        EXPECT_EQ (presets.getLabelText (item.path), item.shown);
    }
}
