// Arbitrary bytes as the settings file, in a scratch home: whatever the parser
// accepts is in range and comes back unchanged from the file the game would
// write for it; and through the file, what one run reads it writes back and
// the next run reads the same, with nothing to say and no temporary file left.
#include "config/Settings.hpp"

#include "ScratchHome.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ScratchHome::make();
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
    std::filesystem::create_directories(file.path().parent_path());
    std::ofstream(file.path(), std::ios::binary | std::ios::trunc) << text;
    std::ostringstream problems;
    Settings first;
    first.load(problems);
    const Settings::Values read = first.values();
    if (values && !(read == *values))
        std::abort();

    // Written back by a run that starts from the defaults and changes something first.
    Settings writer;
    Settings::Values other = read;
    other.volume = (read.volume + 1) % 101;
    writer.save(other, problems);
    writer.save(read, problems);
    std::ostringstream nextProblems;
    Settings next;
    next.load(nextProblems);
    if (!(next.values() == read) || !nextProblems.str().empty() ||
        !ScratchHome::strayFiles(file.path()).empty())
        std::abort();
    return 0;
}
