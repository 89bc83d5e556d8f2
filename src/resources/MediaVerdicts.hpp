#pragma once

#include "config/KeptFile.hpp"
#include "platform/BoundedChild.hpp"
#include "resources/MediaTrial.hpp"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <string>

// Whether a media file is safe for the game to decode: the game never decodes
// a byte of a file before a short-lived child has put it through its trial
// (MediaTrial) under a memory and a time limit. A file whose child refuses it,
// crashes, is killed or passes a limit is bad, and is reported as failing to
// load like a missing one. A verdict holds for one identity of the file (its
// path, device, inode, size and modification time): each file costs one child,
// not one a screen or a cycle, and the verdicts are kept between runs in the
// cache folder, so that the next start costs none. Losing them costs time only.
class MediaVerdicts
{
public:
    // 256 MB and two seconds of processor time, which a child starved by a
    // busy machine may take up to five seconds to have.
    static constexpr BoundedChild::Limits TrialLimits{256u << 20, std::chrono::seconds(2),
                                                      std::chrono::seconds(5)};

    using Judge = std::function<BoundedChild::Outcome(MediaTrial::Kind, const std::string&)>;
    static BoundedChild::Outcome judgeInAChild(MediaTrial::Kind kind, const std::string& filename);
    // Starts the process that makes the trials' children (see ChildServer):
    // early, before the game opens its window or its sound device.
    static void startJudging();

    // The verdicts the game and --check-media go by, kept in
    // $XDG_CACHE_HOME/vantorix/media-verdicts; problems go to standard error.
    static MediaVerdicts& shared();

    // Kept in <place>/vantorix/<name>, where the XDG variables say at the
    // moment of reading or writing. Why a child failed a file, and a file of
    // verdicts that cannot be written (once), are told to problems, one line
    // each. A disk given must outlive the object.
    MediaVerdicts(KeptFile::Place place, std::string name, std::ostream& problems,
                  Judge judge = judgeInAChild, const KeptFile::Disk* disk = nullptr);

    bool isGood(MediaTrial::Kind kind, const std::string& filename);

    std::size_t childrenRun() const { return mChildrenRun; }
    // The largest resident size a child of this object's reached.
    std::uint64_t largestChildBytes() const { return mLargestChildBytes; }

private:
    struct Entry;

    void readKept();
    void keep(const Entry& entry);
    void tell(const std::string& filename, const BoundedChild::Outcome& outcome) const;

    KeptFile::Place mPlace;
    std::string mName;
    const KeptFile::Disk* mDisk;
    std::ostream& mProblems;
    Judge mJudge;
    bool mKeptRead = false;
    bool mToldCannotKeep = false;
    std::map<std::string, bool> mVerdicts; // good or not, by kind, identity and path
    std::size_t mChildrenRun = 0;
    std::uint64_t mLargestChildBytes = 0;
};
