#include "config/KeptFile.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

// XDG: a variable that is unset, empty or relative is ignored.
fs::path baseFolder(KeptFile::Place place)
{
    const bool data = place == KeptFile::Place::Data;
    const char* xdg = std::getenv(data ? "XDG_DATA_HOME" : "XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/')
        return {};
    return fs::path(home) / (data ? ".local/share" : ".config");
}

std::string describe(int error)
{
    return std::strerror(error);
}

// Writes all of contents to the open descriptor, then forces it to disk.
bool writeAndFlush(int fd, const std::string& contents)
{
    std::size_t done = 0;
    while (done < contents.size())
    {
        const ssize_t written = ::write(fd, contents.data() + done, contents.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return ::fsync(fd) == 0;
}

// The rename itself is made durable by flushing the folder that holds it.
void flushFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
} // namespace

KeptFile::KeptFile(Place place, std::string name)
{
    const fs::path base = baseFolder(place);
    if (!base.empty())
        mPath = base / "vantorix" / name;
}

KeptFile::Reading KeptFile::read(std::size_t maxBytes) const
{
    Reading reading;
    if (mPath.empty())
        return reading;

    std::error_code error;
    const fs::file_status status = fs::status(mPath, error);
    if (status.type() == fs::file_type::not_found)
        return reading;

    reading.status = Reading::Status::Unusable;
    if (error)
        reading.problem = error.message();
    else if (status.type() != fs::file_type::regular)
        reading.problem = "it is not a regular file";
    if (!reading.problem.empty())
        return reading;

    std::ifstream in(mPath, std::ios::binary);
    if (!in)
    {
        reading.problem = "it cannot be opened";
        return reading;
    }
    // One byte more than allowed tells a file that is too large from one that just fits.
    std::string contents(maxBytes + 1, '\0');
    in.read(&contents[0], static_cast<std::streamsize>(contents.size()));
    if (in.bad())
    {
        reading.problem = "it cannot be read";
        return reading;
    }
    contents.resize(static_cast<std::size_t>(in.gcount()));
    if (contents.size() > maxBytes)
    {
        reading.problem = "it is larger than " + std::to_string(maxBytes) + " bytes";
        return reading;
    }
    reading.status = Reading::Status::Read;
    reading.contents = std::move(contents);
    return reading;
}

bool KeptFile::write(const std::string& contents, std::string& problem) const
{
    if (mPath.empty())
    {
        problem = "neither XDG_DATA_HOME, XDG_CONFIG_HOME nor HOME names a folder to keep it in";
        return false;
    }

    const fs::path folder = mPath.parent_path();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
    {
        problem = "the folder " + folder.string() + " cannot be made: " + error.message();
        return false;
    }

    std::string temporary = (folder / ("." + mPath.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(&temporary[0]);
    if (fd < 0)
    {
        problem = "cannot write in " + folder.string() + ": " + describe(errno);
        return false;
    }
    const bool written = writeAndFlush(fd, contents);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), mPath.c_str()) != 0)
    {
        problem = "cannot write " + mPath.string() + ": " + describe(written ? errno : writeError);
        ::unlink(temporary.c_str());
        return false;
    }
    flushFolder(folder);
    return true;
}
