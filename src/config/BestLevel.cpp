#include "config/BestLevel.hpp"

#include "config/ShownText.hpp"

#include <algorithm>
#include <cctype>

namespace
{
// Room for the number and a line ending, and little else.
constexpr std::size_t LargestFile = 64;

bool isSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
} // namespace

BestLevel::BestLevel(KeptFile file) : mFile(std::move(file)) {}

std::optional<int> BestLevel::parse(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    if (begin == end || end - begin > 7)
        return std::nullopt;

    int value = 0;
    for (std::size_t i = begin; i < end; ++i)
    {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (value < 1 || value > Largest)
        return std::nullopt;
    return value;
}

void BestLevel::load(std::ostream& problems)
{
    mBest.reset();
    const KeptFile::Reading reading = mFile.read(LargestFile);
    std::string damage;
    switch (reading.status)
    {
    case KeptFile::Reading::Status::Missing:
        return;
    case KeptFile::Reading::Status::Read:
        mBest = parse(reading.contents);
        if (mBest)
            return;
        damage = "not a whole number from 1 to " + std::to_string(Largest);
        break;
    case KeptFile::Reading::Status::TooLarge:
        damage = reading.problem;
        break;
    case KeptFile::Reading::Status::Unreadable:
        // Only a record whose bytes were read and found damaged is replaced.
        problems << "vantorix: the best level in " << ShownText::escaped(mFile.path().string())
                 << " cannot be read (" << reading.problem << "); it is left as it is" << std::endl;
        mReported = true;
        return;
    }
    problems << "vantorix: the best level in " << ShownText::escaped(mFile.path().string())
             << " is damaged (" << damage << "); it will be replaced at the next game over"
             << std::endl;
    mReported = true;
}

BestLevel::Outcome BestLevel::record(int reached, std::ostream& problems)
{
    // Another game on the same account may have raised the record since it was
    // loaded: under the file's lock, the highest of the record on disk, this
    // run's and the level reached is kept.
    std::optional<int> earlier = mBest;
    bool unreadable = false;
    const auto keepHighest = [&](const KeptFile::Reading& current) -> std::optional<std::string>
    {
        if (current.status == KeptFile::Reading::Status::Unreadable)
        {
            unreadable = true;
            return std::nullopt;
        }
        const bool read = current.status == KeptFile::Reading::Status::Read;
        const std::optional<int> onDisk = read ? parse(current.contents) : std::nullopt;
        earlier = std::max(earlier, onDisk);
        const int best = std::max(earlier.value_or(reached), reached);
        if (onDisk && *onDisk == best)
            return std::nullopt;
        return std::to_string(best) + "\n";
    };
    std::string problem;
    const bool kept = mFile.update(LargestFile, keepHighest, problem);

    Outcome outcome;
    outcome.reached = reached;
    outcome.best = std::max(earlier.value_or(reached), reached);
    outcome.isNewBest = earlier && reached > *earlier;
    outcome.setsRecord = !earlier || reached > *earlier;
    mBest = outcome.best;
    if ((!kept || unreadable) && !mReported)
    {
        problems << "vantorix: the best level cannot be kept: "
                 << (unreadable ? ShownText::escaped(mFile.path().string()) + " cannot be read"
                                : problem)
                 << std::endl;
        mReported = true;
    }
    mLastGame = outcome;
    return outcome;
}
