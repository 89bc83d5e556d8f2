#include "resources/MediaVerdicts.hpp"

#include "platform/ChildServer.hpp"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <vector>

#include <sys/stat.h>

namespace
{
// The first line of the file: verdicts of another version's trials are dropped.
const std::string Heading = "vantorix media verdicts " VANTORIX_VERSION;
// Far more than the game's 26 files; the oldest verdicts go first.
constexpr std::size_t MostKept = 256;
constexpr std::size_t LongestPath = 1024;
constexpr std::size_t LargestFile = MostKept * (LongestPath + 64);

// A verdict lost to a power cut costs one child's run: the file of verdicts is
// replaced atomically like every kept file, but not flushed to disk.
class UnflushedDisk : public KeptFile::Disk
{
public:
    bool flush(int) const override { return true; }
};

std::string identityOf(const struct stat& info)
{
    std::ostringstream identity;
    identity << info.st_dev << ':' << info.st_ino << ':' << info.st_size << ':'
             << info.st_mtim.tv_sec * 1000000000ll + info.st_mtim.tv_nsec;
    return identity.str();
}

constexpr MediaTrial::Kind Kinds[] = {MediaTrial::Kind::Image, MediaTrial::Kind::SoundBuffer,
                                      MediaTrial::Kind::Song, MediaTrial::Kind::Font};

bool isKind(const std::string& name)
{
    return std::any_of(std::begin(Kinds), std::end(Kinds),
                       [&](MediaTrial::Kind kind) { return name == MediaTrial::nameOf(kind); });
}

// What the child server is asked: the kind's name, a line ending, the file.
bool trialOf(const std::string& request)
{
    const std::size_t end = request.find('\n');
    for (const MediaTrial::Kind kind : Kinds)
        if (request.compare(0, end, MediaTrial::nameOf(kind)) == 0)
            return MediaTrial::passes(kind, request.substr(end + 1));
    return false;
}
} // namespace

// One line of the file: "good image 2049:1234:4096:1733600000000000000 /path/to/file".
struct MediaVerdicts::Entry
{
    bool good = false;
    std::string kind;
    std::string identity; // device, inode, size, modification time in nanoseconds
    std::string path;     // absolute

    std::string key() const { return kind + ' ' + identity + ' ' + path; }
    std::string line() const { return (good ? "good " : "bad ") + key() + '\n'; }
    bool isOfTheSameFile(const Entry& other) const
    {
        return kind == other.kind && path == other.path;
    }

    static std::vector<Entry> parse(const std::string& text)
    {
        std::vector<Entry> entries;
        std::istringstream in(text);
        std::string line;
        if (!std::getline(in, line) || line != Heading)
            return entries;
        while (std::getline(in, line))
        {
            std::istringstream fields(line);
            std::string verdict;
            Entry entry;
            fields >> verdict >> entry.kind >> entry.identity;
            fields.get();
            std::getline(fields, entry.path);
            entry.good = verdict == "good";
            if ((entry.good || verdict == "bad") && isKind(entry.kind) &&
                std::count(entry.identity.begin(), entry.identity.end(), ':') == 3 &&
                entry.path.size() > 1 && entry.path[0] == '/')
                entries.push_back(entry);
        }
        return entries;
    }
};

MediaVerdicts::MediaVerdicts(KeptFile::Place place, std::string name, std::ostream& problems,
                             Judge judge, const KeptFile::Disk* disk)
    : mPlace(place), mName(std::move(name)), mDisk(disk), mProblems(problems),
      mJudge(std::move(judge))
{
}

MediaVerdicts& MediaVerdicts::shared()
{
    static const UnflushedDisk disk;
    static MediaVerdicts verdicts(KeptFile::Place::Cache, "media-verdicts", std::cerr,
                                  judgeInAChild, &disk);
    return verdicts;
}

void MediaVerdicts::startJudging()
{
    ChildServer::start(trialOf);
}

BoundedChild::Outcome MediaVerdicts::judgeInAChild(MediaTrial::Kind kind,
                                                   const std::string& filename)
{
    // The server keeps the working directory it started in.
    std::error_code error;
    const std::string path = std::filesystem::absolute(filename, error).string();
    return ChildServer::run(trialOf, std::string(MediaTrial::nameOf(kind)) + '\n' + path,
                            TrialLimits);
}

