// The record file: its layout, its grid, what it keeps of a file already there, and how it
// refuses a place it cannot write.
#include "records/model/recordfile.h"
#include "semicircle/model/raytrace.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A perfectly placed semicircle of index n: sin r = sin i / n whatever the set-up.
RefractionTracer Ideal(double n) {
    return [n](const RecordSetup& s) { return std::asin(std::sin(s.incidenceDeg * PI / 180) / n); };
}

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::vector<std::byte> bytesOf(const fs::path& path) {
        const RecordFileContents contents = ReadRecordFileBytes(path);
        EXPECT_TRUE(contents.ok) << contents.reason;
        return contents.bytes;
    }
    const fs::path dir = fs::temp_directory_path() /
                         ("recordfile_" + std::to_string(::getpid()) + "_" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const fs::path file = dir / kRecordFileName;
};

} // namespace

// Over a longer file: the records in grid order, each with the index, the bytes beyond the
// last slot kept, and the same file from a second run. Alone, the file is 14,640 full slots and
// the 48 bytes of the last; where every ray leaves at the same angle (slope 0) no index is
// finite, and each is stored as infinity and counted in the message.
TEST_F(RecordFileTest, AnIdealSemicircleGivesItsIndexInEveryRecordInGridOrder) {
    const std::size_t longer = 14641 * 128 + 1000;
    std::ofstream(file, std::ios::binary) << std::string(longer, 'T');
    ASSERT_TRUE(WriteRecordFile(file, Ideal(1.5)).ok);
    const auto bytes = bytesOf(file);
    ASSERT_EQ(bytes.size(), longer);
    EXPECT_TRUE(std::all_of(bytes.begin() + kRecordFileMinBytes, bytes.end(),
                            [](std::byte b) { return b == std::byte{'T'}; }));
    const auto records = ParseRecords(std::span(bytes).first(kRecordFileMinBytes));
    ASSERT_EQ(records.size(), 14641u);
    for (const auto& r : records)
        ASSERT_TRUE(std::fabs(r.indexFit - 1.5) < 5e-7 && std::fabs(r.interceptFit) < 1e-6);
    // Record k (from 1) with loop indices i, j, k, l is number 1 + l + 11 k + 121 j + 1331 i.
    const std::pair<int, std::array<double, 4>> byHand[] = {
        {1, {-2, -1, -1, -5}},    {2, {-2, -1, -1, -4}}, {6, {-2, -1, -1, 0}},
        {12, {-2, -1, -0.8, -5}}, {7321, {0, 0, 0, 0}},  {14641, {2, 1, 1, 5}}};
    for (const auto& [k, setup] : byHand) {
        const MeasurementRecord& r = records[std::size_t(k - 1)];
        EXPECT_EQ((std::array{r.rayH, r.xc, r.yc, r.tilt}), setup) << k;
    }
    ASSERT_TRUE(WriteRecordFile(file, Ideal(1.5)).ok);
    EXPECT_EQ(bytesOf(file), bytes);
    fs::remove(file);
    const RecordFileResult flat = WriteRecordFile(file, [](const RecordSetup&) { return 0.5; });
    ASSERT_TRUE(flat.ok && fs::file_size(file) == 1873968u) << flat.reason;
    EXPECT_EQ(flat.nonFiniteIndex, 14641);
    const std::string message = RecordFileMessage(flat);
    EXPECT_TRUE(message.starts_with(" number of records =14641") &&
                message.find("finite index =14641 ") != std::string::npos);
    const MeasurementRecord first = ParseRecords(bytesOf(file)).at(0);
    EXPECT_TRUE(std::isinf(first.indexFit) && first.indexFit > 0);
    EXPECT_NEAR(first.interceptFit, std::sin(0.5), 1e-6);
}

// A place that is no regular file, or cannot be opened, is refused before anything is traced:
// a missing folder, a folder, a named pipe with or without a reader, a device. The message
// names the file and the reason, and never claims a count.
TEST_F(RecordFileTest, APlaceThatCannotBeWrittenIsRefusedAtOnce) {
    int traces = 0;
    const RefractionTracer counting = [&](const RecordSetup& s) { return ++traces, Ideal(1.5)(s); };
    const fs::path missing = dir / "no such folder" / kRecordFileName;
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    std::vector<std::pair<RecordFileResult, std::string>> refused{
        {WriteRecordFile(missing, counting), "No such file or directory"},
        {WriteRecordFile(dir, counting), "Is a directory"},
        {WriteRecordFile(file, counting), "not a regular file"}};
    const int reader = ::open(file.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    refused.push_back({WriteRecordFile(file, counting), "not a regular file"});
    char byte;
    EXPECT_LE(::read(reader, &byte, 1), 0); // not a byte went into the pipe
    ::close(reader);
    if (fs::exists("/dev/full"))
        refused.push_back({WriteRecordFile("/dev/full", counting), "not a regular file"});
    for (const auto& [r, reason] : refused)
        EXPECT_TRUE(!r.ok && r.recordsWritten == 0 && r.reason == reason) << r.reason;
    const std::string message = RecordFileMessage(refused[0].first);
    EXPECT_NE(message.find(missing.string() + " could not be written: No such file or directory"),
              std::string::npos);
    EXPECT_EQ(message.find(" number of records ="), std::string::npos);
    EXPECT_EQ(traces, 0);
}

// Six little-endian doubles at the start of each 128-byte slot (the hash below fixes every
// byte of a whole file): 1.5 is 0x3FF8000000000000, its low bytes first at offset 32. A slot cut
// short before its 48th byte is not read.
TEST(RecordBytes, SixLittleEndianDoublesInSlotsOf128) {
    std::vector<std::byte> two(2 * 128 + 40);
    EncodeRecord({-2, -1, 0.5, 5, 1.5, -0.25}, std::span(two).subspan<128, kRecordBytes>());
    EXPECT_EQ(std::to_integer<int>(two[128 + 32 + 7]) * 256 + std::to_integer<int>(two[128 + 38]),
              0x3FF8);
    const auto records = ParseRecords(two);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].interceptFit, -0.25);
}

// With the semicircle's own tracer: glass less dense than air (n = 0.9) turns back the rays at
// 70 and 80 degrees, so no series has an index; denser glass measures n itself when centred.
// The file of the window's opening set-up (n = 1.5, R = 100, flat face first) is byte for
// byte the file the program has always written: its FNV-1a hash.
TEST_F(RecordFileTest, TheSemicirclesOwnTracerAndTheOpeningSetUpsFile) {
    std::vector<MeasurementRecord> records;
    const auto keep = [&](const MeasurementRecord& r) { records.push_back(r); };
    ComputeRecords([](const RecordSetup& s) { return aktina2({0.9, 100, 1}, s); }, keep);
    for (const MeasurementRecord& r : records)
        ASSERT_TRUE(std::isinf(r.indexFit));
    records.clear();
    ComputeRecords([](const RecordSetup& s) { return aktina2({1.5, 100, 1}, s); }, keep);
    EXPECT_NEAR(records.at(7320).indexFit, 1.5, 1e-6);
    EXPECT_NEAR(records[7320].interceptFit, 0, 1e-6);
    ASSERT_TRUE(WriteRecordFile(file, [](const RecordSetup& s) { return aktina2({}, s); }).ok);
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const std::byte b : bytesOf(file))
        hash = (hash ^ std::to_integer<std::uint64_t>(b)) * 0x100000001b3u;
    EXPECT_EQ(hash, 0x6888ee79c256cca0u);
}
