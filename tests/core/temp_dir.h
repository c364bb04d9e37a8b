#pragma once
// A fresh empty working folder for one test, removed with everything in it afterwards.

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <system_error>

namespace tamurik::test {

class TempDir {
public:
    TempDir() {
        std::string name =
            (std::filesystem::temp_directory_path() / "tamurik-test-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        path_ = name;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes as they are (no conversion of line ends or characters).
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    std::string Read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    bool Has(const std::string& name) const { return std::filesystem::exists(path_ / name); }

    // Number of entries in the folder (to see that no temporary file stays behind).
    std::size_t EntryCount() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_))
            ++count;
        return count;
    }

private:
    std::filesystem::path path_;
};

// Every file of a folder and its bytes (to see that nothing changed, came or went).
inline std::map<std::string, std::string> FolderBytes(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
}

// Bytes (each one character below U+0100) as UTF-16, with or without its byte-order mark.
inline std::string Utf16(const std::string& bytes, bool little, bool mark = true) {
    std::string wide = !mark ? "" : little ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : bytes) {
        wide += little ? std::string{c, '\0'} : std::string{'\0', c};
    }
    return wide;
}

// Runs `write` where the folder cannot be written. Root may write anywhere, so as root the
// write runs in a child process that has given up root first (user and group 65534).
inline bool WriteInReadOnlyFolder(const std::filesystem::path& folder,
                                  const std::function<bool()>& write) {
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                    std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
                    std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    if (geteuid() != 0) {
        return write();
    }
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        _exit(write() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 2) << "could not give up root";
    return !WIFEXITED(status) || WEXITSTATUS(status) != 0;
}

} // namespace tamurik::test
