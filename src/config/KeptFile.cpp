#include "config/KeptFile.hpp"

#include "config/ShownText.hpp"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

// XDG: a variable that is unset, empty or relative is ignored.
fs::path baseFolder(KeptFile::Place place)
{
    struct Folder
    {
        const char* variable;
        const char* inHome;
    };
    const Folder folder = place == KeptFile::Place::Data ? Folder{"XDG_DATA_HOME", ".local/share"}
                          : place == KeptFile::Place::Config ? Folder{"XDG_CONFIG_HOME", ".config"}
                                                             : Folder{"XDG_CACHE_HOME", ".cache"};
    const char* xdg = std::getenv(folder.variable);
    if (xdg != nullptr && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/')
        return {};
    return fs::path(home) / folder.inHome;
}

std::string describe(int error)
{
    return std::strerror(error);
}

// Closes its descriptor when it goes; closing a lock's releases the lock.
class Descriptor
{
public:
    explicit Descriptor(int fd) : mFd(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return mFd; }
    bool close()
    {
        const bool closed = mFd < 0 || ::close(mFd) == 0;
        mFd = -1;
        return closed;
    }

private:
    int mFd;
};

bool isAtOrAbove(const fs::path& folder, const fs::path& home)
{
    const fs::path relative = home.lexically_normal().lexically_relative(folder.lexically_normal());
    return !relative.empty() && *relative.begin() != "..";
}

// Makes the folder and the missing ones above it, each 0700 as XDG asks, but
// never the home folder or one above it: a HOME that is gone stays gone.
bool makeFolders(const fs::path& folder, std::string& problem)
{
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path each = folder;
         each.has_relative_path() && fs::status(each, error).type() == fs::file_type::not_found;
         each = each.parent_path())
        missing.push_back(each);
    const char* home = std::getenv("HOME");
    for (auto each = missing.rbegin(); each != missing.rend(); ++each)
    {
        if (home != nullptr && home[0] == '/' && isAtOrAbove(*each, home))
        {
            problem = "the home folder " + ShownText::escaped(home) + " does not exist";
            return false;
        }
        if (::mkdir(each->c_str(), 0700) != 0 && errno != EEXIST)
        {
            problem = "the folder " + ShownText::escaped(each->string()) +
                      " cannot be made: " + describe(errno);
            return false;
        }
    }
    return true;
}

// Waits a few seconds at most for another game to finish its write. A file
// system without locks costs only the protection.
bool takeLock(int fd, std::string& problem)
{
    for (int attempt = 0; attempt < 300; ++attempt)
    {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    problem = "another game keeps it locked";
    return false;
}

bool writeAll(int fd, const std::string& contents)
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
    return true;
}

// ".name." and the six letters or digits mkstemp puts in place of XXXXXX.
bool isTemporaryOf(const std::string& entry, const std::string& name)
{
    const std::string prefix = "." + name + ".";
    return entry.size() == prefix.size() + 6 && entry.compare(0, prefix.size(), prefix) == 0 &&
           std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// The temporary files of writes that a crash or a kill cut short.
void clearLeftovers(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (isTemporaryOf(entry.path().filename().string(), name))
            ::unlink(entry.path().c_str());
}

const KeptFile::Disk& systemDisk()
{
    static const KeptFile::Disk disk;
    return disk;
}
} // namespace

bool KeptFile::Disk::flush(int fd) const
{
    return ::fsync(fd) == 0;
}

bool KeptFile::Disk::rename(const fs::path& from, const fs::path& to) const
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

KeptFile::KeptFile(Place place, std::string name, const Disk* disk)
    : mDisk(disk != nullptr ? disk : &systemDisk())
{
    const fs::path base = baseFolder(place);
    if (!base.empty())
        mPath = base / "vantorix" / name;
}

KeptFile::Reading KeptFile::read(std::size_t maxBytes) const
{
    return mPath.empty() ? Reading() : readFile(mPath, maxBytes);
}

KeptFile::Reading KeptFile::readFile(const fs::path& path, std::size_t maxBytes)
{
    Reading reading;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return reading;
    reading.status = Reading::Status::Unreadable;
    // A pipe in the file's place is turned away, not waited on.
    if (error || status.type() != fs::file_type::regular)
    {
        reading.problem = error ? error.message() : "it is not a regular file";
        return reading;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        reading.problem = describe(errno);
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
        reading.status = Reading::Status::TooLarge;
        reading.problem = "it is larger than " + std::to_string(maxBytes) + " bytes";
        return reading;
    }
    reading.status = Reading::Status::Read;
    reading.contents = std::move(contents);
    return reading;
}

bool KeptFile::write(const std::string& contents, std::string& problem) const
{
    return update(
        0, [&](const Reading&) { return contents; }, problem);
}

bool KeptFile::update(std::size_t maxBytes, const Change& change, std::string& problem) const
{
    if (mPath.empty())
    {
        problem = "neither XDG_DATA_HOME, XDG_CONFIG_HOME nor HOME names a folder to keep it in";
        return false;
    }
    const fs::path folder = mPath.parent_path();
    if (!makeFolders(folder, problem))
        return false;
    const fs::path lockPath = folder / ("." + mPath.filename().string() + ".lock");
    const Descriptor lock(
        ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (lock.get() < 0)
    {
        problem = "cannot write in " + ShownText::escaped(folder.string()) + ": " + describe(errno);
        return false;
    }
    if (!takeLock(lock.get(), problem))
        return false;
    const std::optional<std::string> contents = change(read(maxBytes));
    return !contents || replace(*contents, problem);
}

bool KeptFile::replace(const std::string& contents, std::string& problem) const
{
    const fs::path folder = mPath.parent_path();
    const std::string name = mPath.filename().string();
    std::string temporary = (folder / ("." + name + ".XXXXXX")).string();
    Descriptor file(::mkstemp(&temporary[0]));
    if (file.get() < 0)
    {
        problem = "cannot write in " + ShownText::escaped(folder.string()) + ": " + describe(errno);
        return false;
    }
    const bool written = writeAll(file.get(), contents) && mDisk->flush(file.get());
    const int writeError = errno;
    const bool closed = file.close();
    if (!written || !closed || !mDisk->rename(temporary, mPath))
    {
        problem = "cannot write " + ShownText::escaped(mPath.string()) + ": " +
                  describe(written ? errno : writeError);
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself lasts once the folder that holds it is flushed.
    const Descriptor folderFile(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFile.get() >= 0)
        mDisk->flush(folderFile.get());
    clearLeftovers(folder, name);
    return true;
}
