#include "PresetTestSupport.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace PresetTesting
{
std::string readFile (const std::string& path)
{
    std::ifstream in (path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

bool exists (const std::string& path)
{
    struct stat status = {};
    return lstat (path.c_str(), &status) == 0;
}

const std::vector<std::string>& allIds()
{
    static const std::vector<std::string> ids{ ParameterIds::power,           ParameterIds::transients,
                                               ParameterIds::transientsPower, ParameterIds::multiband,
                                               ParameterIds::multibandPower,  ParameterIds::parallel,
                                               ParameterIds::parallelPower,   ParameterIds::gain };
    return ids;
}

std::string presetText (const std::vector<std::pair<std::string, std::string>>& entries, const std::string& count,
                        const std::string& firstLine)
{
    auto text = firstLine + "\n" + count + "\n";

    for (const auto& [id, value] : entries)
        text += id + "\n" + value + "\n";

    return text;
}

PresetFixture::PresetFixture()
    : presets (processor.getParameterManager(), folder.path())
{
    presets.showError = [this] (const std::string& title, const std::string& message) {
        errors.push_back ({ title, message });
    };
}

Values PresetFixture::values()
{
    Values result;

    for (const auto& id : allIds())
        result[id] = parameters().getRawValue (id);

    return result;
}

Values PresetFixture::defaults()
{
    Values result;

    for (const auto& id : allIds())
        result[id] = parameters().getRawDefaultValue (id);

    return result;
}

void PresetFixture::set (const Values& rawValues)
{
    for (const auto& [id, value] : rawValues)
        parameters().setRawValue (id, value);
}

void PresetFixture::setAwayFromDefaults()
{
    set ({ { ParameterIds::power, 0.0f },
           { ParameterIds::transients, 100.0f },
           { ParameterIds::transientsPower, 0.0f },
           { ParameterIds::multiband, 0.0f },
           { ParameterIds::multibandPower, 0.0f },
           { ParameterIds::parallel, 75.0f },
           { ParameterIds::parallelPower, 0.0f },
           { ParameterIds::gain, -12.3f } });
}
} // namespace PresetTesting
