#pragma once

#include <QString>

#include <array>

// launch.dat: one 1186-byte record holding eight command lines and eight button captions; the
// eighth pair is kept but never shown.
struct LaunchRecord
{
    static constexpr int Length = 1186;
    static constexpr int Slots = 8;
    static constexpr int CommandWidth = 128;
    static constexpr int CaptionWidth = 20;

    std::array<QString, Slots> launch; // launch1 ... launch8: command lines
    std::array<QString, Slots> cmd;    // cmd1 ... cmd8: captions
};

class LaunchStore
{
public:
    static QString fileName();

    bool exists() const;
    // Record 1 with its number and every text blank.
    void create() const;
    LaunchRecord read() const;
    void write(const LaunchRecord &record) const;
};
