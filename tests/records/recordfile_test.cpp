#include "records/model/recordfile.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "semicircle/model/experiment_state.h"
#include "semicircle/model/raytrace.h"
#include "shell/model/mathconst.h"

namespace {

namespace fs = std::filesystem;

// A perfectly placed semicircle: sin r = sin i / n whatever the set-up.
double idealTracer(const ExperimentState& state, double) {
    return std::asin(std::sin(state.incidence * PI / 180) / state.indexN);
}

class RecordFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("recordfile_test_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        file = dir / kRecordFileName;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::vector<std::byte> bytesOf(const fs::path& path) {
        const RecordFileContents contents = ReadRecordFileBytes(path);
        EXPECT_TRUE(contents.ok) << contents.reason;
        return contents.bytes;
    }

    fs::path dir;
    fs::path file;
};

} // namespace

TEST_F(RecordFileTest, IdealSemicircleGivesItsIndexInEveryRecordInGridOrder) {
    ExperimentState state;
    state.indexN = 1.5;
    const RecordFileResult result = WriteRecordFile(state, file, idealTracer);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(result.recordsWritten, 14641);
    EXPECT_EQ(result.nonFiniteIndex, 0);
    EXPECT_EQ(RecordFileMessage(result), " number of records =14641");

    const auto bytes = bytesOf(file);
    EXPECT_GE(bytes.size(), 1873968u); // 14,640 full slots and the 48 bytes of the last
    const auto records = ParseRecords(bytes);
    ASSERT_EQ(records.size(), 14641u);
    for (const auto& r : records) {
        ASSERT_NEAR(r.indexFit, 1.5, 5e-7);
        ASSERT_NEAR(r.interceptFit, 0, 1e-6);
    }
    const auto settings = [&](int k) {
        const auto& r = records[k - 1];
        return std::vector<double>{r.rayH, r.xc, r.yc, r.tilt};
    };
    EXPECT_EQ(settings(1), (std::vector<double>{-2, -1, -1, -5}));
    EXPECT_EQ(settings(2), (std::vector<double>{-2, -1, -1, -4}));
    EXPECT_EQ(settings(12), (std::vector<double>{-2, -1, -0.8, -5}));
    EXPECT_EQ(settings(7321), (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(settings(14641), (std::vector<double>{2, 1, 1, 5}));

    // The grid is traced on a copy: the state keeps the student's own set-up.
    EXPECT_EQ(std::vector<double>({state.rayH, state.xc, state.yc, state.tilt, state.refrAngle}),
              (std::vector<double>{0, 0, 0, 0, 0}));
}

TEST_F(RecordFileTest, ExistingLongerFileKeepsItsTailAndASecondRunGivesTheSameFile) {
    const std::size_t longer = 14641 * 128 + 1000;
    {
        std::ofstream out(file, std::ios::binary);
        const std::string tail(longer, 'T');
        out << tail;
    }
    ExperimentState state;
    state.indexN = 1.33;
    ASSERT_TRUE(WriteRecordFile(state, file, idealTracer).ok);
    const auto first = bytesOf(file);
    ASSERT_EQ(first.size(), longer);
    for (std::size_t i = 14641 * 128; i < longer; ++i) {
        ASSERT_EQ(std::to_integer<char>(first[i]), 'T') << i;
    }
    EXPECT_NEAR(ParseRecords(first)[7320].indexFit, 1.33, 1e-6);

    state = ExperimentState{};
    state.indexN = 1.33;
    ASSERT_TRUE(WriteRecordFile(state, file, idealTracer).ok);
    EXPECT_EQ(bytesOf(file), first);
}

TEST_F(RecordFileTest, FailuresNameTheFileAndTheReasonAndNeverClaimSuccess) {
    ExperimentState state;
    int traces = 0;
    const auto counting = [&](const ExperimentState& s, double t) {
        ++traces;
        return idealTracer(s, t);
    };

    const fs::path missing = dir / "no such folder" / kRecordFileName;
    const RecordFileResult noFolder = WriteRecordFile(state, missing, counting);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(noFolder.recordsWritten, 0);
    EXPECT_EQ(noFolder.reason, "No such file or directory");
    const std::string message = RecordFileMessage(noFolder);
    EXPECT_NE(message.find(missing.string()), std::string::npos);
    EXPECT_NE(message.find("No such file or directory"), std::string::npos);
    EXPECT_EQ(message.find(" number of records =14641"), std::string::npos);
    EXPECT_EQ(traces, 0); // nothing is traced for a file that cannot be opened

    EXPECT_EQ(WriteRecordFile(state, dir, counting).reason, "Is a directory");

    // A device is no record file: refused before anything is traced or written.
    if (fs::exists("/dev/full")) {
        const RecordFileResult full = WriteRecordFile(state, "/dev/full", counting);
        EXPECT_FALSE(full.ok);
        EXPECT_EQ(full.recordsWritten, 0);
        EXPECT_EQ(full.reason, "not a regular file");
        EXPECT_EQ(traces, 0);
    }
}

TEST_F(RecordFileTest, FlatLineStoresInfinityAndIsCounted) {
    ExperimentState state;
    // Every ray leaves at the same angle: slope 0, so no finite index.
    const auto flat = [](const ExperimentState&, double) { return 0.5; };
    const RecordFileResult result = WriteRecordFile(state, file, flat);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(result.recordsWritten, 14641);
    EXPECT_EQ(result.nonFiniteIndex, 14641);
    const std::string message = RecordFileMessage(result);
    EXPECT_EQ(message.rfind(" number of records =14641", 0), 0u);
    EXPECT_NE(message.find("=14641 "), std::string::npos);

    const auto records = ParseRecords(bytesOf(file));
    ASSERT_EQ(records.size(), 14641u);
    EXPECT_TRUE(std::isinf(records[0].indexFit));
    EXPECT_GT(records[0].indexFit, 0);
    EXPECT_NEAR(records[0].interceptFit, std::sin(0.5), 1e-6);
}

TEST(RecordBytes, LayoutIsSixLittleEndianDoubles) {
    const MeasurementRecord record{-2, -1, 0.5, 5, 1.5, -0.25};
    std::array<std::byte, kRecordBytes> bytes{};
    EncodeRecord(record, bytes);
    // 1.5 is 0x3FF8000000000000: low bytes first at offset 32.
    EXPECT_EQ(std::to_integer<int>(bytes[32 + 6]), 0xF8);
    EXPECT_EQ(std::to_integer<int>(bytes[32 + 7]), 0x3F);
    // -2 is 0xC000000000000000.
    EXPECT_EQ(std::to_integer<int>(bytes[7]), 0xC0);
    EXPECT_EQ(DecodeRecord(bytes).interceptFit, -0.25);

    // Two slots and a cut third: the cut record is not read.
    std::vector<std::byte> file(2 * 128 + 40);
    std::copy(bytes.begin(), bytes.end(), file.begin() + 128);
    const auto records = ParseRecords(file);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].tilt, 5);
    EXPECT_TRUE(ParseRecords({}).empty());
}

