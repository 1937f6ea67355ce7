#include "records/model/recordfile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "shell/model/fit.h"

namespace {

// Slots go to the file in chunks; one write per chunk keeps the pass sequential and cheap.
constexpr std::size_t kSlotsPerChunk = 1024;

std::string errnoText(int error) { return std::strerror(error); }

// Writes all of data, going on after short writes; false with errno set on failure.
bool writeAll(int fd, const std::byte* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

double gridValue(double first, double span, int counter) {
    return first + span * (counter - 1) / 10;
}

} // namespace

void ComputeRecords(const RefractionTracer& trace,
                    const std::function<void(const MeasurementRecord&)>& sink) {
    RecordSetup setup;
    std::array<double, 4> sinIncidence{};
    std::array<double, 4> sinRefraction{};
    for (int i = 1; i <= kGridSteps; ++i) {
        setup.rayH = gridValue(-2, 4, i);
        for (int j = 1; j <= kGridSteps; ++j) {
            setup.xc = gridValue(-1, 2, j);
            for (int k = 1; k <= kGridSteps; ++k) {
                setup.yc = gridValue(-1, 2, k);
                for (int l = 1; l <= kGridSteps; ++l) {
                    setup.tiltDeg = (l - 1) - 5;
                    for (int m = 1; m <= 4; ++m) {
                        setup.incidenceDeg = 10 * m + 40;
                        sinIncidence[m - 1] = std::sin(PI * setup.incidenceDeg / 180);
                        sinRefraction[m - 1] = std::sin(trace(setup));
                    }
                    const LineFit fit = FitLine(sinIncidence, sinRefraction);
                    // A flat line has no index: +infinity, whatever the sign of zero, and also
                    // when equal refractions leave a slope of rounding size. So has a series in
                    // which a ray never reached the protractor (the tracer gives no angle).
                    const bool missing = !std::all_of(sinRefraction.begin(), sinRefraction.end(),
                                                      [](double v) { return std::isfinite(v); });
                    const bool flat = missing || fit.b == 0 ||
                                      (sinRefraction[1] == sinRefraction[0] &&
                                       sinRefraction[2] == sinRefraction[0] &&
                                       sinRefraction[3] == sinRefraction[0]);
                    const double index = flat ? std::numeric_limits<double>::infinity()
                                              : 1 / static_cast<double>(fit.b);
                    sink({setup.rayH, setup.xc, setup.yc, setup.tiltDeg, index,
                          static_cast<double>(fit.a)});
                }
            }
        }
    }
}

std::filesystem::path RecordFileInWorkingFolder() {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(kRecordFileName) : folder / kRecordFileName;
}

RecordFileResult WriteRecordFile(const std::filesystem::path& path, const RefractionTracer& trace) {
    RecordFileResult result;
    result.fileName = path.string();
    // No O_TRUNC: a longer file keeps what lies beyond the last slot. O_NONBLOCK: a named
    // pipe or a device by that name must not hold the program for ever; only a regular file
    // (or a new one) is written.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) {
        result.reason = errno == ENXIO ? "not a regular file" : errnoText(errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.reason = "not a regular file";
        ::close(fd);
        return result;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    std::vector<std::byte> chunk(kSlotsPerChunk * kRecordSlotBytes);
    std::size_t used = 0;
    int inChunk = 0;
    int computed = 0;
    bool failed = false;
    const auto flush = [&](std::size_t bytes) {
        if (failed || bytes == 0) return;
        if (writeAll(fd, chunk.data(), bytes)) {
            result.recordsWritten += inChunk;
        } else {
            result.reason = errnoText(errno);
            failed = true;
        }
        used = 0;
        inChunk = 0;
    };

    ComputeRecords(trace, [&](const MeasurementRecord& record) {
        ++computed;
        if (!std::isfinite(record.indexFit)) ++result.nonFiniteIndex;
        if (failed) return;
        std::byte* slot = chunk.data() + used;
        EncodeRecord(record, std::span<std::byte, kRecordBytes>(slot, kRecordBytes));
        std::memset(slot + kRecordBytes, 0, kRecordSlotBytes - kRecordBytes);
        ++inChunk;
        // The last slot ends with its record, so a longer file keeps even that slot's tail.
        used += computed == kRecordCount ? kRecordBytes : kRecordSlotBytes;
        if (used == chunk.size() || computed == kRecordCount) flush(used);
    });

    if (::close(fd) != 0 && !failed) {
        result.reason = errnoText(errno);
        failed = true;
    }
    result.ok = !failed;
    return result;
}

std::string RecordFileMessage(const RecordFileResult& result) {
    std::string text;
    if (!result.ok) {
        text = "The file " + result.fileName + " could not be written: " + result.reason +
               "  Το αρχείο " + result.fileName + " δεν γράφτηκε.";
        if (result.recordsWritten > 0) {
            text += " number of records =" + std::to_string(result.recordsWritten);
        }
        return text;
    }
    text = " number of records =" + std::to_string(result.recordsWritten);
    if (result.nonFiniteIndex > 0) {
        text += "\nrecords without a finite index =" + std::to_string(result.nonFiniteIndex) +
                " εγγραφές χωρίς πεπερασμένο δείκτη";
    }
    return text;
}

void EncodeRecord(const MeasurementRecord& record, std::span<std::byte, kRecordBytes> out) {
    const double fields[6] = {record.rayH, record.xc,       record.yc,
                              record.tilt, record.indexFit, record.interceptFit};
    for (int f = 0; f < 6; ++f) {
        const auto bits = std::bit_cast<std::uint64_t>(fields[f]);
        for (int b = 0; b < 8; ++b) out[8 * f + b] = std::byte((bits >> (8 * b)) & 0xFF);
    }
}

MeasurementRecord DecodeRecord(std::span<const std::byte, kRecordBytes> bytes) {
    double fields[6];
    for (int f = 0; f < 6; ++f) {
        std::uint64_t bits = 0;
        for (int b = 0; b < 8; ++b) {
            bits |= std::uint64_t(std::to_integer<unsigned>(bytes[8 * f + b])) << (8 * b);
        }
        fields[f] = std::bit_cast<double>(bits);
    }
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

std::vector<MeasurementRecord> ParseRecords(std::span<const std::byte> bytes) {
    std::vector<MeasurementRecord> records;
    for (std::size_t start = 0; start + kRecordBytes <= bytes.size(); start += kRecordSlotBytes) {
        records.push_back(DecodeRecord(bytes.subspan(start).first<kRecordBytes>()));
    }
    return records;
}

RecordFileContents ReadRecordFileBytes(const std::filesystem::path& path) {
    RecordFileContents contents;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        contents.reason = errnoText(errno);
        return contents;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        contents.reason = S_ISDIR(info.st_mode) ? errnoText(EISDIR) : "not a regular file";
        ::close(fd);
        return contents;
    }
    contents.bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    int readError = 0;
    while (done < contents.bytes.size()) {
        const ssize_t got = ::read(fd, contents.bytes.data() + done, contents.bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) readError = errno;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (done < contents.bytes.size()) {
        contents.reason = readError != 0 ? errnoText(readError) : "the file shrank while read";
        contents.bytes.resize(done);
        return contents;
    }
    contents.ok = true;
    return contents;
}
