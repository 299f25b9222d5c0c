#include "editor/WebLinks.h"

void WebLinks::openInDefaultBrowser (const juce::URL& url)
{
    url.launchInDefaultBrowser();
}
