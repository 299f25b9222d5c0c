#include "core/PluginProcessor.h"

#include "core/DisplayFeed.h"
#include "core/EngineParameterMapping.h"
#include "core/NumberText.h"
#include "core/ParameterTable.h"
#include "editor/PluginEditor.h"


TemplateEffectAudioProcessor::TemplateEffectAudioProcessor()
    : AudioProcessor (BusesProperties()
                          .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                          .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      parameterTable (createParameterTable())
{
    for (const auto& data : parameterTable)
        parameterManager.addNew (data);

    outputVisualiser.setColours (juce::Colours::transparentWhite, juce::Colour (0x7f3198d4));
    inputVisualiser.setColours (juce::Colours::transparentWhite, juce::Colours::grey);
    outputVisualiser.setOpaque (false);
    inputVisualiser.setOpaque (false);

    // Only after every parameter is registered: the tree builds its children from them.
    parameterManager.parameters.state = juce::ValueTree (juce::Identifier (stateTag));
}

TemplateEffectAudioProcessor::~TemplateEffectAudioProcessor() = default;

const juce::String TemplateEffectAudioProcessor::getName() const
{
    return "Dravlen 2 Lite";
}

void TemplateEffectAudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    DisplayFeed::prepare (outputVisualiser, outputVisualiserBuffer, sampleRate, samplesPerBlock);
    DisplayFeed::prepare (inputVisualiser, inputVisualiserBuffer, sampleRate, samplesPerBlock);

    parameterManager.update();
    effect.init (sampleRate);
}

void TemplateEffectAudioProcessor::releaseResources() {}

void TemplateEffectAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    const juce::ScopedNoDenormals noDenormals;

    parameterManager.update();
    DisplayFeed::push (buffer, inputVisualiserBuffer, inputVisualiser);

    const auto numSamples = buffer.getNumSamples();

    if (buffer.getNumChannels() == 2)
    {
        auto* left = buffer.getWritePointer (0);
        auto* right = buffer.getWritePointer (1);

        for (int i = 0; i < numSamples; ++i)
        {
            double l = left[i];
            double r = right[i];
            effect.process (l, r);
            left[i] = static_cast<float> (l);
            right[i] = static_cast<float> (r);
        }
    }
    else if (buffer.getNumChannels() > 0)
    {
        // Mono, or more than two channels: channel 0 runs as dual mono, the others pass untouched.
        auto* channel = buffer.getWritePointer (0);

        for (int i = 0; i < numSamples; ++i)
        {
            double l = channel[i];
            double r = l;
            effect.process (l, r);
            channel[i] = static_cast<float> (l);
        }
    }

    DisplayFeed::push (buffer, outputVisualiserBuffer, outputVisualiser);
}

double TemplateEffectAudioProcessor::getTailLengthSeconds() const { return 0.0; }
bool TemplateEffectAudioProcessor::acceptsMidi() const { return false; }
bool TemplateEffectAudioProcessor::producesMidi() const { return false; }
bool TemplateEffectAudioProcessor::isMidiEffect() const { return false; }

juce::AudioProcessorEditor* TemplateEffectAudioProcessor::createEditor()
{
    return new TemplateEffectAudioProcessorEditor (*this);
}

bool TemplateEffectAudioProcessor::hasEditor() const { return true; }

// Presets have their own library; the host's program interface shows a single unnamed program.
int TemplateEffectAudioProcessor::getNumPrograms() { return 1; }
int TemplateEffectAudioProcessor::getCurrentProgram() { return 0; }
void TemplateEffectAudioProcessor::setCurrentProgram (int) {}
const juce::String TemplateEffectAudioProcessor::getProgramName (int) { return {}; }
void TemplateEffectAudioProcessor::changeProgramName (int, const juce::String&) {}

void TemplateEffectAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    auto& parameters = parameterManager.parameters;

    // copyState flushes the parameters into the tree under its lock first, so a change made
    // just before the host saves is never missing from the saved project.
    auto state = parameters.copyState();

    // A child a restore had to create holds only its id; written that way, reopening the project
    // would reset that parameter to its default, so the copy gets the value the parameter has.
    for (auto child : state)
        if (! child.hasProperty ("value"))
            if (const auto* value = parameters.getRawParameterValue (child.getProperty ("id").toString()))
                child.setProperty ("value", value->load(), nullptr);

    if (const auto xml = state.createXml())
        copyXmlToBinary (*xml, destData);
}

namespace
{
constexpr juce::uint32 stateMagic = 0x21324356;

// The XML text of a saved state: the bytes after the header, no more than its length field says
// and no more than were given, up to the first zero byte. Text that is not valid UTF-8 is refused
// here, because the framework's decoder reads past the end of a truncated multi-byte character.
juce::String stateText (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= 8)
        return {};

    const auto* bytes = static_cast<const char*> (data);
    const auto length = static_cast<juce::int32> (juce::ByteOrder::littleEndianInt (bytes + 4));

    if (juce::ByteOrder::littleEndianInt (bytes) != stateMagic || length <= 0)
        return {};

    const auto available = static_cast<size_t> (std::min (sizeInBytes - 8, length));
    const auto textLength = static_cast<int> (::strnlen (bytes + 8, available));

    if (! juce::CharPointer_UTF8::isValidString (bytes + 8, textLength))
        return {};

    const auto text = juce::String::fromUTF8 (bytes + 8, textLength);

    // The framework's XML reader loops for ever on a processing instruction followed by text
    // inside an element. A saved state has no processing instruction beyond its declaration.
    const auto body = text.trimStart().startsWith ("<?") ? text.fromFirstOccurrenceOf ("?>", false, false) : text;
    if (body.contains ("<?"))
        return {};

    return text;
}
} // namespace

void TemplateEffectAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    const auto xml = juce::parseXML (stateText (data, sizeInBytes));

    if (xml == nullptr || ! xml->getTagName().equalsIgnoreCase (stateTag))
        return;

    restore (juce::ValueTree::fromXml (*xml));
}

void TemplateEffectAudioProcessor::restore (juce::ValueTree newState)
{
    // Values are read here as numbers, so the tree never hands their text to the framework's
    // number reader, which overflows on an absurd exponent.
    for (auto child : newState)
        if (child.hasProperty ("value") && parameterManager.parameters.getParameter (child.getProperty ("id").toString()) != nullptr)
            child.setProperty ("value", leadingNumber (child.getProperty ("value").toString().toStdString()), nullptr);

    // The tree resets a parameter that has no child in the new state to its default; a state
    // that doesn't mention a parameter should leave it where it is instead.
    std::vector<std::pair<juce::String, float>> unmentioned;
    for (const auto& data : parameterTable)
        if (! newState.getChildWithProperty ("id", data.id).isValid())
            unmentioned.emplace_back (data.id, parameterManager.getRawValue (data.id));

    parameterManager.parameters.replaceState (newState);

    for (const auto& [id, value] : unmentioned)
        parameterManager.setRawValue (id, value);
}

void TemplateEffectAudioProcessor::onParameterChanged (juce::String parameterID)
{
    applyParameterToEngine (effect, parameterID, static_cast<double> (parameterManager.getRawValue (parameterID)));
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new TemplateEffectAudioProcessor();
}
