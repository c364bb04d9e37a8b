#pragma once
// The one random source of the program. It is seeded once at start; tests script it.

#include <cstdint>
#include <deque>
#include <random>

namespace tamurik {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double Next() = 0;
    // Int(r × n): a uniform whole number from 0 to n - 1 (0 when n <= 0).
    int Draw(int n);
};

class StdRandom : public RandomSource {
public:
    explicit StdRandom(std::uint64_t seed);
    double Next() override;

private:
    std::mt19937_64 engine_;
};

// Returns the numbers it was given, in order; after the last one it starts again from the
// first. With nothing queued it returns 0.
class ScriptedRandom : public RandomSource {
public:
    void Queue(double r) { queued_.push_back(r); }
    // Queues the number that makes Draw(n) return k.
    void QueueDraw(int k, int n) { Queue((k + 0.5) / n); }
    double Next() override;
    void Clear() {
        queued_.clear();
        pos_ = 0;
    }

private:
    std::deque<double> queued_;
    std::size_t pos_ = 0;
};

} // namespace tamurik
