// Numbered files: opening rules, the 4096-byte buffer, positions and locks.
#include <gtest/gtest.h>

#include <string>

#include "runtime/files.h"
#include "support/temp_dir.h"

namespace {

using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

rt::Text Name(const std::string& path) { return rt::FromUtf8(path); }

// Bytes of every value, so that 0 and 26 travel like any other.
std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

class Files : public ::testing::Test {
 protected:
  void TearDown() override { rt::FileCloseAll(); }
  TempDir dir;
};

TEST_F(Files, BytesWrittenOneByOneReadBackAcrossTheBufferBoundary) {
  for (size_t size : {0u, 1u, 4095u, 4096u, 4097u, 8192u, 3u * 4096u + 5u}) {
    const std::string path = dir / "bytes.bin";
    const std::string data = Pattern(size);
    const int32_t out = rt::FileCreate(rt::AnyNumber, Name(path));
    ASSERT_NE(out, 0);
    for (char c : data) rt::FileWriteByte(out, static_cast<unsigned char>(c));
    rt::FileClose(out);
    ASSERT_EQ(ReadFileBytes(path), data) << size;

    const int32_t in = rt::FileOpenRead(rt::AnyNumber, Name(path));
    ASSERT_NE(in, 0);
    std::string back;
    while (!rt::FileAtEnd(in)) back.push_back(static_cast<char>(rt::FileReadByte(in)));
    EXPECT_EQ(back, data) << size;
    EXPECT_EQ(rt::FileReadByte(in), 0) << "reading past the end gives 0";
    rt::FileClose(in);
  }
}

TEST_F(Files, BlocksOfAnySizeTravelThroughTheBuffer) {
  const std::string path = dir / "blocks.bin";
  const std::string data = Pattern(50000);
  const int32_t out = rt::FileCreate(rt::AnyNumber, Name(path));
  size_t at = 0;
  for (int32_t length : {1, 4095, 2, 9000, 4096, 17, 20000}) {
    EXPECT_EQ(rt::FileWriteBlock(out, data.data() + at, length), length);
    at += static_cast<size_t>(length);
  }
  rt::FileWriteBlock(out, data.data() + at, static_cast<int32_t>(data.size() - at));
  rt::FileClose(out);
  ASSERT_EQ(ReadFileBytes(path), data);

  const int32_t in = rt::FileOpenRead(rt::AnyNumber, Name(path));
  // Room for every length asked: Windows may write anywhere in the buffer it is given.
  std::string back(data.size() + 100000, '\0');
  at = 0;
  for (int32_t length : {3, 4093, 10000, 1, 4096}) {
    EXPECT_EQ(rt::FileReadBlock(in, back.data() + at, length), length);
    at += static_cast<size_t>(length);
  }
  EXPECT_EQ(rt::FileReadBlock(in, back.data() + at, 100000),
            static_cast<int32_t>(data.size() - at));
  back.resize(data.size());
  EXPECT_EQ(back, data);
  EXPECT_EQ(rt::FileReadBlock(in, back.data(), 10), 0);
}

TEST_F(Files, WrittenDataStaysBufferedUntilCloseLengthOrSeek) {
  struct Case {
    const char* name;
    void (*settle)(int32_t file);
  };
  for (const Case& c : {Case{"close", [](int32_t f) { rt::FileClose(f); }},
                        Case{"length", [](int32_t f) { EXPECT_EQ(rt::FileLength(f), 10); }},
                        Case{"seek", [](int32_t f) { rt::FileSeek(f, 0); }},
                        Case{"close all", [](int32_t) { rt::FileCloseAll(); }}}) {
    const std::string path = dir / "buffered.txt";
    const int32_t file = rt::FileCreate(rt::AnyNumber, Name(path));
    rt::FileWriteBlock(file, "0123456789", 10);
    EXPECT_EQ(ReadFileBytes(path), "") << c.name;
    c.settle(file);
    EXPECT_EQ(ReadFileBytes(path), "0123456789") << c.name;
    rt::FileClose(file);
  }
}

TEST_F(Files, SeekingMovesReadsAndWritesInsideTheFile) {
  const std::string path = dir / "seek.bin";
  WriteFileBytes(path, Pattern(10000));
  const int32_t file = rt::FileOpen(rt::AnyNumber, Name(path));
  ASSERT_NE(file, 0);
  EXPECT_EQ(rt::FileLoc(file), 0);
  rt::FileSeek(file, 5000);
  EXPECT_EQ(rt::FileReadByte(file), static_cast<unsigned char>(Pattern(10000)[5000]));
  EXPECT_EQ(rt::FileLoc(file), 5001);
  // Overwrite right behind what was read, then read on behind the overwritten bytes.
  rt::FileWriteBlock(file, "XY", 2);
  EXPECT_EQ(rt::FileReadByte(file), static_cast<unsigned char>(Pattern(10000)[5003]));
  rt::FileSeek(file, 4999);
  char got[4] = {};
  rt::FileReadBlock(file, got, 4);
  EXPECT_EQ(std::string(got + 2, 2), "XY");
  // Writing past the end grows the file.
  rt::FileSeek(file, rt::FileLength(file));
  rt::FileWriteByte(file, 'Z');
  EXPECT_EQ(rt::FileLength(file), 10001);
  rt::FileClose(file);
  std::string expected = Pattern(10000);
  expected.replace(5001, 2, "XY");
  EXPECT_EQ(ReadFileBytes(path), expected + "Z");
}

TEST_F(Files, OpeningRulesOfTheThreeOpens) {
  const std::string path = dir / "keep.txt";
  WriteFileBytes(path, "content");

  const int32_t opened = rt::FileOpen(rt::AnyNumber, Name(path));
  ASSERT_NE(opened, 0);
  EXPECT_EQ(rt::FileLength(opened), 7) << "FileOpen keeps the content";
  rt::FileClose(opened);

  const int32_t created = rt::FileCreate(rt::AnyNumber, Name(path));
  ASSERT_NE(created, 0);
  EXPECT_EQ(rt::FileLength(created), 0) << "FileCreate empties";
  rt::FileClose(created);

  EXPECT_NE(rt::FileOpen(rt::AnyNumber, Name(dir / "new.txt")), 0) << "FileOpen creates";
  EXPECT_EQ(rt::FileOpenRead(rt::AnyNumber, Name(dir / "missing.txt")), 0);
  EXPECT_EQ(rt::FileOpenRead(rt::AnyNumber, Name(dir.path().string())), 0) << "a directory";
  EXPECT_EQ(rt::FileCreate(rt::AnyNumber, Name(dir.path().string())), 0) << "a directory";
  EXPECT_EQ(rt::FileCreate(rt::AnyNumber, Name(dir / "no/such/dir.txt")), 0);
  EXPECT_EQ(rt::FileCreate(rt::AnyNumber, u""), 0);
}

TEST_F(Files, ReadOnlyFilesTakeNoWrites) {
  const std::string path = dir / "ro.txt";
  WriteFileBytes(path, "abc");
  const int32_t file = rt::FileOpenRead(rt::AnyNumber, Name(path));
  rt::FileWriteByte(file, 'x');
  EXPECT_EQ(rt::FileWriteBlock(file, "yz", 2), 0);
  EXPECT_EQ(rt::FileWriteLine(file, u"line"), 0);
  rt::FileClose(file);
  EXPECT_EQ(ReadFileBytes(path), "abc");
}

TEST_F(Files, NumbersChosenOrGiven) {
  const std::string path = dir / "n.txt";
  const int32_t a = rt::FileCreate(rt::AnyNumber, Name(dir / "a.txt"));
  const int32_t b = rt::FileCreate(rt::AnyNumber, Name(dir / "b.txt"));
  EXPECT_NE(a, 0);
  EXPECT_NE(b, 0);
  EXPECT_NE(a, b);
  EXPECT_NE(rt::FileCreate(0, Name(dir / "zero.txt")), 0) << "number 0 is a valid choice";
  EXPECT_EQ(rt::FileCreate(-5, Name(path)), 0);
  // Reusing a number closes its file first, so the same file opens again under it.
  ASSERT_NE(rt::FileCreate(7, Name(path)), 0);
  rt::FileWriteBlock(7, "first", 5);
  ASSERT_NE(rt::FileOpen(7, Name(path)), 0);
  EXPECT_EQ(rt::FileLength(7), 5);
}

TEST_F(Files, UnknownNumbersDoNothing) {
  const int32_t unknown = 4711;
  EXPECT_EQ(rt::FileReadByte(unknown), 0);
  rt::FileWriteByte(unknown, 1);
  EXPECT_EQ(rt::FileLength(unknown), 0);
  EXPECT_EQ(rt::FileLoc(unknown), 0);
  EXPECT_EQ(rt::FileReadLine(unknown), u"");
  EXPECT_EQ(rt::FileWriteLine(unknown, u"x"), 0);
  EXPECT_EQ(rt::FileTextFormat(unknown), 0);
  char buffer[4];
  EXPECT_EQ(rt::FileReadBlock(unknown, buffer, 4), 0);
  // A reading loop over a file that never opened must end at once.
  EXPECT_NE(rt::FileAtEnd(unknown), 0);
  rt::FileClose(unknown);
}

TEST_F(Files, ASecondWriterIsRefusedAndReadersStillRead) {
  const std::string path = dir / "locked.txt";
  WriteFileBytes(path, "kept");
  const int32_t writer = rt::FileOpen(rt::AnyNumber, Name(path));
  ASSERT_NE(writer, 0);
  EXPECT_EQ(rt::FileOpen(rt::AnyNumber, Name(path)), 0);
  EXPECT_EQ(rt::FileCreate(rt::AnyNumber, Name(path)), 0);
  EXPECT_EQ(ReadFileBytes(path), "kept") << "a refused FileCreate must not empty the file";
  const int32_t reader = rt::FileOpenRead(rt::AnyNumber, Name(path));
  ASSERT_NE(reader, 0);
  EXPECT_EQ(rt::FileLength(reader), 4);
  rt::FileClose(writer);
  EXPECT_NE(rt::FileCreate(rt::AnyNumber, Name(path)), 0) << "free again after close";
}

}  // namespace
