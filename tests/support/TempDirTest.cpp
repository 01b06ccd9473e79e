#include "TempDirTest.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace fs = std::filesystem;

void TempDirTest::SetUp() {
    m_previous = fs::current_path().string();
    std::string pattern = (fs::temp_directory_path() / "querndale-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
    fs::current_path(m_dir);
}

void TempDirTest::TearDown() {
    fs::current_path(m_previous);
    std::error_code ignored;
    // Tests make files and folders read-only; give the owner back the right to remove them.
    for (auto it = fs::recursive_directory_iterator(m_dir, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_dir, ignored);
}

void TempDirTest::WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << name;
}

std::string TempDirTest::ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempDirTest::Exists(const std::string& name) {
    return fs::exists(name);
}
