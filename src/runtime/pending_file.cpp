#include "runtime/pending_file.h"

#include <random>
#include <string>
#include <system_error>

namespace rt {

namespace fs = std::filesystem;

std::filesystem::path ToPath(TextView name) {
  std::string utf8 = rt::ToUtf8(rt::Visible(name));
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

namespace {

// Writing through a link must replace the file it names, not the link itself.
fs::path ResolveLink(const fs::path& target) {
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(target, error))) return target;
  fs::path resolved = fs::canonical(target, error);
  return error ? target : resolved;
}

// A fresh name in the target's own directory, so that the final rename stays on one file
// system and is atomic.
fs::path TemporaryBeside(const fs::path& target) {
  std::random_device random;
  std::error_code error;
  for (int attempt = 0; attempt < 16; ++attempt) {
    fs::path candidate = target;
    candidate += ".part-" + std::to_string(random());
    if (!fs::exists(fs::symlink_status(candidate, error))) return candidate;
  }
  return {};
}

}  // namespace

PendingFile::PendingFile(TextView target) : target_(ResolveLink(ToPath(target))) {
  if (target_.empty() || !target_.has_filename()) return;
  temporary_ = TemporaryBeside(target_);
  if (temporary_.empty()) return;
  out_.open(temporary_, std::ios::binary | std::ios::trunc);
}

PendingFile::~PendingFile() {
  if (committed_ || temporary_.empty()) return;
  if (out_.is_open()) out_.close();
  std::error_code ignored;
  fs::remove(temporary_, ignored);
}

bool PendingFile::Write(const char* data, size_t size) {
  if (!out_.is_open()) return false;
  out_.write(data, static_cast<std::streamsize>(size));
  return out_.good();
}

std::filesystem::path PendingFile::HandOver() {
  if (!out_.is_open()) return {};
  out_.close();
  handedOver_ = !out_.fail();
  return handedOver_ ? temporary_ : fs::path();
}

bool PendingFile::Commit() {
  if (!handedOver_) {
    if (!out_.is_open()) return false;
    out_.close();
    if (out_.fail()) return false;
  }
  std::error_code error;
  fs::file_status earlier = fs::status(target_, error);
  if (!error && fs::exists(earlier)) {
    // A rename needs only the directory's permission; a file the user may not write
    // (read-only) must stay as it is, as it would when written in place.
    std::ofstream writable(target_, std::ios::in | std::ios::out | std::ios::binary);
    if (!writable.is_open()) return false;
    writable.close();
    fs::permissions(temporary_, earlier.permissions(), fs::perm_options::replace, error);
    if (error) return false;
  }
  fs::rename(temporary_, target_, error);
  if (error) return false;
  committed_ = true;
  return true;
}

}  // namespace rt
