// Arbitrary bytes as the settings file: whatever the parser accepts is in range
// and comes back unchanged from the file the game would write for it. Through
// a scratch home, what one run reads it writes back and the next run reads the
// same, with nothing to say.
#include "config/Settings.hpp"

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
    const std::optional<Settings::Values> values = Settings::parse(text);
    if (values && (values->volume < 0 || values->volume > 100))
        std::abort();
    if (values && !(Settings::parse(Settings::format(*values)) == values))
        std::abort();

    const KeptFile file(KeptFile::Place::Config, "settings.ini");
    plant(file.path(), text);
    std::ostringstream problems;
    Settings first;
    first.load(problems);
    const Settings::Values read = first.values();
    if (values && size <= 4096 && !(read == *values)) // the file's size limit
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
