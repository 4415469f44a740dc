// Numbered directory listings.
#include <memory>
#include <string>

#include "runtime/filesystem.h"
#include "runtime/objects.h"
#include "runtime/os_names.h"
#include "runtime/platform/dir_io.h"

namespace rt {

namespace {

struct DirListing {
  DirListing(const std::string& directory, std::string namePattern)
      : reader(directory), pattern(std::move(namePattern)) {}
  platform::DirReader reader;
  std::string pattern;
  platform::DirEntry entry;
  bool hasEntry = false;
};

ObjectTable<DirListing>& Listings() {
  static ObjectTable<DirListing> table;
  return table;
}

}  // namespace

// The pattern filters names only; the directory is read as given ("" is the current one).
int32_t DirExamine(int32_t number, TextView directory, TextView pattern) {
  if (number < 0 && number != AnyNumber) return 0;
  auto listing = std::make_unique<DirListing>(ToOsName(directory), ToOsName(pattern));
  if (!listing->reader.IsOpen()) return 0;
  return Listings().Add(number, std::move(listing));
}

int32_t DirNextEntry(int32_t number) {
  DirListing* listing = Listings().Find(number);
  if (listing == nullptr) return 0;
  do {
    listing->hasEntry = listing->reader.Next(listing->entry);
  } while (listing->hasEntry &&
           !platform::NameMatchesPattern(listing->entry.name, listing->pattern));
  return listing->hasEntry ? 1 : 0;
}

Text DirEntryName(int32_t number) {
  DirListing* listing = Listings().Find(number);
  return listing != nullptr && listing->hasEntry ? FromOsName(listing->entry.name) : Text();
}

int32_t DirEntryType(int32_t number) {
  DirListing* listing = Listings().Find(number);
  if (listing == nullptr || !listing->hasEntry) return 0;
  return listing->entry.isDirectory ? EntryDirectory : EntryFile;
}

void DirFinish(int32_t number) { Listings().Remove(number); }

}  // namespace rt
