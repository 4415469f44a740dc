#include <algorithm>
#include <array>
#include <new>
#include <vector>

#include "runtime/files.h"
#include "runtime/filesystem.h"
#include "stdproc/transfer/ebcdic_table.h"
#include "stdproc/transfer/transfer.h"

namespace stdproc {

namespace {

using transfer::EbcdicByteMap;
using transfer::EbcdicDirection;
using ByteMap = std::array<uint8_t, 256>;

// Records are read and written in blocks of about this size, not one by one: the
// conversion of a large file is then bound by the disk, not by calls per record.
constexpr size_t kBlockBytes = size_t{1} << 20;
// What a character without an 8-bit code stands as before conversion: SUB, the control
// code meant for characters that cannot be represented. It has no table entry, so it
// becomes 0x20 like every other unmapped code.
constexpr uint8_t kNoEightBitCode = 0x1A;
constexpr uint8_t kPcSpace = 0x20;

size_t ReadFully(int32_t file, uint8_t* data, size_t length) {
  size_t total = 0;
  while (total < length) {
    int32_t got = rt::FileReadBlock(file, data + total, static_cast<int32_t>(length - total));
    if (got <= 0) break;
    total += static_cast<size_t>(got);
  }
  return total;
}

void WriteFully(int32_t file, const uint8_t* data, size_t length) {
  constexpr size_t kMaxPiece = size_t{1} << 30;
  for (size_t done = 0; done < length;) {
    size_t piece = std::min(kMaxPiece, length - done);
    int32_t written = rt::FileWriteBlock(file, data + done, static_cast<int32_t>(piece));
    if (written <= 0) return;
    done += static_cast<size_t>(written);
  }
}

void Convert(const ByteMap& map, uint8_t* data, size_t length) {
  for (size_t i = 0; i < length; ++i) data[i] = map[data[i]];
}

// EBCDIC records of recordLength bytes (the last possibly shorter) to lines ending in
// CR LF.
void RecordsToLines(int32_t in, int32_t out, size_t recordLength, std::vector<uint8_t>& records,
                    std::vector<uint8_t>& lines) {
  const ByteMap map = EbcdicByteMap(EbcdicDirection::kToPc);
  for (;;) {
    size_t got = ReadFully(in, records.data(), records.size());
    if (got == 0) break;
    Convert(map, records.data(), got);
    size_t used = 0;
    for (size_t start = 0; start < got; start += recordLength) {
      size_t n = std::min(recordLength, got - start);
      std::copy_n(records.data() + start, n, lines.data() + used);
      used += n;
      lines[used++] = '\r';
      lines[used++] = '\n';
    }
    WriteFully(out, lines.data(), used);
    if (got < records.size()) break;
  }
}

// The character's code in the PC code page; units below 0x80 and from 0xA0 on are their
// own code there, the rest is looked up.
uint8_t PcCodeOf(rt::TextView character) {
  char16_t unit = character.front();
  if (character.size() == 1 && (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))) {
    return static_cast<uint8_t>(unit);
  }
  std::string code = rt::ToWindows1252(character);
  if (code.size() != 1 || (code[0] == '?' && character != u"?")) return kNoEightBitCode;
  return static_cast<uint8_t>(code[0]);
}

// The line as exactly recordLength bytes, one per character, cut or filled with spaces.
void FillRecord(rt::TextView line, std::vector<uint8_t>& record) {
  size_t used = 0;
  for (size_t i = 0; i < line.size() && used < record.size(); ++used) {
    bool pair = i + 1 < line.size() && line[i] >= 0xD800 && line[i] <= 0xDBFF &&
                line[i + 1] >= 0xDC00 && line[i + 1] <= 0xDFFF;
    size_t units = pair ? 2 : 1;
    record[used] = PcCodeOf(line.substr(i, units));
    i += units;
  }
  std::fill(record.begin() + static_cast<std::ptrdiff_t>(used), record.end(), kPcSpace);
}

// PC text lines to EBCDIC records of exactly recordLength bytes. Each line may start with
// a byte-order mark that tells how to read it; without one it is read as ANSI.
void LinesToRecords(int32_t in, int32_t out, std::vector<uint8_t>& record) {
  const ByteMap map = EbcdicByteMap(EbcdicDirection::kToEbcdic);
  while (rt::FileAtEnd(in) == 0) {
    int32_t format = rt::FileTextFormat(in);
    rt::Text line = rt::FileReadLine(in, format);
    FillRecord(rt::Visible(line), record);
    Convert(map, record.data(), record.size());
    WriteFully(out, record.data(), record.size());
  }
}

void ConvertFile(bool toEbcdic, int32_t in, int32_t out, int32_t recordLength) {
  // A record length of 0 or less, or no memory for the buffers, gets no conversion: the
  // output stays empty.
  if (recordLength <= 0) return;
  const size_t length = static_cast<size_t>(recordLength);
  try {
    if (toEbcdic) {
      std::vector<uint8_t> record(length);
      LinesToRecords(in, out, record);
    } else {
      const size_t perBlock = std::max<size_t>(1, kBlockBytes / length);
      std::vector<uint8_t> records(perBlock * length);
      std::vector<uint8_t> lines(perBlock * (length + 2));
      RecordsToLines(in, out, length, records, lines);
    }
  } catch (const std::bad_alloc&) {
  }
}

}  // namespace

int32_t KonvertEBCDICnachASCII(rt::TextView mode, rt::TextView inputFile, rt::TextView outputFile,
                               int32_t recordLength) {
  const bool toEbcdic = rt::Visible(mode) == u"*";
  int32_t in = rt::FileOpenRead(rt::AnyNumber, inputFile);
  if (in == 0) return 0;
  const int32_t result = rt::PathDelete(outputFile);
  int32_t out = rt::FileCreate(rt::AnyNumber, outputFile);
  if (out != 0) {
    ConvertFile(toEbcdic, in, out, recordLength);
    rt::FileClose(out);
  }
  rt::FileClose(in);
  return result;
}

}  // namespace stdproc
