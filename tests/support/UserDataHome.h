#pragma once

// The user's data folder (where the history lives) pointed at a folder of
// one test's own, and put back after it.

#include <QByteArray>
#include <QtGlobal>
#include <string>

namespace ostrak::test {

class UserDataHome {
public:
  explicit UserDataHome(const std::string& folder) : previous_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder));
  }
  ~UserDataHome() { qputenv("XDG_DATA_HOME", previous_); }
  UserDataHome(const UserDataHome&) = delete;
  UserDataHome& operator=(const UserDataHome&) = delete;

private:
  QByteArray previous_;
};

}  // namespace ostrak::test
