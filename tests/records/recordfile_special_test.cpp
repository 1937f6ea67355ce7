#include "records/model/recordfile.h"
#include "semicircle/model/experiment_state.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

// A file by the record file's name that is not a regular file is refused at once: a named
// pipe with no reader, one with a reader waiting, a directory. Nothing is traced for it.
TEST(RecordFileSpecial, ANamedPipeOrADirectoryIsRefusedWithoutWaiting) {
    const fs::path dir = fs::temp_directory_path() / ("record_special_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path pipe = dir / kRecordFileName;
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    int traced = 0;
    const auto tracer = [&](const ExperimentState&, double) {
        ++traced;
        return 0.5;
    };
    ExperimentState state;
    RecordFileResult r = WriteRecordFile(state, pipe, tracer);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "not a regular file");
    EXPECT_EQ(r.recordsWritten, 0);
    EXPECT_NE(RecordFileMessage(r).find("could not be written: not a regular file"), std::string::npos);

    // With a reader holding the pipe open the write end opens, and is refused all the same.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    r = WriteRecordFile(state, pipe, tracer);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "not a regular file");
    char byte;
    EXPECT_LE(::read(reader, &byte, 1), 0); // not a byte went into the pipe
    ::close(reader);

    fs::remove(pipe);
    fs::create_directories(pipe);
    r = WriteRecordFile(state, pipe, tracer);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.empty());
    EXPECT_EQ(traced, 0);
    fs::remove_all(dir);
}
