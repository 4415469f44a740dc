// Runs a check in a child process without root's right to ignore file permissions, so
// that unreadable and read-only files behave for the check as they do for a user.
#pragma once

#include <filesystem>
#include <functional>

namespace testsupport {

// Runs body in a forked child, which first drops to the "nobody" user when it runs as
// root; the child's exit code is body's result (0..255), or -1 when the child failed.
int RunUnprivileged(const std::function<int()>& body);

// Lets every user enter and read the directory (a TempDir is private to its owner).
void OpenForOthers(const std::filesystem::path& directory);

}  // namespace testsupport
