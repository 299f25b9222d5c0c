#include "core/PluginProcessor.h"

#include <gtest/gtest.h>

namespace
{
const juce::String declaration = R"(<?xml version="1.0" encoding="UTF-8"?> )";

const juce::String freshDocument =
    declaration
    + R"(<Dravlen_2_Lite><PARAM id="gainId" value="0.0"/><PARAM id="multibandId" value="50.0"/>)"
      R"(<PARAM id="multibandPowerId" value="1.0"/><PARAM id="parallelId" value="50.0"/>)"
      R"(<PARAM id="parallelPowerId" value="1.0"/><PARAM id="powerId" value="1.0"/>)"
      R"(<PARAM id="transientsId" value="50.0"/><PARAM id="transientsPowerId" value="1.0"/></Dravlen_2_Lite>)";

juce::MemoryBlock blobWith (juce::uint32 magic, juce::int32 length, const std::string& bytes, bool zeroByte = true)
{
    juce::MemoryOutputStream out;
    out.writeInt (static_cast<int> (magic));
    out.writeInt (length);
    out.write (bytes.data(), bytes.size());
    if (zeroByte)
        out.writeByte (0);
    return out.getMemoryBlock();
}

juce::MemoryBlock blobFor (const juce::String& xmlText)
{
    return blobWith (0x21324356, static_cast<juce::int32> (xmlText.getNumBytesAsUTF8()), xmlText.toStdString());
}

juce::String documentOf (const juce::MemoryBlock& blob)
{
    return juce::String::fromUTF8 (static_cast<const char*> (blob.getData()) + 8, static_cast<int> (blob.getSize()) - 9);
}

class StateTest : public ::testing::Test
{
protected:
    juce::String saved()
    {
        juce::MemoryBlock blob;
        processor.getStateInformation (blob);
        return documentOf (blob);
    }

    void restore (const juce::MemoryBlock& blob) { processor.setStateInformation (blob.getData(), static_cast<int> (blob.getSize())); }
    float value (const char* id) { return processor.getParameterManager().getRawValue (id); }

    TemplateEffectAudioProcessor processor;
};
} // namespace

TEST_F (StateTest, FreshInstanceSavesTheDocumentByteForByte)
{
    juce::MemoryBlock blob ("junk that must be replaced", 26);
    processor.getStateInformation (blob);

    const auto* bytes = static_cast<const juce::uint8*> (blob.getData());
    ASSERT_GT (blob.getSize(), 9u);
    EXPECT_EQ (juce::ByteOrder::littleEndianInt (bytes), 0x21324356u);
    EXPECT_EQ (juce::ByteOrder::littleEndianInt (bytes + 4), blob.getSize() - 9);
    EXPECT_EQ (bytes[blob.getSize() - 1], 0);
    EXPECT_EQ (documentOf (blob), freshDocument);
    EXPECT_EQ (blob.getSize() - 9, static_cast<size_t> (freshDocument.getNumBytesAsUTF8()));
}

TEST_F (StateTest, SaveHoldsAChangeMadeJustBeforeIt)
{
    processor.getParameterManager().setRawValue ("gainId", -6.0f);
    EXPECT_TRUE (saved().contains (R"(<PARAM id="gainId" value="-6.0"/>)"));
}

TEST_F (StateTest, RoundTripIntoASecondInstance)
{
    auto& manager = processor.getParameterManager();
    manager.setRawValue ("transientsId", 75.0f);
    manager.setRawValue ("multibandPowerId", 0.0f);
    manager.setRawValue ("gainId", 12.5f);

    juce::MemoryBlock blob;
    processor.getStateInformation (blob);

    TemplateEffectAudioProcessor second;
    second.setStateInformation (blob.getData(), static_cast<int> (blob.getSize()));
    for (const auto* id : { "powerId", "transientsId", "multibandPowerId", "gainId", "parallelId" })
        EXPECT_EQ (second.getParameterManager().getRawValue (id), manager.getRawValue (id)) << id;
}

TEST_F (StateTest, RestoreClampsSnapsAndDefaultsValues)
{
    restore (blobFor (R"(<Dravlen_2_Lite><PARAM id="transientsId" value="200"/><PARAM id="multibandId" value="60"/>)"
                      R"(<PARAM id="parallelId" value="abc"/><PARAM id="gainId"/></Dravlen_2_Lite>)"));

    EXPECT_EQ (value ("transientsId"), 100.0f);
    EXPECT_EQ (value ("multibandId"), 50.0f);
    EXPECT_EQ (value ("parallelId"), 0.0f);
    EXPECT_EQ (value ("gainId"), 0.0f);
}

TEST_F (StateTest, AbsurdNumbersAreClampedNotOverflowed)
{
    restore (blobFor (R"(<Dravlen_2_Lite><PARAM id="gainId" value="1e4333333333"/><PARAM id="transientsId" value="-1e-0433333333"/></Dravlen_2_Lite>)"));
    EXPECT_EQ (value ("gainId"), 48.0f);
    EXPECT_EQ (value ("transientsId"), 0.0f);
}

TEST_F (StateTest, MissingValueMeansTheDefault)
{
    processor.getParameterManager().setRawValue ("gainId", 10.0f);
    restore (blobFor (R"(<Dravlen_2_Lite><PARAM id="gainId"/></Dravlen_2_Lite>)"));
    EXPECT_EQ (value ("gainId"), 0.0f);
}

