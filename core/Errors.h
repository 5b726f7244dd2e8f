#pragma once

// Every failure the system reports is one of these. The message is the text
// the user sees, in the same 8-bit Windows-1252 bytes as the file text it may
// quote, built where the failure happens.

#include <stdexcept>
#include <string>

namespace ostrak {

class Error : public std::runtime_error {
public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
  std::string message() const { return what(); }
};

// "List index out of bounds (%d)"
class ListError : public Error {
public:
  using Error::Error;
  static ListError IndexOutOfBounds(long long index);
};

// "'%s' is not a valid integer value", and other failed conversions.
class ConversionError : public Error {
public:
  using Error::Error;
  static ConversionError NotAnInteger(const std::string& text);
};

// "Cannot open file "%s". %s"
class FileOpenError : public Error {
public:
  using Error::Error;
};

// "Cannot create file "%s". %s"
class FileCreateError : public Error {
public:
  using Error::Error;
};

// "Stream write error"
class WriteError : public Error {
public:
  using Error::Error;
  static WriteError Stream() { return WriteError("Stream write error"); }
  // A file written over itself whose old bytes could not be put back either:
  // the user must know it may be damaged.
  static WriteError NotPutBack() {
    return WriteError("Stream write error; the file could not be put back as it was");
  }
};

// "Value must be between %0:g and %1:g"
class RangeError : public Error {
public:
  using Error::Error;
};

// Picture loading: unknown extension, undecodable format.
class PictureError : public Error {
public:
  using Error::Error;
};

// "JPEG error #%d"
class JpegError : public PictureError {
public:
  explicit JpegError(int code);
  int code() const { return code_; }

private:
  int code_;
};

// "Cannot assign a %s to a %s"
class AssignError : public Error {
public:
  using Error::Error;
  static AssignError Between(const std::string& sourceClass, const std::string& targetClass);
};

// "Invalid class typecast"
class InvalidCastError : public Error {
public:
  InvalidCastError() : Error("Invalid class typecast") {}
};

}  // namespace ostrak
