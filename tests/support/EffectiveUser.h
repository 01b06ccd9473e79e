#pragma once

#include <sys/types.h>

// Reads and writes as another user while this lives, for a test run as root, which reads every
// file whatever its permissions. Goes back to root afterwards.
class EffectiveUser {
public:
    explicit EffectiveUser(uid_t user);
    ~EffectiveUser();
    EffectiveUser(const EffectiveUser&) = delete;
    EffectiveUser& operator=(const EffectiveUser&) = delete;
};
