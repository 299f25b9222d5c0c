#include "cli/CommandLine.h"
#include "cli/Interruption.h"
#include "cli/RenderJob.h"
#include "core/ParameterTable.h"

#include <juce_events/juce_events.h>

#include <iostream>

int main (int argc, char* argv[])
{
    Interruption::watchForSignals();

    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::String::fromUTF8 (argv[i]));

    const auto table = createParameterTable();
    const auto request = CommandLine::parse (arguments, table);

    if (! request.succeeded())
    {
        std::cerr << CommandLine::errorLine (request.getError()) << std::endl;
        return CommandLine::badArguments;
    }

    switch (request->action)
    {
    case RenderRequest::Action::showHelp:
        std::cout << CommandLine::helpText();
        return CommandLine::rendered;

    case RenderRequest::Action::listParameters:
        std::cout << ParameterSettings::describeTable (table);
        return CommandLine::rendered;

    case RenderRequest::Action::render:
        break;
    }

    // The processor owns components and timers, which want JUCE set up with this thread as the
    // message thread; no display is needed.
    const juce::ScopedJuceInitialiser_GUI juce;
    return RenderJob::run (*request, std::cout, std::cerr);
}
