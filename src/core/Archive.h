#pragma once

namespace nimbus {

// A root under which archive paths name native files.
class Archive {
public:
    virtual ~Archive() = default;
    virtual const char* root() const = 0;
};

}  // namespace nimbus
