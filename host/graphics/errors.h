// The exceptions of the graphics library. Every message says what went wrong
// in words a user can act on; file errors name the file.
#pragma once

#include <stdexcept>
#include <string>

namespace pictor {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// Reading or writing a stream failed.
class EStreamError : public Exception {
  using Exception::Exception;
};
class EReadError : public EStreamError {
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
  using EStreamError::EStreamError;
};
// A file could not be opened or created.
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};

// Picture data that cannot be decoded: damaged, hostile or unsupported.
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};
// An operation a graphic cannot do, or an image larger than the library allows.
class EInvalidGraphicOperation : public Exception {
  using Exception::Exception;
};
// A palette or region handle that does not exist.
class EInvalidHandle : public Exception {
  using Exception::Exception;
};

}  // namespace pictor
