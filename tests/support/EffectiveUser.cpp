#include "EffectiveUser.h"

#include <unistd.h>

#include <gtest/gtest.h>

EffectiveUser::EffectiveUser(uid_t user) {
    EXPECT_EQ(seteuid(user), 0);
}

EffectiveUser::~EffectiveUser() {
    EXPECT_EQ(seteuid(0), 0);
}
