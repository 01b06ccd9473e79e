#pragma once

#include <string>

#include <gtest/gtest.h>

// Runs each test in a fresh temporary directory of its own, which is the working directory for
// the test's duration; the directory and everything in it go afterwards.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::string& Dir() const { return m_dir; }
    // Writes `bytes` to `name` in the test directory.
    static void WriteFile(const std::string& name, const std::string& bytes);
    // The whole contents of `name`; fails the test when it cannot be read.
    static std::string ReadFile(const std::string& name);
    static bool Exists(const std::string& name);

private:
    std::string m_dir;
    std::string m_previous;
};
