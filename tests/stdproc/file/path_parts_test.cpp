#include "stdproc/file/path_parts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

// Every helper's answer for one path, compared as a whole so a failure shows them all.
struct Parts {
  std::u16string drive, directory, fileName, extension, baseName, fileBaseName;
  bool operator==(const Parts&) const = default;
};

Parts Cut(std::u16string_view path) {
  return {stdproc::yDrivePart(path),    stdproc::yDirectoryPart(path),
          stdproc::yFileNamePart(path), stdproc::yExtensionPart(path),
          stdproc::yBaseNamePart(path), stdproc::yFileBaseName(path)};
}

std::string Show(const Parts& p) {
  std::string out;
  for (const std::u16string* part :
       {&p.drive, &p.directory, &p.fileName, &p.extension, &p.baseName, &p.fileBaseName}) {
    out += "[" + std::string(part->begin(), part->end()) + "]";
  }
  return out;
}

struct Case {
  std::u16string path;
  Parts want;
};

void ExpectCuts(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    Parts got = Cut(c.path);
    EXPECT_EQ(got, c.want) << std::string(c.path.begin(), c.path.end()) << " gave " << Show(got)
                           << ", want " << Show(c.want);
  }
}

TEST(PathParts, CutsWindowsPaths) {
  ExpectCuts({
      {u"C:\\Daten\\Bilder\\urlaub.2015.jpg",
       {u"C:", u"\\Daten\\Bilder\\", u"urlaub.2015.jpg", u"jpg", u"urlaub.2015", u"urlaub.2015"}},
      {u"C:\\Daten\\LIESMICH", {u"C:", u"\\Daten\\", u"", u"", u"", u""}},
      {u"C:\\datei.txt", {u"C:", u"", u"datei.txt", u"txt", u"datei", u"datei"}},
      {u"\\Daten\\datei.txt", {u"", u"\\Daten\\", u"datei.txt", u"txt", u"datei", u"datei"}},
      {u"C:\\Daten\\.profil", {u"C:", u"\\Daten\\", u".profil", u"profil", u"", u""}},
      {u"C:\\Daten.alt\\datei", {u"C:", u"\\Daten.alt\\", u"", u"", u"", u"datei"}},
      {u"C:\\a.b\\c.d\\datei", {u"C:", u"\\a.b\\c.d\\", u"", u"", u"", u""}},
      {u"C:\\a.b\\c.tar.gz", {u"C:", u"\\a.b\\", u"c.tar.gz", u"gz", u"c.tar", u"c.tar"}},
  });
}

TEST(PathParts, CutsPosixPaths) {
  ExpectCuts({
      {u"/home/anna/bilder/urlaub.2015.jpg",
       {u"", u"/home/anna/bilder/", u"urlaub.2015.jpg", u"jpg", u"urlaub.2015", u"urlaub.2015"}},
      {u"/etc/hostname", {u"", u"/etc/", u"", u"", u"", u""}},
      {u"/datei.txt", {u"", u"", u"datei.txt", u"txt", u"datei", u"datei"}},
      {u"/home/anna/.bashrc", {u"", u"/home/anna/", u".bashrc", u"bashrc", u"", u""}},
      {u"/srv/site.alt/index", {u"", u"/srv/site.alt/", u"", u"", u"", u"index"}},
      {u"../bilder/a.jpg", {u"", u"/bilder/", u"a.jpg", u"jpg", u"a", u"a"}},
      // A colon in a POSIX directory name is no drive.
      {u"/mnt/a:b/c.txt", {u"", u"/mnt/a:b/", u"c.txt", u"txt", u"c", u"c"}},
  });
}

TEST(PathParts, MixedSeparatorsAndBarePaths) {
  ExpectCuts({
      {u"C:/Daten\\Bilder/x.png", {u"C:", u"/Daten\\Bilder/", u"x.png", u"png", u"x", u"x"}},
      // Without any separator the directory is "" rather than the first character.
      {u"datei.txt", {u"", u"", u"datei.txt", u"txt", u"datei", u"datei"}},
      {u"C:datei.txt", {u"C:", u"", u"C:datei.txt", u"txt", u"C:datei", u"C:datei"}},
      {u"", {u"", u"", u"", u"", u"", u""}},
      {u"C:\\Daten\\", {u"C:", u"\\Daten\\", u"", u"", u"", u""}},
  });
}

TEST(PathParts, TextEndsAtFirstZeroUnit) {
  std::u16string path = u"C:\\a\\b.txt";
  path += u'\0';
  path += u"\\c.d\\e.f";
  EXPECT_EQ(Cut(path), Cut(u"C:\\a\\b.txt"));
}

}  // namespace
