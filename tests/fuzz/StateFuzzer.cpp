#include "FuzzSupport.h"

// Random blobs into setStateInformation: never a crash, a leak or a hang, and whatever the blob
// does, every parameter keeps a legal value and the next save still works.
extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    auto& processor = FuzzSupport::processor();
    processor.setStateInformation (data, static_cast<int> (size));
    FuzzSupport::requireLegalValues (processor);

    juce::MemoryBlock saved;
    processor.getStateInformation (saved);
    if (saved.getSize() < 9)
        std::abort();

    return 0;
}