TEST_F(RecordFileTest, RaysThatNeverLeaveTheGlassGiveNoIndexWithTheRealTracer) {
    // Glass less dense than air (n = 0.9): at 70 and 80 degrees sin i / n > 1, so those rays
    // are reflected at the flat face and no refraction is measured for any set-up.
    ExperimentState state;
    state.indexN = 0.9;
    std::vector<MeasurementRecord> records;
    ComputeRecords(state, TraceForRecord, [&](const MeasurementRecord& r) { records.push_back(r); });
    ASSERT_EQ(records.size(), 14641u);
    const MeasurementRecord& centred = records[7320];
    EXPECT_EQ(centred.rayH, 0);
    EXPECT_TRUE(std::isinf(centred.indexFit));
    // Denser glass: every ray comes out, and the centred set-up measures n itself.
    state.indexN = 1.5;
    records.clear();
    ComputeRecords(state, TraceForRecord, [&](const MeasurementRecord& r) { records.push_back(r); });
    EXPECT_NEAR(records[7320].indexFit, 1.5, 1e-6);
    EXPECT_NEAR(records[7320].interceptFit, 0, 1e-6);
    for (const MeasurementRecord& r : records) ASSERT_TRUE(std::isfinite(r.indexFit));

    // The file of the window's opening set-up (n = 1.5, R = 100, flat face first), where every
    // ray is a measurement, is byte for byte the file the program has always written: its
    // FNV-1a hash.
    ASSERT_TRUE(WriteRecordFile(ExperimentState{}, file, TraceForRecord).ok);
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const std::byte b : bytesOf(file))
        hash = (hash ^ std::to_integer<std::uint64_t>(b)) * 0x100000001b3u;
    EXPECT_EQ(hash, 0x6888ee79c256cca0u);
}
