#pragma once

#include <juce_core/juce_core.h>

#include <functional>

// The maker's pages the editor links to, and the one way it opens them.
namespace WebLinks
{
inline constexpr const char* makerHomePage = "https://www.zolmerton.com";
inline constexpr const char* fullVersionPage = "https://www.zolmerton.com/products/dravlen-2";

using Opener = std::function<void (const juce::URL&)>;

// Hands the page to the user's default browser; whether one starts is up to the platform.
void openInDefaultBrowser (const juce::URL& url);
} // namespace WebLinks
