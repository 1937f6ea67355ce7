// Prints the records of a record file as CSV, so a teacher can open them in a spreadsheet.
#include <charconv>
#include <cstdio>
#include <string>

#include "records/model/recordfile.h"

namespace {

// Shortest text that reads back as the same double: -1.6, not -1.6000000000000001.
std::string number(double value) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RECORD-FILE\n", argc > 0 ? argv[0] : "fylaxi2csv");
        return 2;
    }
    const RecordFileContents contents = ReadRecordFileBytes(argv[1]);
    if (!contents.ok) {
        std::fprintf(stderr, "fylaxi2csv: cannot read %s: %s\n", argv[1], contents.reason.c_str());
        return 1;
    }
    if (contents.bytes.size() < kRecordFileMinBytes) {
        std::fprintf(stderr,
                     "fylaxi2csv: %s is too short for a record file: %zu bytes, "
                     "%zu needed for %d records\n",
                     argv[1], contents.bytes.size(), kRecordFileMinBytes, kRecordCount);
        return 1;
    }
    // A longer file may carry other bytes after the last slot; only the records count.
    const auto records = ParseRecords(std::span(contents.bytes).first(kRecordFileMinBytes));
    std::string out = "rayH,xc,yc,tilt,indexFit,interceptFit\n";
    for (const MeasurementRecord& r : records) {
        out += number(r.rayH) + ',' + number(r.xc) + ',' + number(r.yc) + ',' + number(r.tilt) +
               ',' + number(r.indexFit) + ',' + number(r.interceptFit) + '\n';
    }
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0) {
        std::perror("fylaxi2csv");
        return 1;
    }
    return 0;
}
