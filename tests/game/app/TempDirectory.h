#pragma once

#include <cstdlib>
#include <string>

// A fresh directory under /tmp, removed with everything in it when the test ends.
class TempDirectory {
public:
    TempDirectory() {
        char pattern[] = "/tmp/nimbus-game-XXXXXX";
        if (mkdtemp(pattern)) path_ = pattern;
    }
    ~TempDirectory() {
        if (!path_.empty()) std::system(("rm -rf '" + path_ + "'").c_str());
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};
