#include "FuzzSupport.h"
#include "presets/PresetManager.h"

// Random files into the preset reader: never a crash, a leak or a hang. A file whose first line
// is not the product word changes nothing; any other keeps every parameter legal.
extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    static const auto file = juce::File::createTempFile ("zlm2");
    auto& processor = FuzzSupport::processor();
    static auto& presets = *new PresetManager (processor.getParameterManager(),
                                               file.getParentDirectory().getFullPathName().toStdString() + "/no-presets-here/");

    bool refused = false;
    presets.showError = [&refused] (const std::string&, const std::string&) { refused = true; };

    file.replaceWithData (data, size);
    const auto before = FuzzSupport::parameterValues (processor);
    presets.loadPresetInternal (file.getFullPathName().toStdString());

    if (refused && FuzzSupport::parameterValues (processor) != before)
        std::abort();

    FuzzSupport::requireLegalValues (processor);
    return 0;
}
