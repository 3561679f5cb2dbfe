// A file written whole or not at all, every write, flush and close checked.
#pragma once

#include <string>
#include <string_view>

namespace gapwise {

// The bytes go to a new file beside the file named (beside the file a symbolic link leads to),
// which takes that name only when all of them are on the disk. Until then a file of that name
// stays as it was; the new file is removed on any failure and with the object.
class TWholeFile {
 public:
  explicit TWholeFile(std::string path);
  ~TWholeFile();
  TWholeFile(const TWholeFile&) = delete;
  TWholeFile& operator=(const TWholeFile&) = delete;

  // Writes the bytes to the new file, flushes them to the disk and closes it; false on failure.
  bool Write(std::string_view bytes);
  // Gives the written file its name; false on failure.
  bool Commit();
  // Removes the file again after Commit.
  void Remove();
  // "cannot write PATH: reason", for the last failure.
  const std::string& Error() const { return error_; }

 private:
  bool Fail(const char* reason);  // sets the error, removes the new file, returns false

  std::string path_;    // as the user gave it
  std::string target_;  // the file that takes the bytes, symbolic links followed
  std::string temporary_;
  std::string error_;
};

}  // namespace gapwise
