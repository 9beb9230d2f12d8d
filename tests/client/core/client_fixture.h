// A fresh headless backend in virtual time with the client's resource
// tables registered (with the artwork embedded in the program) for every
// test.
#pragma once

#include "res/resources.h"

#include "platform/afx.h"
#include "platform/headless_backend.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <memory>

class ClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<platform::HeadlessBackend>();
        headless = backend.get();
        UserSetBackend(std::move(backend));
        UserClearResources();
        resourcesRegistered = RegisterQuillpostResources();
    }
    void TearDown() override
    {
        AfxDeleteTempMaps();
        UserSetBackend(std::make_unique<platform::HeadlessBackend>());
        UserClearResources();
    }

    platform::HeadlessBackend* headless = nullptr;
    int resourcesRegistered = 0;
};
