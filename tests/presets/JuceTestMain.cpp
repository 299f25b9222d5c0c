#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// The processor owns displays and a parameter tree, which are components and timers: they need JUCE
// initialised, with this thread as the message thread.
int main (int argc, char** argv)
{
    const juce::ScopedJuceInitialiser_GUI juceInitialiser;
    ::testing::InitGoogleTest (&argc, argv);
    return RUN_ALL_TESTS();
}
