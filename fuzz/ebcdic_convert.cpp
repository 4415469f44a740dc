// The EBCDIC converter on any file and record length, both ways: records become lines of
// the record's length, lines become whole records, and records made of codes the table
// knows come back unchanged after a trip to lines and back.
#include <string>

#include "fuzz_input.h"
#include "stdproc/transfer/ebcdic_table.h"
#include "stdproc/transfer/transfer.h"

namespace {

constexpr char kEbcdicBlank = 0x40;

// A fuzz byte as one of the table's EBCDIC codes.
char TableCode(char byte) {
  static const std::string kCodes = [] {
    const std::string_view hex = stdproc::transfer::kEbcdicCodes;
    std::string codes;
    for (size_t at = 0; at < hex.size(); at += 2) {
      codes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(at, 2)), nullptr, 16)));
    }
    return codes;
  }();
  return kCodes[static_cast<unsigned char>(byte) % kCodes.size()];
}

std::string Convert(rt::TextView mode, std::string_view input, int32_t recordLength) {
  stdproc::KonvertEBCDICnachASCII(mode, fuzz::ScratchFile("in", input), fuzz::ScratchPath("out"),
                                  recordLength);
  return fuzz::ReadFile(fuzz::ScratchPath("out"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const int32_t recordLength = input.NumberIn(-1, 300);
  std::string bytes = input.Rest();
  const std::string lines = Convert(u"", bytes, recordLength);
  const std::string records = Convert(u"*", bytes, recordLength);
  if (recordLength <= 0) {
    fuzz::Require(lines.empty() && records.empty(), "no record length gives an empty output");
    return 0;
  }
  const size_t length = static_cast<size_t>(recordLength);
  const size_t recordCount = (bytes.size() + length - 1) / length;
  fuzz::Require(lines.size() == bytes.size() + 2 * recordCount, "each record ends in CR LF");
  fuzz::Require(records.size() % length == 0, "lines become whole records");

  for (char& byte : bytes) byte = TableCode(byte);
  std::string padded = bytes;
  padded.resize(recordCount * length, kEbcdicBlank);
  fuzz::Require(Convert(u"*", Convert(u"", bytes, recordLength), recordLength) == padded,
                "table codes survive the trip to lines and back");
  return 0;
}
