#include "core/Errors.h"

#include "core/IntToStr.h"

namespace ostrak {

ListError ListError::IndexOutOfBounds(long long index) {
  return ListError("List index out of bounds (" + IntToStr(index) + ")");
}

ConversionError ConversionError::NotAnInteger(const std::string& text) {
  return ConversionError("'" + text + "' is not a valid integer value");
}

JpegError::JpegError(int code) : PictureError("JPEG error #" + IntToStr(code)), code_(code) {}

AssignError AssignError::Between(const std::string& sourceClass, const std::string& targetClass) {
  return AssignError("Cannot assign a " + sourceClass + " to a " + targetClass);
}

}  // namespace ostrak
