// Arbitrary bytes as the settings file: whatever the parser takes is in range
// and comes back unchanged, unknown lines too, from the file the game would
// write for it. Through
// a scratch home, what one run reads it writes back and the next run reads the
// same, with nothing to say.
#include "config/Settings.hpp"
#include "config/SettingsTable.hpp"

#include "ScratchHome.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    makeScratchHome();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<Settings::Reading> reading = Settings::parse(text);
    if (reading)
    {
        const Settings::Values& values = reading->values;
        for (const int level : {values.volume, values.music, values.effects})
            if (level < 0 || level > 100)
                std::abort();
        if (values.maxFps > SettingsTable::LargestMaxFps)
            std::abort();
        const auto again = Settings::parse(Settings::format(values, reading->unknown));
        if (!again || !(again->values == values) || again->unknown != reading->unknown ||
            !again->problems.empty())
            std::abort();
    }

    const KeptFile file(KeptFile::Place::Config, "settings.ini");
    plant(file.path(), text);
    std::ostringstream problems;
    Settings first;
    first.load(problems);
    const Settings::Values read = first.values();
    if (reading && !(read == reading->values))
        std::abort();
    // Written back by a run that starts from the defaults and changes something first.
    Settings writer;
    writer.save(Settings::Values{!read.muted, read.volume, read.fullscreen}, problems);
    writer.save(read, problems);
    std::ostringstream nextProblems;
    Settings next;
    next.load(nextProblems);
    if (!(next.values() == read) || !nextProblems.str().empty() ||
        !holdsOnlyTheFileAndItsLock(file.path()))
        std::abort();
    return 0;
}