bool MediaVerdicts::isGood(MediaTrial::Kind kind, const std::string& filename)
{
    struct stat info = {};
    if (::stat(filename.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    std::error_code error;
    Entry entry;
    entry.kind = MediaTrial::nameOf(kind);
    entry.identity = identityOf(info);
    entry.path = std::filesystem::absolute(filename, error).string();
    if (!mKeptRead)
        readKept();
    const auto known = mVerdicts.find(entry.key());
    if (known != mVerdicts.end())
        return known->second;

    ++mChildrenRun;
    const BoundedChild::Outcome outcome = mJudge(kind, filename);
    mLargestChildBytes = std::max(mLargestChildBytes, outcome.peakResidentBytes);
    entry.good = outcome.end == BoundedChild::End::Passed;
    tell(filename, outcome);
    // A child starved by a busy machine says nothing about the file: it is
    // out for this run only, and tried again at the next start.
    mVerdicts.emplace(entry.key(), entry.good);
    if (BoundedChild::isAboutTheWork(outcome.end) && entry.path.size() <= LongestPath &&
        entry.path.find('\n') == std::string::npos)
        keep(entry);
    return entry.good;
}

void MediaVerdicts::readKept()
{
    mKeptRead = true;
    const KeptFile::Reading reading = KeptFile(mPlace, mName, mDisk).read(LargestFile);
    if (reading.status != KeptFile::Reading::Status::Read)
        return;
    for (const Entry& entry : Entry::parse(reading.contents))
        mVerdicts[entry.key()] = entry.good;
}

void MediaVerdicts::keep(const Entry& entry)
{
    const KeptFile file(mPlace, mName, mDisk);
    if (file.path().empty())
        return;
    std::string problem;
    const bool kept = file.update(
        LargestFile,
        [&](const KeptFile::Reading& current)
        {
            // Another game may have kept verdicts since this one read them.
            std::vector<Entry> entries;
            if (current.status == KeptFile::Reading::Status::Read)
                entries = Entry::parse(current.contents);
            entries.erase(std::remove_if(entries.begin(), entries.end(),
                                         [&](const Entry& other)
                                         { return other.isOfTheSameFile(entry); }),
                          entries.end());
            entries.push_back(entry);
            const std::size_t dropped = entries.size() - std::min(entries.size(), MostKept);
            std::string text = Heading + '\n';
            for (auto each = entries.begin() + static_cast<std::ptrdiff_t>(dropped);
                 each != entries.end(); ++each)
                text += each->line();
            return std::optional<std::string>(text);
        },
        problem);
    if (!kept && !mToldCannotKeep)
    {
        mToldCannotKeep = true;
        mProblems << "vantorix: the media verdicts cannot be kept (" << problem
                  << "): each start checks the media again" << std::endl;
    }
}

void MediaVerdicts::tell(const std::string& filename, const BoundedChild::Outcome& outcome) const
{
    using BoundedChild::End;
    const auto seconds = [](auto time)
    { return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(time).count()); };
    std::string why;
    switch (outcome.end)
    {
    case End::Passed:
    case End::Refused: // the decoder has said why
        return;
    case End::Crashed:
        why = "its decoder crashed" +
              (outcome.signal != 0 ? " (signal " + std::to_string(outcome.signal) + ")" : "");
        break;
    case End::OutOfMemory:
        why =
            "decoding it takes more than " + std::to_string(TrialLimits.memoryBytes >> 20) + " MB";
        break;
    case End::OutOfTime:
        why = "decoding it takes more than " + seconds(TrialLimits.processorTime) +
              " s of processor time";
        break;
    case End::Stalled:
        why = "the machine was too busy to check it in " + seconds(TrialLimits.realTime) +
              " s; it is checked again at the next start";
        break;
    case End::NotStarted:
        why = "no process can be started to check it";
        break;
    }
    mProblems << "vantorix: " << filename << ": " << why << std::endl;
}
