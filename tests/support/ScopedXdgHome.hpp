#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A fresh home folder for the files the game keeps: HOME, XDG_DATA_HOME,
// XDG_CONFIG_HOME and XDG_CACHE_HOME point into it while the object lives; afterwards the
// variables are as they were and the folder is gone, also when a test failed.
class ScopedXdgHome
{
public:
    ScopedXdgHome()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantorix-home-XXXXXX");
        mFolder = mkdtemp(&pattern[0]) != nullptr ? pattern : std::string();
        set("HOME", mFolder.string());
        set("XDG_DATA_HOME", (mFolder / "data").string());
        set("XDG_CONFIG_HOME", (mFolder / "config").string());
        set("XDG_CACHE_HOME", (mFolder / "cache").string());
    }

    ~ScopedXdgHome()
    {
        for (auto it = mSaved.rbegin(); it != mSaved.rend(); ++it)
        {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
        std::error_code ignored;
        std::filesystem::remove_all(mFolder, ignored);
    }

    ScopedXdgHome(const ScopedXdgHome&) = delete;
    ScopedXdgHome& operator=(const ScopedXdgHome&) = delete;

    const std::filesystem::path& folder() const { return mFolder; }
    std::filesystem::path dataFolder() const { return mFolder / "data" / "vantorix"; }
    std::filesystem::path configFolder() const { return mFolder / "config" / "vantorix"; }
    std::filesystem::path cacheFolder() const { return mFolder / "cache" / "vantorix"; }

    // Sets (or, given nothing, unsets) a variable until the object goes.
    void set(const std::string& name, std::optional<std::string> value)
    {
        const char* previous = std::getenv(name.c_str());
        mSaved.emplace_back(name, previous ? std::optional<std::string>(previous) : std::nullopt);
        if (value)
            setenv(name.c_str(), value->c_str(), 1);
        else
            unsetenv(name.c_str());
    }

private:
    std::filesystem::path mFolder;
    std::vector<std::pair<std::string, std::optional<std::string>>> mSaved;
};
