// The program's instance lock: a lock file named KTTessaro.
#pragma once

#include "platform/platform.h"

#include <QLockFile>

namespace tessaro::platform {

class LockFileSingleInstance : public SingleInstance {
public:
    // KTTessaro in the user's runtime folder, or in the temporary folder
    // when there is none.
    static QString DefaultLockPath();

    explicit LockFileSingleInstance(const QString& lockPath = DefaultLockPath());

    // Tries once, never waiting; true again once held. A lock left behind by
    // a program that ended without releasing it is taken over. The lock is
    // released when this object goes.
    bool acquire() override;
    void release() override { lock_.unlock(); }

private:
    QLockFile lock_;
};

} // namespace tessaro::platform
