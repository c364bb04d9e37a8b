#pragma once
// A working folder whose disk can be made full: every write then fails as it would with no
// space left, even when the tests run as root (who may write into a read-only folder).

#include "core/work_dir.h"

namespace tamurik::testing {

class FullDiskWorkDir : public WorkDir {
public:
    using WorkDir::WorkDir;
    void SetFull(bool full) { full_ = full; }
    bool WriteBytes(const std::string& name, std::string_view bytes) const override {
        if (full_) {
            ++refusedWrites_;
            return false;
        }
        return WorkDir::WriteBytes(name, bytes);
    }
    int refusedWrites() const { return refusedWrites_; }

private:
    bool full_ = false;
    mutable int refusedWrites_ = 0;
};

} // namespace tamurik::testing
