#include "config/BestLevel.hpp"

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
    mDamaged = false;
    const KeptFile::Reading reading = mFile.read(LargestFile);
    switch (reading.status)
    {
    case KeptFile::Reading::Status::Missing:
        return;
    case KeptFile::Reading::Status::Read:
        mBest = parse(reading.contents);
        if (mBest)
            return;
        problems << "vantorix: the best level in " << mFile.path().string()
                 << " is damaged (not a whole number from 1 to " << Largest
                 << "); it will be replaced at the next game over" << std::endl;
        break;
    case KeptFile::Reading::Status::Unusable:
        problems << "vantorix: the best level in " << mFile.path().string() << " cannot be read ("
                 << reading.problem << "); it will be replaced at the next game over" << std::endl;
        break;
    }
    mDamaged = true;
    mReported = true;
}

BestLevel::Outcome BestLevel::record(int reached, std::ostream& problems)
{
    Outcome outcome;
    outcome.reached = reached;
    outcome.isNewBest = mBest && reached > *mBest;
    const bool isRecord = !mBest || reached > *mBest;
    if (isRecord)
        mBest = reached;
    outcome.best = *mBest;

    if (isRecord || mDamaged)
    {
        std::string problem;
        if (mFile.write(std::to_string(*mBest) + "\n", problem))
            mDamaged = false;
        else if (!mReported)
        {
            problems << "vantorix: the best level cannot be kept: " << problem << std::endl;
            mReported = true;
        }
    }
    mLastGame = outcome;
    return outcome;
}