TEST_F (StateTest, LowerCaseRootIsAcceptedAndWrittenBackAsSpelled)
{
    restore (blobFor (R"(<dravlen_2_lite><PARAM id="transientsId" value="25.0"/></dravlen_2_lite>)"));
    EXPECT_EQ (value ("transientsId"), 25.0f);
    EXPECT_TRUE (saved().startsWith (declaration + "<dravlen_2_lite>"));
}

const juce::String everythingButGain =
    R"(<PARAM id="mystery" value="7"/><PARAM id="transientsId" value="25.0"/>)"
    R"(<PARAM id="powerId" value="1.0"/><PARAM id="transientsPowerId" value="1.0"/>)"
    R"(<PARAM id="multibandId" value="50.0"/><PARAM id="multibandPowerId" value="1.0"/>)"
    R"(<PARAM id="parallelId" value="50.0"/><PARAM id="parallelPowerId" value="1.0"/>)";

TEST_F (StateTest, MissingChildIsAppendedWithIdOnlyAndUnknownChildKept)
{
    restore (blobFor ("<Dravlen_2_Lite>" + everythingButGain + "</Dravlen_2_Lite>"));

    const auto& state = processor.getParameterManager().parameters.state;
    ASSERT_EQ (state.getNumChildren(), 9);
    EXPECT_EQ (state.getChild (0).getProperty ("id").toString(), "mystery");
    const auto appended = state.getChild (8);
    EXPECT_EQ (appended.getProperty ("id").toString(), "gainId");
    EXPECT_FALSE (appended.hasProperty ("value"));

    // The save carries the gain's value all the same, so reopening the project restores it.
    EXPECT_EQ (saved(), declaration + "<Dravlen_2_Lite>" + everythingButGain + R"(<PARAM id="gainId" value="0.0"/></Dravlen_2_Lite>)");
}

TEST_F (StateTest, ParameterMissingFromTheStateKeepsItsValue)
{
    processor.getParameterManager().setRawValue ("gainId", 3.0f);
    restore (blobFor ("<Dravlen_2_Lite>" + everythingButGain + "</Dravlen_2_Lite>"));

    EXPECT_EQ (value ("gainId"), 3.0f);
    EXPECT_EQ (value ("transientsId"), 25.0f);
    EXPECT_EQ (saved(), declaration + "<Dravlen_2_Lite>" + everythingButGain + R"(<PARAM id="gainId" value="3.0"/></Dravlen_2_Lite>)");
}

TEST_F (StateTest, UnusableBlobsChangeNothing)
{
    const juce::String good = R"(<Dravlen_2_Lite><PARAM id="gainId" value="-12.0"/></Dravlen_2_Lite>)";

    struct Case { const char* what; juce::MemoryBlock blob; };
    const Case cases[] = {
        { "header only", blobWith (0x21324356, 0, {}, false) },
        { "zero length", blobWith (0x21324356, 0, good.toStdString()) },
        { "negative length", blobWith (0x21324356, -5, good.toStdString()) },
        { "bad magic", blobWith (0x21324357, (int) good.getNumBytesAsUTF8(), good.toStdString()) },
        { "not xml", blobFor ("this is not xml at all") },
        { "other root", blobFor (R"(<SomethingElse><PARAM id="gainId" value="-12.0"/></SomethingElse>)") },
        { "empty", juce::MemoryBlock() },
        // The framework's XML reader would never return from this one.
        { "processing instruction inside", blobFor (R"(<Dravlen_2_Lite><PARAM id="gainId" value="-12.0"/><?x y?>(</Dravlen_2_Lite>)") },
        // A multi-byte character cut off by the end of the data, and a byte no UTF-8 text holds.
        { "truncated utf-8", blobWith (0x21324356, (int) good.getNumBytesAsUTF8() + 1, good.toStdString() + "\xf0", false) },
        { "invalid utf-8", blobWith (0x21324356, 62, "<Dravlen_2_Lite><PARAM id=\"gainId\" value=\"-1\xff\"/></Dravlen_2_Lite>") },
    };

    processor.getParameterManager().setRawValue ("gainId", 6.0f);
    const auto before = saved();

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        restore (c.blob);
        EXPECT_EQ (value ("gainId"), 6.0f);
        EXPECT_EQ (saved(), before);
    }
}

TEST_F (StateTest, LengthBeyondTheDataIsCutToTheData)
{
    const juce::String text = R"(<Dravlen_2_Lite><PARAM id="gainId" value="-12.0"/></Dravlen_2_Lite>)";
    restore (blobWith (0x21324356, 100000, text.toStdString()));
    EXPECT_EQ (value ("gainId"), -12.0f);
}

TEST_F (StateTest, TextEndsAtTheFirstZeroByte)
{
    const juce::String text = R"(<Dravlen_2_Lite><PARAM id="gainId" value="-12.0"/></Dravlen_2_Lite>)";
    auto blob = blobWith (0x21324356, text.getNumBytesAsUTF8() + 20, (text + juce::String::repeatedString ("x", 20)).toStdString());
    static_cast<char*> (blob.getData())[8 + text.getNumBytesAsUTF8()] = 0;
    restore (blob);
    EXPECT_EQ (value ("gainId"), -12.0f);
}
