#include "work_dir.h"

#include "encoding.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <system_error>
#include <utility>

namespace tamurik {

namespace fs = std::filesystem;

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool IsRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

} // namespace

WorkDir::WorkDir(fs::path folder) : folder_(std::move(folder)) {}

fs::path WorkDir::PathOf(const std::string& name) const {
    fs::path exact = folder_ / name;
    std::error_code ec;
    if (fs::exists(fs::symlink_status(exact, ec))) {
        return exact;
    }
    // Word files copied from elsewhere often arrive as zahlverb.txt or Zahlverb.txt.
    try {
        for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string candidate = it->path().filename().string();
            if (SameNameIgnoringCase(candidate, name)) {
                return it->path();
            }
        }
    } catch (const std::exception&) {
        // A folder that cannot be listed has no other spelling to offer.
    }
    return exact;
}

Text WorkDir::DisplayPath(const std::string& name) const {
    fs::path path = PathOf(name);
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (!ec) {
        path = absolute.lexically_normal();
    }
    return FromUtf8(path.string());
}

bool WorkDir::Exists(const std::string& name) const {
    return IsRegularFile(PathOf(name));
}

std::optional<std::string> WorkDir::ReadBytes(const std::string& name) const {
    try {
        const fs::path path = PathOf(name);
        if (!IsRegularFile(path)) {
            return std::nullopt;
        }
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        std::string bytes;
        char buffer[64 * 1024];
        while (bytes.size() < kMaxFileBytes) {
            const std::size_t wanted = std::min(sizeof buffer, kMaxFileBytes - bytes.size());
            in.read(buffer, static_cast<std::streamsize>(wanted));
            const std::streamsize got = in.gcount();
            if (got <= 0) {
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
        if (in.bad()) {
            return std::nullopt;
        }
        return bytes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<std::vector<Text>> WorkDir::ReadLines(const std::string& name) const {
    std::optional<std::string> bytes = ReadBytes(name);
    if (!bytes) {
        return std::nullopt;
    }
    if (bytes->size() >= kMaxFileBytes) {
        // Only the first part of an oversized file is read: keep whole lines of it, so that
        // no half line (or half of a UTF-8 character) is taken for a word.
        const auto lastEnd = bytes->find_last_of("\r\n");
        if (lastEnd != std::string::npos) {
            bytes->resize(lastEnd + 1);
        }
    }
    try {
        return SplitLines(DecodeFileText(*bytes));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool WorkDir::WriteLines(const std::string& name, const std::vector<Text>& lines) const {
    std::string bytes;
    try {
        for (const Text& line : lines) {
            bytes += EncodeWindows1252(line);
            bytes += "\r\n";
        }
    } catch (const std::exception&) {
        return false;
    }
    return WriteBytes(name, bytes);
}

bool WorkDir::WriteBytes(const std::string& name, std::string_view bytes) const {
    fs::path target;
    fs::path temp;
    try {
        target = PathOf(name);
        temp = target;
        std::string tempName = target.filename().string();
        tempName.insert(0, 1, '.');
        tempName.append(".tmp");
        temp.replace_filename(tempName);
        {
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            if (!out) {
                return false;
            }
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.close();
            if (out.fail()) {
                std::error_code ignored;
                fs::remove(temp, ignored);
                return false;
            }
        }
        std::error_code ec;
        fs::rename(temp, target, ec);
        if (ec) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
        return true;
    } catch (const std::exception&) {
        if (!temp.empty()) {
            std::error_code ignored;
            fs::remove(temp, ignored);
        }
        return false;
    }
}

bool WorkDir::AppendLine(const std::string& name, const Text& line,
                         const std::function<bool(const Text&)>& keep) const {
    std::vector<Text> lines;
    if (std::optional<std::vector<Text>> old = ReadLines(name)) {
        lines = std::move(*old);
        if (keep)
            std::erase_if(lines, [&](const Text& kept) { return !keep(kept); });
    } else {
        // Missing: the line starts a new file. Present but unreadable: leave it alone rather
        // than replace its content with this one line.
        std::error_code ec;
        if (fs::exists(fs::symlink_status(PathOf(name), ec))) {
            return false;
        }
    }
    try {
        lines.push_back(line);
    } catch (const std::exception&) {
        return false;
    }
    return WriteLines(name, lines);
}

} // namespace tamurik
