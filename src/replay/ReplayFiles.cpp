#include "replay/ReplayFiles.hpp"

#include "config/ShownText.hpp"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
// A folder that cannot be written is said once a run.
bool sKeepReported = false;
} // namespace

KeptFile ReplayFiles::file(Kept which)
{
    return KeptFile(KeptFile::Place::Data,
                    which == Kept::Last ? "replays/last.vxr" : "replays/best.vxr");
}

std::optional<ReplayReader> ReplayFiles::load(const fs::path& path, std::string& problem)
{
    const KeptFile::Reading reading = KeptFile::readFile(path, LargestFile);
    std::string fault;
    std::optional<ReplayReader> replay;
    switch (reading.status)
    {
    case KeptFile::Reading::Status::Missing:
        fault = "there is no such file";
        break;
    case KeptFile::Reading::Status::Read:
        replay = ReplayReader::open(reading.contents, fault);
        break;
    case KeptFile::Reading::Status::TooLarge:
    case KeptFile::Reading::Status::Unreadable:
        fault = reading.problem;
        break;
    }
    if (!replay)
        problem = "vantorix: the replay " + ShownText::quoted(path.string()) +
                  " cannot be played: " + ShownText::escaped(fault);
    return replay;
}

std::optional<ReplayReader> ReplayFiles::load(Kept which, std::string& problem)
{
    const KeptFile kept = file(which);
    if (kept.path().empty())
    {
        problem = "vantorix: no folder is named to keep replays in";
        return std::nullopt;
    }
    return load(kept.path(), problem);
}

bool ReplayFiles::exists(Kept which)
{
    const KeptFile kept = file(which);
    std::error_code error;
    return !kept.path().empty() && fs::is_regular_file(kept.path(), error);
}

void ReplayFiles::keep(const std::string& bytes, bool setRecord, std::ostream& problems)
{
    std::string problem;
    if ((!file(Kept::Last).write(bytes, problem) ||
         (setRecord && !file(Kept::Best).write(bytes, problem))) &&
        !sKeepReported)
    {
        sKeepReported = true;
        problems << "vantorix: the game's replay cannot be kept: " << ShownText::escaped(problem)
                 << std::endl;
    }
}

std::vector<fs::path> ReplayFiles::demos()
{
    std::vector<fs::path> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("Demos", error))
        if (entry.path().extension() == ".vxr")
            found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}
