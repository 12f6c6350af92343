#pragma once

// A small tmpfs of the test's own, filled to within a few kilobytes: a
// disk that fills up part-way through a write. Mounting needs root; a test
// without it is skipped by its caller (FullDisk::mounted()).

#include <dirent.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace corvane::testing_support {

class FullDisk {
public:
    // `before` is written there first, so that a test can check it survives.
    explicit FullDisk(const std::vector<std::pair<std::string, std::string>>& before = {},
        std::size_t freeBytes = 8 * 1024)
    {
        char pattern[] = "/tmp/corvane-full-XXXXXX";
        if (!::mkdtemp(pattern))
            return;
        folder_ = pattern;
        if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=512k") != 0)
            return;
        mounted_ = true;
        for (const auto& [name, bytes] : before)
            std::ofstream(path(name), std::ios::binary) << bytes;
        // Fill it, then give a little back.
        const std::string filler = path(".filler");
        if (FILE* file = std::fopen(filler.c_str(), "wb")) {
            const std::vector<char> block(4096, 'x');
            long written = 0;
            while (std::fwrite(block.data(), 1, block.size(), file) == block.size()
                && std::fflush(file) == 0)
                written += static_cast<long>(block.size());
            std::fclose(file);
            if (::truncate(filler.c_str(),
                    written > static_cast<long>(freeBytes) ? written - static_cast<long>(freeBytes)
                                                           : 0)
                != 0)
                mounted_ = false;
        }
    }
    ~FullDisk()
    {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
        if (!folder_.empty())
            ::rmdir(folder_.c_str());
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& folder() const { return folder_; }
    std::string path(const std::string& name) const { return folder_ + "/" + name; }

    // The names in the folder, filler left out: a temporary file left behind
    // shows up here.
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        if (DIR* dir = ::opendir(folder_.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                const std::string name = entry->d_name;
                if (name != "." && name != ".." && name != ".filler")
                    found.push_back(name);
            }
            ::closedir(dir);
        }
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    std::string folder_;
    bool mounted_ = false;
};

} // namespace corvane::testing_support
