#include "sound/AudioDevice.hpp"

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/System/Err.hpp>

#include <AL/alc.h>

#include <mutex>
#include <set>
#include <streambuf>
#include <string>

namespace
{
const std::string ReportStart = "An internal OpenAL call failed";
const std::string DeviceFailures[] = {"Failed to open the audio device",
                                      "Failed to create the audio context"};

bool startsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

// Takes SFML's messages line by line; sounds on the streaming thread write too.
class OnceEach : public std::streambuf
{
public:
    explicit OnceEach(std::streambuf& out) : mOut(out) {}

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const std::lock_guard<std::mutex> lock(mMutex);
        take(traits_type::to_char_type(c));
        return c;
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        const std::lock_guard<std::mutex> lock(mMutex);
        for (std::streamsize i = 0; i < count; ++i)
            take(text[i]);
        return count;
    }

    int sync() override { return mOut.pubsync(); }

private:
    void take(char c)
    {
        if (c != '\n')
        {
            mLine += c;
            return;
        }
        const std::string line = std::move(mLine);
        mLine.clear();
        // A report: its first line, then indented lines up to an empty one.
        if (!mReport.empty())
        {
            if (line.empty())
                writeOnce(std::move(mReport));
            else
                mReport += ' ' + line.substr(line.find_first_not_of(' '));
            return;
        }
        if (startsWith(line, ReportStart))
            mReport = line;
        else if (startsWith(line, DeviceFailures[0]) || startsWith(line, DeviceFailures[1]))
            writeOnce(line);
        else
            write(line);
    }

    void writeOnce(std::string line)
    {
        if (mWritten.insert(line).second)
            write(line);
        mReport.clear();
    }

    void write(const std::string& line)
    {
        mOut.sputn(line.data(), static_cast<std::streamsize>(line.size()));
        mOut.sputc('\n');
        mOut.pubsync();
    }

    std::streambuf& mOut;
    std::mutex mMutex;
    std::string mLine;
    std::string mReport;
    std::set<std::string> mWritten;
};
} // namespace

bool AudioDevice::isOpen()
{
    // SFML opens its device with the first audio object and makes its context
    // current; a buffer is the cheapest object that makes sure that happened.
    const sf::SoundBuffer probe;
    return alcGetCurrentContext() != nullptr;
}

void AudioDevice::reportEachFailureOnce(std::ostream& out)
{
    // Lives to the end of the run: SFML's last objects write as they go.
    static OnceEach* const filter = new OnceEach(*out.rdbuf());
    sf::err().rdbuf(filter);
}
