#pragma once

#include <string>

namespace nimbus {

// A fresh folder under /tmp for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& relative) const { return path_ + "/" + relative; }
    // Writes the bytes to a file below the folder, making the folders on its way, and
    // returns its path. A link already there is replaced, never written through.
    std::string write(const std::string& relative, const std::string& bytes) const;

private:
    std::string path_;
};

// The whole of a file; empty when it cannot be read.
std::string readFile(const std::string& path);

}  // namespace nimbus
