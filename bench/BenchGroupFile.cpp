// Speed of loading and saving a full group (127 publishers, 250 notes) beside the floor of a
// plain read and write of the same bytes.
#include "data/GroupData.h"
#include "fixtures/GroupBuilder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using vak::fixtures::GroupBuilder;

class QuietSink : public vak::MessageSink {
public:
    vak::MsgAnswer Show(const std::string&, vak::MsgButtons, vak::MsgIcon) override { return vak::MsgAnswer::Ok; }
};

std::string Scratch(const char* name)
{
    const auto folder = std::filesystem::temp_directory_path() / "vak-bench";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

// A full group file: 127 publishers with names, telephones and a year of reports, 250 notes.
const std::string& FullGroupPath()
{
    static const std::string path = [] {
        GroupBuilder builder;
        builder.Group(4).Month(10).SecretaryMail("tajemnik@example.cz");
        for (int p = 1; p <= vak::MAX_PUBLISHERS; ++p) {
            auto publisher = builder.AddPublisher({.firstName = "Bohumila",
                                                   .surname = "Křižíková " + std::to_string(p),
                                                   .email = "bohumila" + std::to_string(p) + "@example.cz",
                                                   .phones = {"+420 603 123 456", "545 111 222", ""}});
            for (int m = 0; m < vak::MONTHS; ++m)
                publisher.Report(m, 0, {.publications = 3, .hours = 12, .returnVisits = 4, .studies = 1, .quarters = 2});
            if (p <= 125) {
                publisher.Note(0, 0, "Nemocná, zpráva bude příští měsíc");
                publisher.Note(1, 0, "0");
            }
        }
        const std::string file = Scratch("full.t09");
        builder.WriteTo(file);
        return file;
    }();
    return path;
}

std::vector<std::uint8_t> ReadAll(const std::string& path)
{
    std::vector<std::uint8_t> bytes(std::filesystem::file_size(path));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    bytes.resize(got);
    return bytes;
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The floor: read the file's bytes and write them to another file, nothing else.
void BM_PlainReadWrite(benchmark::State& state)
{
    const std::string out = Scratch("plain.t09");
    for (auto _ : state) {
        auto bytes = ReadAll(FullGroupPath());
        WriteAll(out, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_PlainReadWrite);

// Load (read and unscramble) and save (scramble a copy, build the bytes, atomic replace).
void BM_LoadAndSave(benchmark::State& state)
{
    QuietSink messages;
    vak::CGroupData group(messages);
    const std::string out = Scratch("saved.t09");
    for (auto _ : state) {
        group.LoadGroupFile(FullGroupPath());
        group.SaveGroupFile(out);
    }
}
BENCHMARK(BM_LoadAndSave);

// The work in memory alone: unscramble every record, then build the scrambled file bytes.
void BM_InMemoryWork(benchmark::State& state)
{
    QuietSink messages;
    vak::CGroupData group(messages);
    group.LoadGroupFile(FullGroupPath());
    for (auto _ : state) {
        group.ScrambleAll(vak::STEP_SCRAMBLE);    // back to the file's form
        group.ScrambleAll(vak::STEP_UNSCRAMBLE);  // what loading does
        auto bytes = group.BuildFileBytes();      // what saving does
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_InMemoryWork);

// The file system calls of the atomic replace alone.
void BM_AtomicReplace(benchmark::State& state)
{
    const auto bytes = ReadAll(FullGroupPath());
    const std::string out = Scratch("replaced.t09");
    for (auto _ : state)
        benchmark::DoNotOptimize(vak::WriteFileSafely(out, bytes));
}
BENCHMARK(BM_AtomicReplace);

} // namespace

BENCHMARK_MAIN();
