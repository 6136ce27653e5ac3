#include "core/InBuffer.h"

#include "core/Log.h"

namespace nimbus {

bool requireBytes(const InBuffer& in, int64_t count) {
    if (in.bytesLeft() >= count) return true;
    LOG_ERROR("Not enough bytes left in input buffer " << in.name() << ", expected " << count
                                                       << " but there's only " << in.bytesLeft() << " left.");
    return false;
}

}  // namespace nimbus
