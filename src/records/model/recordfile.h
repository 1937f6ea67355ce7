#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "shell/model/mathconst.h"

// One measurement series of the record file: the set-up and what a student would conclude.
struct MeasurementRecord {
    double rayH;
    double xc;
    double yc;
    double tilt;         // degrees
    double indexFit;     // 1 / slope of sin(refraction) against sin(incidence); +inf for slope 0
    double interceptFit; // intercept of that line
};

inline constexpr const char* kRecordFileName = "fylaxi";
inline constexpr std::size_t kRecordSlotBytes = 128;
inline constexpr std::size_t kRecordBytes = 48; // six little-endian doubles at the slot start
inline constexpr int kGridSteps = 11;
inline constexpr int kRecordCount = kGridSteps * kGridSteps * kGridSteps * kGridSteps;
// A full file: every slot but the last is written out to 128 bytes.
inline constexpr std::size_t kRecordFileMinBytes =
    (kRecordCount - 1) * kRecordSlotBytes + kRecordBytes;

// One ray of the grid: the set-up and the incidence, the tilt and the incidence in degrees.
struct RecordSetup {
    double rayH = 0, xc = 0, yc = 0, tiltDeg = 0, incidenceDeg = 0;
    double tiltRadians() const { return PI * tiltDeg / 180; }
};

// Traces one ray of the grid with the glass of the experiment and returns the refraction
// angle in radians, or NaN where the ray is no measurement; such a series has no index
// (stored as +infinity).
using RefractionTracer = std::function<double(const RecordSetup& setup)>;

// Runs the grid of ray heights, centres and tilts, traces the incidences 50, 60, 70 and 80
// for each and hands every record, in file order, to the sink.
void ComputeRecords(const RefractionTracer& trace,
                    const std::function<void(const MeasurementRecord&)>& sink);

struct RecordFileResult {
    bool ok = false;
    int recordsWritten = 0; // records that reached the file
    int nonFiniteIndex = 0; // records whose index is infinite or not a number
    std::string fileName;
    std::string reason; // why the file failed, empty when ok
};

// "fylaxi" in the program's working folder, or the bare name where that folder cannot be told.
std::filesystem::path RecordFileInWorkingFolder();

// Writes the record file at path, creating it or overwriting its first slots without
// truncating it.
RecordFileResult WriteRecordFile(const std::filesystem::path& path, const RefractionTracer& trace);

// The message the semicircle window shows after writing the file.
std::string RecordFileMessage(const RecordFileResult& result);

// The 48 bytes of a record, and back.
void EncodeRecord(const MeasurementRecord& record, std::span<std::byte, kRecordBytes> out);
MeasurementRecord DecodeRecord(std::span<const std::byte, kRecordBytes> bytes);

// Every record a file's bytes hold, slot after slot; a slot cut short before its 48th byte
// ends the list.
std::vector<MeasurementRecord> ParseRecords(std::span<const std::byte> bytes);

struct RecordFileContents {
    bool ok = false;
    std::vector<std::byte> bytes;
    std::string reason;
};
RecordFileContents ReadRecordFileBytes(const std::filesystem::path& path);
