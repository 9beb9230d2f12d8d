// A fresh headless backend with a virtual clock and an empty resource
// table for every test; temporary wrappers are freed afterwards.
#pragma once

#include "platform/afx.h"
#include "platform/headless_backend.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <memory>

class AfxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<platform::HeadlessBackend>();
        headless = backend.get();
        UserSetBackend(std::move(backend));
        UserClearResources();
    }
    void TearDown() override
    {
        AfxDeleteTempMaps();
        UserSetBackend(std::make_unique<platform::HeadlessBackend>());
        UserClearResources();
    }

    platform::HeadlessBackend* headless = nullptr;
};
