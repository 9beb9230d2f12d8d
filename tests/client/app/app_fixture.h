// A headless backend in virtual time, the client's resource tables, and a
// private working directory holding the artwork's "Frame.bmp" and
// "Title.bmp" and a sys.con, for every test.
#pragma once

#include "res/resources.h"

#include "platform/afx.h"
#include "platform/headless_backend.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

class ClientAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        char pattern[] = "/tmp/quillpost-app-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
        fs::copy_file(fs::path(QP_TEST_ARTWORK_DIR) / "Frame.bmp", dir / "Frame.bmp");
        fs::copy_file(fs::path(QP_TEST_ARTWORK_DIR) / "Title.bmp", dir / "Title.bmp");
        std::ofstream(dir / "sys.con") << "127.0.0.1\nTitle.bmp\n12348\n";
        previous = fs::current_path();
        fs::current_path(dir);
        // The single-copy counter of this test process stays private.
        ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);

        auto backend = std::make_unique<platform::HeadlessBackend>();
        headless = backend.get();
        UserSetBackend(std::move(backend));
        UserClearResources();
        RegisterQuillpostResources();
    }

    void TearDown() override
    {
        AfxDeleteTempMaps();
        UserSetBackend(std::make_unique<platform::HeadlessBackend>());
        UserClearResources();
        std::filesystem::current_path(previous);
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    std::filesystem::path dir;
    std::filesystem::path previous;
    platform::HeadlessBackend* headless = nullptr;
};
